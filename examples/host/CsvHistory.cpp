#include "CsvHistory.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int MaxColumns = 64;               // a header's columns beyond these are not looked at
constexpr qsizetype MaxNumberLength = 400;   // any double in fixed notation, as the writer writes it
constexpr qsizetype MaxDateLength = 40;
constexpr int FirstTwoDigitCentury = 30;   // 30-99 are the 1900s, 00-29 the 2000s

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

QByteArrayView trimmed(QByteArrayView field)
{
    while (!field.isEmpty() && isBlank(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    return field;
}

// A field's text: blanks around it and its enclosing quotes dropped.
QByteArrayView unquoted(QByteArrayView field)
{
    field = trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.sliced(1, field.size() - 2));
    else if (field.size() == 1 && field.front() == '"')
        return {};
    return field;
}

// Lines end at CR, LF or CR LF.
class Lines {
public:
    explicit Lines(QByteArrayView text) : text_(text) {}

    bool next(QByteArrayView &line)
    {
        if (position_ >= text_.size())
            return false;
        qsizetype end = position_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        line = text_.sliced(position_, end - position_);
        position_ = end;
        if (position_ < text_.size() && text_[position_++] == '\r' && position_ < text_.size() &&
            text_[position_] == '\n')
            ++position_;
        ++number_;
        return true;
    }
    int number() const { return number_; }

private:
    QByteArrayView text_;
    qsizetype position_ = 0;
    int number_ = 0;
};

using Fields = QVarLengthArray<QByteArrayView, 16>;

// The first `wanted` fields of a line; a separator between quotes belongs to
// its field, and a quote left open runs to the end of the line.
Fields splitLine(QByteArrayView line, char separator, int wanted)
{
    Fields fields;
    qsizetype position = 0;
    while (fields.size() < wanted) {
        const qsizetype start = position;
        bool quoted = false;
        while (position < line.size() && (quoted || line[position] != separator)) {
            if (line[position] == '"')
                quoted = !quoted;
            ++position;
        }
        fields.append(unquoted(line.sliced(start, position - start)));
        if (position >= line.size())
            break;
        ++position;
    }
    return fields;
}

// Only blanks, separators and quotes: nothing to read and nothing to report.
bool isBlankLine(QByteArrayView line, char separator)
{
    return std::all_of(line.begin(), line.end(),
                       [separator](char c) { return isBlank(c) || c == separator || c == '"'; });
}

struct Columns {
    int date = -1, open = -1, high = -1, low = -1, close = -1, volume = -1;

    bool complete() const { return date >= 0 && high >= 0 && low >= 0 && close >= 0; }
    int found() const { return (date >= 0) + (open >= 0) + (high >= 0) + (low >= 0) + (close >= 0) + (volume >= 0); }
    int required() const { return std::max({date, high, low, close}) + 1; }
    int all() const { return std::max({required() - 1, open, volume}) + 1; }
};

Columns columnsOf(QByteArrayView header, char separator)
{
    Columns columns;
    const Fields names = splitLine(header, separator, MaxColumns);
    for (int i = 0; i < names.size(); ++i) {
        QByteArrayView name = names[i];
        while (name.endsWith('*'))   // some sites mark their footnotes so: "Close*"
            name.chop(1);
        const QByteArray lower = trimmed(name).toByteArray().toLower();
        for (auto [text, column] : {std::pair{"date", &columns.date},
                                    {"open", &columns.open},
                                    {"high", &columns.high},
                                    {"low", &columns.low},
                                    {"close", &columns.close},
                                    {"volume", &columns.volume}})
            if (lower == text && *column < 0)
                *column = i;
    }
    return columns;
}

std::optional<double> csvNumber(QByteArrayView field, bool decimalComma)
{
    if (field.isEmpty() || field.size() > MaxNumberLength)
        return std::nullopt;
    char text[MaxNumberLength];
    std::copy(field.begin(), field.end(), text);
    const char *begin = text, *end = text + field.size();
    if (decimalComma && std::count(begin, end, ',') == 1 && std::count(begin, end, '.') == 0)
        *std::find(text, text + field.size(), ',') = '.';
    if (*begin == '+')
        ++begin;
    // from_chars would also take "inf" and "nan", which no file means as a price.
    const char *digits = begin != end && *begin == '-' ? begin + 1 : begin;
    if (digits == end || !(isDigit(*digits) || *digits == '.'))
        return std::nullopt;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isPrice(double value) { return std::abs(value) <= std::numeric_limits<float>::max(); }

// Reads `count` digits (a range: at least `least`) at `position` as a number.
std::optional<int> digitsAt(QByteArrayView text, qsizetype &position, int least, int most)
{
    int value = 0, read = 0;
    while (read < most && position < text.size() && isDigit(text[position])) {
        value = value * 10 + (text[position++] - '0');
        ++read;
    }
    if (read < least)
        return std::nullopt;
    return value;
}

bool skip(QByteArrayView text, qsizetype &position, char c)
{
    if (position >= text.size() || text[position] != c)
        return false;
    ++position;
    return true;
}

// Two digits as the chart reads them; four digits from the year 100.
std::optional<int> yearAt(QByteArrayView text, qsizetype &position)
{
    const qsizetype start = position;
    const std::optional<int> year = digitsAt(text, position, 2, 4);
    if (!year)
        return std::nullopt;
    if (position - start == 2)
        return *year + (*year < FirstTwoDigitCentury ? 2000 : 1900);
    if (position - start == 4 && *year >= 100)
        return year;
    return std::nullopt;
}

int monthOf(QByteArrayView name)
{
    static const char *const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    const QByteArray lower = name.toByteArray().toLower();
    for (int m = 0; m < 12; ++m)
        if (lower == months[m])
            return m + 1;
    return 0;
}

QDate dateOf(std::optional<int> year, std::optional<int> month, std::optional<int> day)
{
    return year && month && day ? QDate(*year, *month, *day) : QDate();
}

// yyyy-mm-dd, then nothing or a time of day.
QDate isoDate(QByteArrayView text)
{
    qsizetype at = 0;
    const std::optional<int> year = digitsAt(text, at, 4, 4);
    if (!year || !skip(text, at, '-'))
        return {};
    const std::optional<int> month = digitsAt(text, at, 1, 2);
    if (!skip(text, at, '-'))
        return {};
    const std::optional<int> day = digitsAt(text, at, 1, 2);
    if (at < text.size()) {
        if (text[at] != ' ' && text[at] != 'T')
            return {};
        const QByteArrayView time = text.sliced(at + 1);
        if (!std::all_of(time.begin(), time.end(),
                         [](char c) { return isDigit(c) || QByteArrayView(":.+-Z ").contains(c); }))
            return {};
    }
    return *year >= 100 ? dateOf(year, month, day) : QDate();
}

// m/d/yyyy or m/d/yy.
QDate usDate(QByteArrayView text)
{
    qsizetype at = 0;
    const std::optional<int> month = digitsAt(text, at, 1, 2);
    if (!skip(text, at, '/'))
        return {};
    const std::optional<int> day = digitsAt(text, at, 1, 2);
    if (!skip(text, at, '/'))
        return {};
    const std::optional<int> year = yearAt(text, at);
    return at == text.size() ? dateOf(year, month, day) : QDate();
}

// d-Mon-yy or d-Mon-yyyy.
QDate namedMonthDate(QByteArrayView text)
{
    qsizetype at = 0;
    const std::optional<int> day = digitsAt(text, at, 1, 2);
    if (!skip(text, at, '-') || at + 3 > text.size())
        return {};
    const int month = monthOf(text.sliced(at, 3));
    at += 3;
    if (!month || !skip(text, at, '-'))
        return {};
    const std::optional<int> year = yearAt(text, at);
    return at == text.size() ? dateOf(year, month, day) : QDate();
}

class Reader {
public:
    Reader(CsvHistory &result, const Columns &columns)
        : result_(result), columns_(columns), decimalComma_(result.separator == ';')
    {}

    void readLine(QByteArrayView line, int number)
    {
        if (isBlankLine(line, result_.separator))
            return;
        const Fields fields = splitLine(line, result_.separator, columns_.all());
        if (fields.size() < columns_.required())
            return skipLine(SkipReason::MissingFields, number);
        HistoryDay day;
        day.line = number;
        day.date = csvDate(fields[columns_.date]);
        if (!day.date.isValid())
            return skipLine(SkipReason::BadDate, number);
        const std::optional<double> high = price(fields, columns_.high), low = price(fields, columns_.low),
                                    close = price(fields, columns_.close), open = optional(fields, columns_.open),
                                    volume = optional(fields, columns_.volume);
        if (!high || !low || !close || !open || !isPrice(*open) || !volume || !(*volume >= 0))
            return skipLine(SkipReason::BadNumber, number);
        if (float(*high) == 0 || float(*low) == 0)   // what the chart stores, and then counts
            return skipLine(SkipReason::ZeroHighOrLow, number);
        day.open = *open;
        day.high = *high;
        day.low = *low;
        day.close = *close;
        day.volume = chartVolume(*volume);
        result_.days.append(day);
    }

    void skipLine(SkipReason reason, int number)
    {
        SkippedLines &skipped = result_.skipped[std::size_t(reason)];
        ++skipped.count;
        if (skipped.firstLines.size() < SkippedLines::KeptLines)
            skipped.firstLines.append(number);
    }

private:
    std::optional<double> price(const Fields &fields, int column) const
    {
        const std::optional<double> value = csvNumber(fields[column], decimalComma_);
        return value && isPrice(*value) ? value : std::nullopt;
    }
    // Open and Volume: 0 when the column or its field is missing or empty.
    std::optional<double> optional(const Fields &fields, int column) const
    {
        if (column < 0 || column >= fields.size() || fields[column].isEmpty())
            return 0.0;
        return csvNumber(fields[column], decimalComma_);
    }
    int32_t chartVolume(double volume)
    {
        const double rounded = std::nearbyint(volume);
        if (rounded > std::numeric_limits<int32_t>::max()) {
            ++result_.cappedVolumes;
            return std::numeric_limits<int32_t>::max();
        }
        return int32_t(rounded);
    }

    CsvHistory &result_;
    Columns columns_;
    bool decimalComma_;
};

// Newest first, the first line of each date kept, the newest days the chart holds.
void orderDays(CsvHistory &result, Reader &reader)
{
    QList<HistoryDay> &days = result.days;
    const auto newer = [](const HistoryDay &a, const HistoryDay &b) { return a.date > b.date; };
    const auto older = [](const HistoryDay &a, const HistoryDay &b) { return a.date < b.date; };
    // Files come newest or oldest first: those need no sort.
    if (std::is_sorted(days.begin(), days.end(), older))
        std::reverse(days.begin(), days.end());
    else if (!std::is_sorted(days.begin(), days.end(), newer))
        std::stable_sort(days.begin(), days.end(), newer);
    QList<int> repeated;
    qsizetype kept = 0;
    for (qsizetype i = 0; i < days.size(); ++i) {
        if (kept == 0 || days[kept - 1].date != days[i].date) {
            days[kept++] = days[i];
            continue;
        }
        HistoryDay &first = days[kept - 1];
        repeated.append(std::max(first.line, days[i].line));
        if (days[i].line < first.line)
            first = days[i];
    }
    days.resize(kept);
    std::sort(repeated.begin(), repeated.end());
    for (int line : repeated)
        reader.skipLine(SkipReason::RepeatedDate, line);
    if (days.size() > HistoryCapacity) {
        result.olderDays = int(days.size() - HistoryCapacity);
        days.resize(HistoryCapacity);
    }
}

QString headerError(const Columns &columns, QByteArrayView header, char separator, int line)
{
    const Fields first = splitLine(header, separator, 1);
    if (!first.isEmpty() && csvDate(first[0]).isValid())
        return QStringLiteral("line %1 is a day, not a header naming the columns Date, High, Low and Close").arg(line);
    const char *missing = columns.date < 0 ? "Date" : columns.high < 0 ? "High" : columns.low < 0 ? "Low" : "Close";
    return QStringLiteral("its header (line %1) names no %2 column").arg(line).arg(QLatin1String(missing));
}

}   // namespace

int CsvHistory::skippedCount() const
{
    int count = 0;
    for (const SkippedLines &lines : skipped)
        count += lines.count;
    return count;
}

QDate csvDate(QByteArrayView field)
{
    field = trimmed(field);
    if (field.isEmpty() || field.size() > MaxDateLength)
        return {};
    for (QDate (*form)(QByteArrayView) : {isoDate, usDate, namedMonthDate})
        if (const QDate date = form(field); date.isValid())
            return date;
    return {};
}

CsvHistory readCsvHistory(QByteArrayView text)
{
    CsvHistory result;
    if (text.startsWith("\xEF\xBB\xBF"))   // the byte-order mark spreadsheets write
        text = text.sliced(3);
    Lines lines(text);
    QByteArrayView header;
    while (lines.next(header) && trimmed(header).isEmpty()) {
    }
    if (trimmed(header).isEmpty()) {
        result.error = QStringLiteral("it holds no lines");
        return result;
    }
    result.headerLine = lines.number();
    const Columns commas = columnsOf(header, ','), semicolons = columnsOf(header, ';');
    const bool bySemicolons = semicolons.complete() ? !commas.complete() : semicolons.found() > commas.found();
    result.separator = bySemicolons ? ';' : ',';
    const Columns &columns = bySemicolons ? semicolons : commas;
    if (!columns.complete()) {
        result.error = headerError(columns, header, result.separator, result.headerLine);
        return result;
    }
    Reader reader(result, columns);
    QByteArrayView line;
    while (lines.next(line))
        reader.readLine(line, lines.number());
    orderDays(result, reader);
    return result;
}
