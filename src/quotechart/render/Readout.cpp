#include "render/Readout.h"

#include "platform/DateText.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace quotechart {

namespace {

bool loaded(const PriceHistory &h, int d) { return d >= 1 && d <= h.record_count && d <= PriceHistory::capacity; }

QString price(float value) { return platform::formatNumber(value, u"###.00"); }

}   // namespace

std::optional<QString> captionText(const QString &company, const PriceHistory &h, int d)
{
    if (!loaded(h, d))
        return std::nullopt;
    const std::optional<QDate> date = platform::parseDate(h.date_array[d]);
    if (!date)
        return std::nullopt;
    return company + QStringLiteral("   High: $") + price(h.high_array[d]) + QStringLiteral("   Low: $") +
        price(h.low_array[d]) + QStringLiteral("   Close: $") + price(h.close_array[d]) + QStringLiteral("   Date: ") +
        platform::formatDate(*date, u"dd,mmm,yyyy");
}

std::optional<ChangeReadout> changeReadout(const PriceHistory &h, int d)
{
    if (!loaded(h, d) || !loaded(h, d + 1))
        return std::nullopt;
    const float change = h.close_array[d] - h.close_array[d + 1];
    float pct = 0;
    if (h.close_array[d + 1] != 0)
        pct = change / h.close_array[d + 1] * 100;
    const bool rise = change > 0;
    const QString sign = rise ? QStringLiteral("+") : QStringLiteral("-");
    ChangeReadout readout;
    readout.rise = rise;
    readout.text = QStringLiteral("Change ") + sign + QStringLiteral("$") +
        platform::formatNumber(std::fabs(change), u"####0.00") + QStringLiteral("   ") + sign +
        platform::formatNumber(std::fabs(pct), u"####0.00") + QStringLiteral("%");
    return readout;
}

}   // namespace quotechart
