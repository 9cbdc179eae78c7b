#include "calc/WindowFunctions.h"

#include <cmath>
#include <functional>

namespace quotechart::indicators {

namespace {

// Starts from series(i) and replaces it only by a value that `better` prefers.
template <typename Better> std::optional<float> windowExtreme(Series series, Day i, Period N, Better better)
{
    std::optional<float> extreme = dayValue(series, i);
    if (!extreme || N <= 1)
        return extreme;
    const auto oldest = dayPlus(i, N - 1);
    if (!oldest || !hasDay(series.size(), *oldest))
        return std::nullopt;
    // Day i read, the oldest day has a slot: so has every day between.
    float best = *extreme;
    for (int32_t j = i + 1; j <= *oldest; ++j) {
        const float value = series[std::size_t(j)];
        if (better(value, best))
            best = value;
    }
    return best;
}

using WindowFunction = std::optional<float> (*)(Series, Day, Period);

std::optional<float> averageOfThreeWindows(Series series, Day i, Period N, WindowFunction window)
{
    float sum = 0.0f;
    for (int32_t offset = 0; offset < 3; ++offset) {
        const auto day = dayPlus(i, offset);
        const auto term = day ? window(series, *day, N) : std::nullopt;
        if (!term)
            return std::nullopt;
        sum += *term / 3.0f;
    }
    return finiteSingle(sum);
}

// Largest of valueOf(from .. to), replaced only by a strictly larger value.
template <typename ValueOf> std::optional<float> largestOver(Day from, Day to, ValueOf valueOf)
{
    if (to < from)
        return std::nullopt;
    std::optional<float> largest = valueOf(from);
    for (int32_t day = from + 1; largest && day <= to; ++day) {
        const auto value = valueOf(Day(day));
        if (!value)
            return std::nullopt;
        if (*value > *largest)
            largest = value;
    }
    return largest;
}

}   // namespace

std::optional<float> GetLowestValue(Series series, Day i, Period N)
{
    return windowExtreme(series, i, N, std::less<float>());
}

std::optional<float> GetHighestValue(Series series, Day i, Period N)
{
    return windowExtreme(series, i, N, std::greater<float>());
}

std::optional<float> GetAverageLowest(Series series, Day i, Period N)
{
    return averageOfThreeWindows(series, i, N, &GetLowestValue);
}

std::optional<float> GetAverageHighest(Series series, Day i, Period N)
{
    return averageOfThreeWindows(series, i, N, &GetHighestValue);
}

std::optional<float> GetMaximumAbsValue(Series series, Day from, Day to)
{
    return largestOver(from, to, [series](Day day) -> std::optional<float> {
        const auto value = dayValue(series, day);
        if (!value)
            return std::nullopt;
        return std::fabs(*value);
    });
}

std::optional<float> GetMaximumValue(Series series, Day from, Day to)
{
    return largestOver(from, to, [series](Day day) { return dayValue(series, day); });
}

std::optional<float> GetMaximumValue(VolumeSeries volumes, Day from, Day to)
{
    return largestOver(from, to, [volumes](Day day) -> std::optional<float> {
        const auto volume = dayValue(volumes, day);
        if (!volume)
            return std::nullopt;
        return float(*volume);
    });
}

}   // namespace quotechart::indicators
