#pragma once
// Day-indexed series as the indicator calculations read them.
//
// Index 1 is the newest loaded day, a larger index an older day, slot 0 is
// unused. The chart's per-day arrays and the panes' work series are both read
// through a span, so every routine serves either. Reading outside
// 1 .. size - 1 fails, as an index outside an array did in the old runtime;
// day arithmetic is 16-bit and an overflow fails the same way.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>

namespace quotechart::indicators {

using Day = int16_t;
using Period = int16_t;
using Series = std::span<const float>;
using VolumeSeries = std::span<const int32_t>;

inline std::optional<float> dayValue(Series series, int32_t day)
{
    if (day < 1 || std::size_t(day) >= series.size())
        return std::nullopt;
    return series[std::size_t(day)];
}

inline std::optional<int32_t> dayValue(VolumeSeries volumes, int32_t day)
{
    if (day < 1 || std::size_t(day) >= volumes.size())
        return std::nullopt;
    return volumes[std::size_t(day)];
}

// Whether day `day` has a slot in `series`: a window that reaches past the
// last slot fails at its first read there, so a routine may fail it before
// reading anything, whatever its period.
inline bool hasDay(std::size_t seriesSize, int32_t day) { return day >= 1 && std::size_t(day) < seriesSize; }

// The day `offset` days older than `day` (newer when negative), in 16 bits:
// platform::add16, inline because every window forms its bounds with it.
inline std::optional<Day> dayPlus(int32_t day, int32_t offset)
{
    const int64_t sum = int64_t(day) + offset;
    if (sum < std::numeric_limits<Day>::min() || sum > std::numeric_limits<Day>::max())
        return std::nullopt;
    return Day(sum);
}

// day + a + b + ..., summed left to right in 16 bits as the old expressions
// were: an intermediate overflow fails even where the total would fit.
inline std::optional<Day> daySum(Day day, std::initializer_list<int32_t> offsets)
{
    std::optional<Day> sum = day;
    for (const int32_t offset : offsets)
        if (sum)
            sum = dayPlus(*sum, offset);
    return sum;
}

// A single-precision result that overflowed or is not a number is a failure:
// the old runtime raised an overflow where IEEE arithmetic goes on silently.
inline std::optional<float> finiteSingle(float value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

}   // namespace quotechart::indicators
