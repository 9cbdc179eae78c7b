#include "calc/Averages.h"

#include "platform/Rounding.h"

#include <cmath>

namespace quotechart::indicators {

namespace {

// series(from .. to) summed with each term divided by `divisor` first.
std::optional<float> sumOfShares(Series series, int32_t from, int32_t to, float divisor)
{
    if (from <= to && !hasDay(series.size(), to))
        return std::nullopt;
    float sum = 0.0f;
    for (int32_t day = from; day <= to; ++day) {
        const auto value = dayValue(series, day);
        const auto share = value ? platform::divide(*value, divisor) : std::nullopt;
        if (!share)
            return std::nullopt;
        sum += *share;
    }
    return finiteSingle(sum);
}

// The simple average of the N days before day i, series(i + 1 .. i + N).
std::optional<double> averageBefore(Series series, Day i, Period N)
{
    const auto newest = dayPlus(i, 1);
    const auto oldest = dayPlus(i, N);
    // A window whose ends have slots has them for every day between.
    if (!newest || !oldest || (*newest <= *oldest && (*newest < 1 || !hasDay(series.size(), *oldest))))
        return std::nullopt;
    double sum = 0.0;
    for (int32_t day = *newest; day <= *oldest; ++day)
        sum += series[std::size_t(day)];
    return platform::divide(sum, double(N));
}

std::optional<float> squaredDeviations(Series input, Series average, int32_t from, int32_t to)
{
    if (from <= to && (!hasDay(input.size(), to) || !hasDay(average.size(), to)))
        return std::nullopt;
    float q = 0.0f;
    for (int32_t day = from; day <= to; ++day) {
        const auto close = dayValue(input, day);
        const auto mean = dayValue(average, day);
        if (!close || !mean)
            return std::nullopt;
        const float deviation = *close - *mean;
        q += deviation * deviation;
    }
    return finiteSingle(q);
}

}   // namespace

std::optional<float> CalculateExpMA(Series series, Day i, Period N)
{
    // A window of fewer than one day has no average (the old code divided by
    // zero at N = 0 and -1 and mixed in nonsense weights below).
    if (N < 1)
        return std::nullopt;
    const auto divisor = dayPlus(N, 1);
    const auto alpha = divisor ? platform::toSingle(2.0 / *divisor) : std::nullopt;
    const auto today = dayValue(series, i);
    const auto seed = averageBefore(series, i, N);
    if (!alpha || !today || !seed)
        return std::nullopt;
    // The seed and the blend are rounded to single once, at the end: with a
    // single rounding per step a constant series came out a last bit off its
    // own value, and a flat close drew MACD noise across the whole pane
    // instead of the zero line.
    const double weight = *alpha;
    return platform::toSingle(weight * *today + (1.0 - weight) * *seed);
}

Fill CalculateMA(Series input, WorkSeries &output, Day first, Day last, Period period)
{
    // A period below 1 has no average: 0 divided by zero at the first term,
    // and a negative one ran the running sum off an empty window.
    if (period < 1)
        return Fill::Stopped;
    const float divisor = float(period);
    const auto oldest = dayPlus(first, period - 1);
    const auto sum = oldest ? sumOfShares(input, first, *oldest, divisor) : std::nullopt;
    if (!sum || !output.store(first, *sum))
        return Fill::Stopped;
    float average = *sum;
    for (int32_t k = first + 1; k <= last; ++k) {
        const auto entering = dayPlus(k, period - 1);
        const auto leavingValue = dayValue(input, k - 1);
        const auto enteringValue = entering ? dayValue(input, *entering) : std::nullopt;
        if (!leavingValue || !enteringValue)
            return Fill::Stopped;
        const auto next = finiteSingle(average - *leavingValue / divisor + *enteringValue / divisor);
        if (!next || !output.store(k, *next))
            return Fill::Stopped;
        average = *next;
    }
    return Fill::Complete;
}

Fill BollingerBands(Series input, Series average, WorkSeries &band, Day first, Day last, float period, float width)
{
    const auto days = platform::toInt16(period);
    if (!days)
        return Fill::Stopped;
    for (int32_t k = first; k <= last; ++k) {
        const auto oldest = dayPlus(k, *days - 1);
        const auto q = oldest ? squaredDeviations(input, average, k, *oldest) : std::nullopt;
        const auto variance = q ? platform::divide(*q, period) : std::nullopt;
        // A negative variance (negative period) has no square root.
        const auto value = variance && *variance >= 0.0f
            ? platform::toSingle(double(width) * std::sqrt(double(*variance)))
            : std::nullopt;
        if (!value || !band.store(k, *value))
            return Fill::Stopped;
    }
    return Fill::Complete;
}

}   // namespace quotechart::indicators
