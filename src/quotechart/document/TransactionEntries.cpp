#include "document/TransactionEntries.h"

#include "platform/NumberFormat.h"
#include "platform/Rounding.h"

#include <cmath>
#include <optional>

namespace quotechart {

namespace {

bool inArrays(int16_t day) { return day >= 1 && day <= PriceHistory::capacity; }

ListEntry entry(const QString &text, const PriceHistory &history, int16_t day)
{
    ListEntry result{text, {}, {}, {}};
    if (inArrays(day)) {
        result.price = platform::formatNumber(history.close_array[day], u"####0.00");
        result.date = history.date_array[day];
    }
    return result;
}

// ((sold / bought) - 1) * 100, every step in single precision.
std::optional<float> percentGain(float sold, float bought)
{
    const std::optional<float> ratio = platform::divide(sold, bought);
    if (!ratio)
        return std::nullopt;
    const float gain = (*ratio - 1.0f) * 100.0f;
    if (!std::isfinite(gain))
        return std::nullopt;
    return gain;
}

}   // namespace

ListEntry buyEntry(const PriceHistory &history, int16_t day) { return entry(BuyText, history, day); }

ListEntry sellEntry(const PriceHistory &history, int16_t day, int16_t buyDay)
{
    ListEntry result = entry(SellText, history, day);
    if (inArrays(day) && inArrays(buyDay))
        if (const std::optional<float> gain = percentGain(history.close_array[day], history.close_array[buyDay]))
            result.percent = platform::formatNumber(*gain, u"####0.0");
    return result;
}

}   // namespace quotechart
