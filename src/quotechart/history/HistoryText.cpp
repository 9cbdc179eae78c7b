#include "history/HistoryText.h"

#include "platform/NumberText.h"
#include "platform/Rounding.h"

#include <array>

namespace quotechart {

namespace {

constexpr qsizetype LongHeaderLength = 40;
constexpr qsizetype ShortLineLength = 17;
constexpr int LongHeaderLines = 5;

// Lines as the old sequential reader saw them: each ends at CR, LF or CR LF;
// reading past the last line fails.
class LineReader {
public:
    explicit LineReader(QByteArrayView text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }

    std::optional<QByteArrayView> next()
    {
        if (atEnd())
            return std::nullopt;
        qsizetype end = position_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        const QByteArrayView line = text_.sliced(position_, end - position_);
        position_ = end;
        if (position_ < text_.size()) {
            const bool carriageReturn = text_[position_] == '\r';
            ++position_;
            if (carriageReturn && position_ < text_.size() && text_[position_] == '\n')
                ++position_;
        }
        return line;
    }

private:
    QByteArrayView text_;
    qsizetype position_ = 0;
};

// Splits into at most `count` fields; further commas stay in the last one.
// Missing fields are empty.
template <std::size_t count> std::array<QStringView, count> splitFields(QStringView line)
{
    std::array<QStringView, count> fields;
    for (std::size_t f = 0; f + 1 < count; ++f) {
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0) {
            fields[f] = line;
            return fields;
        }
        fields[f] = line.first(comma);
        line = line.sliced(comma + 1);
    }
    fields[count - 1] = line;
    return fields;
}

void storePrice(QStringView field, float &slot)
{
    const std::optional<double> value = platform::leadingNumber(field);
    if (const std::optional<float> price = value ? platform::toSingle(*value) : std::nullopt)
        slot = *price;
}

void storeVolume(QStringView field, int32_t &slot)
{
    const std::optional<double> value = platform::leadingNumber(field);
    if (const std::optional<int32_t> volume = value ? platform::toInt32(*value) : std::nullopt)
        slot = *volume;
}

struct DayFields {
    QStringView date, open, high, low, close, volume;   // the long-header layout has no open
};

DayFields dayFields(QStringView line, bool longHeader)
{
    if (longHeader) {
        const auto f = splitFields<5>(line);
        return {f[0], {}, f[1], f[2], f[3], f[4]};
    }
    const auto f = splitFields<6>(line);
    return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

// Stores one day into slot i; true when the row counts (high and low not 0).
bool storeDay(const QString &line, bool longHeader, PriceHistory &h, int i)
{
    const DayFields day = dayFields(line, longHeader);
    h.date_array[i] = day.date.toString();
    if (longHeader)
        h.open_array[i] = 0;
    else
        storePrice(day.open, h.open_array[i]);
    storePrice(day.high, h.high_array[i]);
    storePrice(day.low, h.low_array[i]);
    storePrice(day.close, h.close_array[i]);
    storeVolume(day.volume, h.volume_array[i]);
    return h.high_array[i] != 0 && h.low_array[i] != 0;
}

HistoryHeader readHeader(LineReader &lines)
{
    HistoryHeader header;
    const QByteArrayView first = lines.next().value_or(QByteArrayView());
    if (first.size() < LongHeaderLength)
        return header;
    header.longHeader = true;
    lines.next();
    if (const auto third = lines.next(); third && third->size() >= 4)
        header.companyName = QString::fromLatin1(third->first(third->size() - 4));
    for (int line = 4; line <= LongHeaderLines; ++line)
        lines.next();
    return header;
}

}   // namespace

HistoryHeader readHistoryText(QByteArrayView text, PriceHistory &history)
{
    LineReader lines(text);
    const HistoryHeader header = readHeader(lines);
    int i = 1;
    while (!lines.atEnd() && i <= PriceHistory::capacity) {
        QByteArrayView line = *lines.next();
        if (line.size() < ShortLineLength)
            line = lines.next().value_or(line);
        if (storeDay(QString::fromLatin1(line), header.longHeader, history, i))
            ++i;
    }
    history.record_count = int16_t(i - 1);
    return header;
}

}   // namespace quotechart
