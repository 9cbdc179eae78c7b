#include "calc/VolumeIndicators.h"

#include "calc/WindowFunctions.h"
#include "platform/Rounding.h"

#include <algorithm>

namespace quotechart::indicators {

namespace {

// OBV(i) from OBV(i + 1), summed in double as single plus long was, then
// narrowed to single.
std::optional<float> nextBalance(const WorkSeries &obv, Series closes, VolumeSeries volumes, Day i)
{
    const auto older = dayPlus(i, 1);
    const auto balance = older ? obv.read(*older) : std::nullopt;
    const auto close = dayValue(closes, i);
    const auto previousClose = older ? dayValue(closes, *older) : std::nullopt;
    const auto volume = dayValue(volumes, i);
    if (!balance || !close || !previousClose || !volume)
        return std::nullopt;
    if (*close > *previousClose)
        return platform::toSingle(double(*balance) + *volume);
    if (*close < *previousClose)
        return platform::toSingle(double(*balance) - *volume);
    return *balance;
}

std::optional<float> moneyFlowAt(Series closes, Series highs, Series lows, VolumeSeries volumes, Day i)
{
    const auto close = dayValue(closes, i);
    const auto high = dayValue(highs, i);
    const auto low = dayValue(lows, i);
    const auto volume = dayValue(volumes, i);
    if (!close || !high || !low || !volume)
        return std::nullopt;
    const auto typicalSum = finiteSingle(*close + *high + *low);
    return typicalSum ? platform::toSingle(double(*typicalSum) * *volume / 3.0) : std::nullopt;
}

// Positive and negative flow over a run of days, added from the newest. The
// sums of a run that starts where the last one started and ends no earlier
// carry on from the last, adding in the same order and so giving the same
// singles: every window that starts before day 1 starts there in effect, and
// a period of tens of thousands of days costs one pass, not one per day.
class FlowSums {
public:
    void over(const WorkSeries &flows, int32_t from, int32_t to)
    {
        if (from != from_ || to < to_) {
            from_ = from;
            to_ = from - 1;
            positive = negative = 0.0f;
        }
        for (int32_t j = to_ + 1; j <= to; ++j) {
            const auto flow = flows.read(j);
            const auto before = flows.read(j + 1);
            if (!flow || !before)
                continue;
            if (*flow >= *before)
                positive += *flow;
            else
                negative += *flow;
        }
        to_ = std::max(to_, to);
    }

    float positive = 0.0f;
    float negative = 0.0f;

private:
    int32_t from_ = 0;
    int32_t to_ = -1;
};

// Positive and negative flow over days i .. i + N. A comparison that reads
// past the work series is skipped, so the sums end at the last day that has
// an older neighbour and start at day 1 at the earliest; when i + N overflows
// 16 bits nothing is added and both stay 0.
std::optional<float> moneyFlowIndexAt(const WorkSeries &flows, FlowSums &sums, Day i, Period N)
{
    const auto oldest = dayPlus(i, N);
    const int32_t last = oldest ? std::min<int32_t>(*oldest, int32_t(flows.capacity()) - 1) : int32_t(i) - 1;
    sums.over(flows, std::max<int32_t>(i, 1), last);
    const float positive = sums.positive, negative = sums.negative;
    const auto ratio = platform::divide(positive, negative);
    const auto relative = ratio ? platform::divide(100.0f, 1.0f + *ratio) : std::nullopt;
    return relative ? finiteSingle(100.0f - *relative) : std::nullopt;
}

}   // namespace

SymmetricSeries onBalanceVolumeBars(Series closes, VolumeSeries volumes, Day first, Day last)
{
    WorkSeries obv;
    obv.store(last, 0.0f);
    for (int32_t i = int32_t(last) - 1; i >= first; --i)
        if (const auto balance = nextBalance(obv, closes, volumes, Day(i)))
            obv.store(i, *balance);

    // The scale covers the visible days that have a slot: over all of them,
    // one visible day above 3000 failed the whole maximum and left M at 0.
    const Day from = std::max<Day>(first, 1);
    const Day to = std::min<Day>(last, obv.capacity());
    return {plotOf(obv, barDays(first, last)), GetMaximumAbsValue(obv.view(), from, to).value_or(0.0f)};
}

PlotSeries moneyFlowIndexLine(Series closes, Series highs, Series lows, VolumeSeries volumes, Day first, Day last,
                              Period N)
{
    WorkSeries flows;
    WorkSeries index;
    // A loop whose bound overflows 16 bits does not run; days past the work
    // series have nowhere to go.
    const auto flowOldest = daySum(last, {N, 1});
    for (int32_t i = first; flowOldest && i <= std::min<int32_t>(*flowOldest, flows.capacity()); ++i)
        if (const auto flow = moneyFlowAt(closes, highs, lows, volumes, Day(i)))
            flows.store(i, *flow);
    const auto indexOldest = dayPlus(last, 1);
    FlowSums sums;
    for (int32_t i = first; indexOldest && i <= std::min<int32_t>(*indexOldest, index.capacity()); ++i)
        if (const auto value = moneyFlowIndexAt(flows, sums, Day(i), N))
            index.store(i, *value);
    return plotOf(index, lineDays(first, last));
}

}   // namespace quotechart::indicators
