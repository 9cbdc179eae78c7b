#include "platform/DateText.h"

#include <QLatin1String>

#include <array>
#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

constexpr std::array<const char *, 12> monthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

constexpr std::array<const char *, 7> weekdayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                      "Friday", "Saturday", "Sunday"};

// Years of four digits below this are refused, as the old date type did.
constexpr int firstYear = 100;

// Two-digit years below this belong to the 2000s.
constexpr int centuryPivot = 30;

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// ---- reading ---------------------------------------------------------------

// A date text is three fields, digits or letters, with a separator between
// them: blanks, one of - / , or that mark between blanks.
struct DateFields {
    std::array<QStringView, 3> fields;
    std::array<char16_t, 2> separators{};   // the mark, or ' ' for blanks alone
};

constexpr qsizetype longestField = 9;   // "September"

std::optional<DateFields> splitDate(QStringView text)
{
    qsizetype at = 0;
    qsizetype end = text.size();
    while (at < end && isBlank(text[at]))
        ++at;
    while (end > at && isBlank(text[end - 1]))
        --end;

    DateFields date;
    for (size_t i = 0; i < date.fields.size(); ++i) {
        if (i > 0) {
            const qsizetype start = at;
            while (at < end && isBlank(text[at]))
                ++at;
            char16_t mark = u' ';
            if (at < end && (text[at] == u'-' || text[at] == u'/' || text[at] == u',')) {
                mark = text[at].unicode();
                ++at;
                while (at < end && isBlank(text[at]))
                    ++at;
            }
            if (at == start)
                return std::nullopt;
            date.separators[i - 1] = mark;
        }
        if (at == end)
            return std::nullopt;
        const bool digits = isDigit(text[at]);
        if (!digits && !isLetter(text[at]))
            return std::nullopt;
        const qsizetype start = at;
        while (at < end && at - start <= longestField && (digits ? isDigit(text[at]) : isLetter(text[at])))
            ++at;
        if (at - start > longestField)
            return std::nullopt;
        date.fields[i] = text.sliced(start, at - start);
    }
    if (at != end)
        return std::nullopt;
    return date;
}

bool isNumber(QStringView field) { return isDigit(field.front()); }

// The value of a field of digits with one of the allowed lengths, else -1.
int numberOf(QStringView field, qsizetype shortest, qsizetype longest)
{
    if (!isNumber(field) || field.size() < shortest || field.size() > longest)
        return -1;
    int value = 0;
    for (const QChar c : field)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

int dayOf(QStringView field) { return numberOf(field, 1, 2); }
int monthNumberOf(QStringView field) { return numberOf(field, 1, 2); }

// Two digits name a year around 2000, four a year from firstYear on.
int yearOf(QStringView field)
{
    if (field.size() == 2) {
        const int year = numberOf(field, 2, 2);
        return year < 0 ? -1 : year + (year < centuryPivot ? 2000 : 1900);
    }
    const int year = numberOf(field, 4, 4);
    return year >= firstYear ? year : -1;
}

// An English month name, in full or its first three letters, in any case.
// Fields of letters hold ASCII letters only, so setting bit 5 folds the case.
int monthNameOf(QStringView field)
{
    if (isNumber(field))
        return -1;
    for (size_t i = 0; i < monthNames.size(); ++i) {
        const std::string_view name(monthNames[i]);
        if (field.size() != 3 && field.size() != qsizetype(name.size()))
            continue;
        qsizetype at = 0;
        while (at < field.size() && (field[at].unicode() | 0x20) == (name[size_t(at)] | 0x20))
            ++at;
        if (at == field.size())
            return int(i) + 1;
    }
    return -1;
}

std::optional<QDate> dateOf(int year, int month, int day)
{
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

}   // namespace

std::optional<QDate> parseDate(QStringView text)
{
    const std::optional<DateFields> split = splitDate(text);
    if (!split)
        return std::nullopt;
    const auto &[first, second, third] = split->fields;
    const char16_t mark = split->separators[0];
    const bool sameMarks = mark == split->separators[1];

    // 2-Jan-01, 02-Jan-2001, 2 Jan 2001
    if (isNumber(first) && !isNumber(second))
        return sameMarks && (mark == u'-' || mark == u' ') ? dateOf(yearOf(third), monthNameOf(second), dayOf(first))
                                                           : std::nullopt;
    // Jan 2, 2001 and Jan 2 2001
    if (!isNumber(first))
        return mark == u' ' && (split->separators[1] == u',' || split->separators[1] == u' ')
            ? dateOf(yearOf(third), monthNameOf(first), dayOf(second))
            : std::nullopt;
    if (!sameMarks || (mark != u'-' && mark != u'/'))
        return std::nullopt;
    // 2001-01-02, else month first: 1/2/2001
    if (first.size() == 4)
        return dateOf(yearOf(first), monthNumberOf(second), dayOf(third));
    return dateOf(yearOf(third), monthNumberOf(first), dayOf(second));
}

// ---- writing ---------------------------------------------------------------

namespace {

void appendNumber(QString &text, int value, int width)
{
    std::array<char16_t, 12> digits;
    int count = 0;
    unsigned rest = unsigned(std::abs(value));
    do {
        digits[size_t(count++)] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0 || count < width);
    if (value < 0)
        text += u'-';
    while (count > 0)
        text += QChar(digits[size_t(--count)]);
}

// Appends the token at the start of a run of `letter` and returns its length;
// a longer run is read as several tokens, the longest first.
qsizetype appendToken(QString &text, const QDate &date, QChar letter, qsizetype run)
{
    if (letter == u'd') {
        if (run >= 3) {
            const QLatin1String name(weekdayNames[size_t(date.dayOfWeek() - 1)]);
            text += run >= 4 ? name : name.left(3);
            return std::min<qsizetype>(run, 4);
        }
        appendNumber(text, date.day(), int(run));
        return run;
    }
    if (letter == u'm') {
        if (run >= 3) {
            const QLatin1String name(monthNames[size_t(date.month() - 1)]);
            text += run >= 4 ? name : name.left(3);
            return std::min<qsizetype>(run, 4);
        }
        appendNumber(text, date.month(), int(run));
        return run;
    }
    if (run >= 4) {
        appendNumber(text, date.year(), 4);
        return 4;
    }
    if (run >= 2) {
        appendNumber(text, std::abs(date.year()) % 100, 2);
        return 2;
    }
    text += letter;
    return 1;
}

}   // namespace

QString formatDate(const QDate &date, QStringView pattern)
{
    if (!date.isValid())
        return {};
    QString text;
    text.reserve(pattern.size() + 16);
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar letter = pattern[i];
        if (letter != u'd' && letter != u'm' && letter != u'y') {
            text += letter;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter)
            ++run;
        i += appendToken(text, date, letter, run);
    }
    return text;
}

}   // namespace platform
