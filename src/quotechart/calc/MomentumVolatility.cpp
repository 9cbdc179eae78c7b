#include "calc/MomentumVolatility.h"

#include "calc/Averages.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace quotechart::indicators {

namespace {

std::optional<float> momentumAt(Series closes, Day i, Period N)
{
    const auto earlierDay = dayPlus(i, N);
    const auto close = dayValue(closes, i);
    const auto earlier = earlierDay ? dayValue(closes, *earlierDay) : std::nullopt;
    if (!close || !earlier)
        return std::nullopt;
    return finiteSingle(*close - *earlier);
}

void fillRanges(WorkSeries &ranges, Series highs, Series lows, Day first, int32_t oldest)
{
    for (int32_t i = first; i <= oldest; ++i) {
        const auto high = dayValue(highs, i);
        const auto low = dayValue(lows, i);
        const auto range = high && low ? finiteSingle(*high - *low) : std::nullopt;
        if (range)
            ranges.store(i, *range);
    }
}

void fillAveragedRanges(WorkSeries &averaged, const WorkSeries &ranges, Day first, int32_t oldest, Period V1)
{
    for (int32_t i = oldest; i >= first; --i)
        if (const auto value = CalculateExpMA(ranges.view(), Day(i), V1))
            averaged.store(i, *value);
}

void fillChanges(WorkSeries &changes, const WorkSeries &averaged, Day first, int32_t oldest, Period V2)
{
    for (int32_t i = first; i <= oldest; ++i) {
        const auto olderDay = dayPlus(i, V2);
        const auto now = averaged.read(i);
        const auto older = olderDay ? averaged.read(*olderDay) : std::nullopt;
        const auto change = now && older ? platform::divide(*now - *older, *older) : std::nullopt;
        if (change)
            changes.store(i, *change);
    }
}

}   // namespace

SymmetricSeries momentumBars(Series closes, Day first, Day last, Period N)
{
    SymmetricSeries bars;
    bars.values = plotEach(barDays(first, last), [&](Day day) {
        const float value = momentumAt(closes, day, N).value_or(0.0f);
        widenScale(bars.M, value);
        return std::optional<float>(value);
    });
    return bars;
}

SymmetricSeries volatilityLine(Series highs, Series lows, Day first, Day last, Period V1, Period V2)
{
    WorkSeries ranges;
    WorkSeries averaged;
    WorkSeries changes;
    // A loop whose bound overflows 16 bits does not run.
    const auto rangeOldest = daySum(last, {V1, V2, 1});
    const auto averagedOldest = daySum(last, {V2, 1});
    const auto changeOldest = dayPlus(last, 1);   // the line needs day last + 1
    // Days past a work series have no slot to fill.
    if (rangeOldest)
        fillRanges(ranges, highs, lows, first, std::min<int32_t>(*rangeOldest, ranges.capacity()));
    if (averagedOldest)
        fillAveragedRanges(averaged, ranges, first, std::min<int32_t>(*averagedOldest, averaged.capacity()), V1);
    if (changeOldest)
        fillChanges(changes, averaged, first, std::min<int32_t>(*changeOldest, changes.capacity()), V2);

    SymmetricSeries line{plotOf(changes, lineDays(first, last)), 0.0f};
    for (int32_t i = first; i <= int32_t(last) - 1; ++i)
        if (const auto value = changes.read(i))
            widenScale(line.M, *value);
    return line;
}

}   // namespace quotechart::indicators
