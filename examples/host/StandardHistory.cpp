#include "StandardHistory.h"

#include <charconv>

namespace {

const QByteArray Header = QByteArrayLiteral("Date,Open,High,Low,Close,Volume\r\n");

void appendNumber(QByteArray &text, double value)
{
    char digits[400];   // the widest double in fixed notation is some 310 digits
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    text.append(digits, error == std::errc() ? end - digits : 0);
}

}   // namespace

QByteArray standardHistoryText(const QList<HistoryDay> &days)
{
    QByteArray text = Header;
    text.reserve(Header.size() + days.size() * 56);
    for (const HistoryDay &day : days) {
        text.append(day.date.toString(Qt::ISODate).toLatin1());
        for (double price : {day.open, day.high, day.low, day.close}) {
            text.append(',');
            appendNumber(text, price);
        }
        text.append(',');
        text.append(QByteArray::number(day.volume));
        text.append("\r\n");
    }
    return text;
}
