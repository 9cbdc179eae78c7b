#include "calc/MACD.h"

#include "calc/Averages.h"
#include "calc/DayValues.h"

#include <algorithm>

namespace quotechart::indicators {

namespace {

std::optional<float> computeAveragesApart(Series closes, Day i, Period faster, Period slower)
{
    const auto fast = CalculateExpMA(closes, i, faster);
    const auto slow = CalculateExpMA(closes, i, slower);
    if (!fast || !slow)
        return std::nullopt;
    return finiteSingle(*fast - *slow);
}

// The gap of a day does not depend on the window: kept for the next one
// (as a double, which holds a single exactly).
class AveragesApart {
public:
    AveragesApart(Series closes, Period faster, Period slower)
        : closes_(closes), faster_(faster), slower_(slower),
          kept_(keptDayValues<struct AveragesApartTag>(closes, faster, slower))
    {}
    std::optional<float> operator()(Day i) const
    {
        const std::optional<double> value =
            kept_->at(i, [&](Day d) -> std::optional<double> {
                const std::optional<float> gap = computeAveragesApart(closes_, d, faster_, slower_);
                return gap ? std::optional<double>(*gap) : std::nullopt;
            });
        return value ? std::optional<float>(float(*value)) : std::nullopt;
    }

private:
    Series closes_;
    Period faster_, slower_;
    std::shared_ptr<DayValues> kept_;
};

// The stored MACD values and the largest of them in absolute value: a day
// that cannot be computed or stored keeps 0 and leaves M alone.
float fillMACD(WorkSeries &macd, Series closes, Day first, Day last, Period P1, Period P2, Period P3)
{
    float M = 0.0f;
    const AveragesApart averagesApart(closes, P1, P2);
    // When last + P3 overflows 16 bits the loop does not run.
    const auto oldest = dayPlus(last, P3);
    for (int32_t i = first; oldest && i <= std::min<int32_t>(*oldest, macd.capacity()); ++i) {
        const auto value = averagesApart(Day(i));
        if (value && macd.store(i, *value))
            widenScale(M, *value);
    }
    return M;
}

PlotSeries divergenceBars(const WorkSeries &macd, const PlotSeries &signal, Day first, Day last)
{
    return plotEach(barDays(first, last), [&](Day day) -> std::optional<float> {
        // The pane kept the signal in a variable while stepping from the
        // oldest day to the newest. A signal fails on every day (no window)
        // or where its window leaves the work series, at the oldest days,
        // before any success: the variable still held its initial 0 there.
        const auto value = macd.read(day);
        if (!value)
            return std::nullopt;
        return finiteSingle(*value - float(signal.at(day).value_or(0.0)));
    });
}

}   // namespace

MACDLines macdLines(Series closes, Day first, Day last, Period P1, Period P2, Period P3)
{
    WorkSeries macd;
    MACDLines lines;
    lines.M = fillMACD(macd, closes, first, last, P1, P2, P3);
    lines.macd = plotOf(macd, lineDays(first, last));
    lines.signal = plotEach(lineDays(first, last), [&](Day day) { return CalculateExpMA(macd.view(), day, P3); });
    lines.divergence = divergenceBars(macd, lines.signal, first, last);
    return lines;
}

SymmetricSeries expMADifferenceBars(Series closes, Day first, Day last, Period E1, Period E2)
{
    SymmetricSeries bars;
    const AveragesApart averagesApart(closes, E1, E2);
    bars.values = plotEach(barDays(first, last), [&](Day day) {
        const float value = averagesApart(day).value_or(0.0f);
        widenScale(bars.M, value);
        return std::optional<float>(value);
    });
    return bars;
}

}   // namespace quotechart::indicators
