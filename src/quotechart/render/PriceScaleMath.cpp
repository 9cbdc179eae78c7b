#include "render/PriceScaleMath.h"

#include "calc/LogScale.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace quotechart {

namespace {

struct StepRow {
    float from;   // the row holds for ranges from here up to the row above
    float tick;
};

constexpr std::array<StepRow, 16> steps{{
    {5000, 1000},
    {2500, 500},
    {1500, 250},
    {1000, 150},
    {500, 100},
    {250, 50},
    {150, 25},
    {100, 15},
    {50, 10},
    {25, 5},
    {10, 2.5f},
    {5, 1},
    {2.5f, 0.5f},
    {1, 0.2f},
    {0.5f, 0.1f},
    {0.1f, 0.05f},
}};
constexpr float SmallestTick = 0.02f;

std::optional<int16_t> within16Bits(std::optional<float> ticks)
{
    if (!ticks || std::isnan(*ticks))
        return std::nullopt;
    const double count = std::clamp(platform::roundHalfEven(*ticks), double(INT16_MIN), double(INT16_MAX));
    return int16_t(count);
}

}   // namespace

float priceTickFor(float range)
{
    for (const StepRow &row : steps)
        if (range >= row.from)
            return row.tick;
    return SmallestTick;
}

std::optional<int16_t> rulerHighTicks(float maxPrice, float tick)
{
    const std::optional<float> ratio = platform::divide(maxPrice, tick);
    return ratio ? platform::toInt16(*ratio + 0.5f) : std::nullopt;
}

std::optional<int16_t> rulerLowTicks(float minPrice, float tick)
{
    const std::optional<float> ratio = platform::divide(minPrice, tick);
    return ratio ? platform::toInt16(*ratio - 0.5f) : std::nullopt;
}

std::optional<int16_t> rulerHighTicksWithin16Bits(float maxPrice, float tick)
{
    const std::optional<float> ratio = platform::divide(maxPrice, tick);
    return within16Bits(ratio ? std::optional<float>(*ratio + 0.5f) : std::nullopt);
}

std::optional<int16_t> rulerLowTicksWithin16Bits(float minPrice, float tick)
{
    const std::optional<float> ratio = platform::divide(minPrice, tick);
    return within16Bits(ratio ? std::optional<float>(*ratio - 0.5f) : std::nullopt);
}

std::optional<float> priceScaleFor(double height, float highTicks, float lowTicks, float tick)
{
    const std::optional<double> scale = platform::divide(height - 100, double((highTicks - lowTicks) * tick));
    return scale ? platform::toSingle(*scale) : std::nullopt;
}

PriceScale fixPriceScale(double height, float minPrice, float maxPrice, PriceScale scale)
{
    scale.logarithmic = false;
    scale.price_tick = priceTickFor(maxPrice - minPrice);
    if (const auto high = rulerHighTicksWithin16Bits(maxPrice, scale.price_tick))
        scale.ruler_high_ticks = *high;
    if (const auto low = rulerLowTicksWithin16Bits(minPrice, scale.price_tick))
        scale.ruler_low_ticks = *low;
    if (const auto perPrice = priceScaleFor(height, scale.ruler_high_ticks, scale.ruler_low_ticks, scale.price_tick))
        scale.price_scale = *perPrice;
    return scale;
}

PriceScale fixLogPriceScale(double height, float lowestPositive, float highest, PriceScale scale)
{
    if (const auto range = logscale::decadeRangeFor(lowestPositive, highest)) {
        scale.log_low = range->low;
        scale.log_high = range->high;
    } else if (!scale.logarithmic) {   // nothing to place yet: a usable scale all the same
        scale.log_low = 0;
        scale.log_high = 1;
    }
    scale.logarithmic = true;
    const std::optional<double> perDecade = platform::divide(height - 100, scale.log_high - scale.log_low);
    if (const std::optional<float> single = perDecade ? platform::toSingle(*perDecade) : std::nullopt)
        scale.price_scale = *single;
    return scale;
}

}   // namespace quotechart
