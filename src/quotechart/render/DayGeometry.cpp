#include "render/DayGeometry.h"

#include "chart/ChartState.h"
#include "platform/Rounding.h"

#include <cmath>

namespace quotechart {

std::optional<float> daySlotWidth(double width, int16_t s, int16_t e)
{
    const int slotCount = e - s + 2;
    if (slotCount == 0)
        return std::nullopt;
    return platform::toSingle(width / slotCount);
}

std::optional<int16_t> dayUnderX(double x, double width, int16_t s, int16_t e)
{
    const std::optional<double> slotCount = platform::divide((width - x) * (e - s + 2), width);
    if (!slotCount)
        return std::nullopt;
    const std::optional<int16_t> nearest = platform::toInt16(*slotCount + s);
    return nearest ? platform::sub16(*nearest, 1) : std::nullopt;
}

double priceY(double price, double height, const PriceScale &scale)
{
    return height - 50 - (price - double(scale.price_tick) * scale.ruler_low_ticks) * scale.price_scale;
}

} // namespace quotechart
