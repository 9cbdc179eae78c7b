#pragma once
// What a pane draws for one curve or one set of bars: a value per day over a
// range of days, or no point where the value has no work-series slot or its
// day cannot be formed in 16 bits. The pane only maps points to pixels.
//
// A line joins day i + 1 to day i for every visible day i, so it carries a
// point one day beyond the oldest visible day; bars carry the visible days.
// Values are doubles so the RSI keeps its precision; the others are singles.

#include "calc/WorkSeries.h"

#include <cmath>
#include <limits>
#include <vector>

namespace quotechart::indicators {

class PlotSeries {
public:
    PlotSeries() = default;
    PlotSeries(int32_t from, int32_t to);   // empty when to < from

    int32_t from() const { return from_; }
    int32_t to() const { return from_ + int32_t(points_.size()) - 1; }
    std::optional<double> at(int32_t day) const;   // none outside from .. to
    void set(int32_t day, double value);           // ignored outside from .. to

private:
    int32_t from_ = 1;
    std::vector<std::optional<double>> points_;
};

struct DayRange {
    int32_t from;
    int32_t to;
};

// first .. last + 1 for a line, first .. last for bars.
inline DayRange lineDays(Day first, Day last) { return {first, int32_t(last) + 1}; }
inline DayRange barDays(Day first, Day last) { return {first, last}; }

// The points of a work series: none where the day has no slot.
PlotSeries plotOf(const WorkSeries &series, DayRange days);

// The values of a pane on the scale symmetric around zero, and M, the largest
// absolute value that scale spans; M = 0 puts every value on the zero line.
struct SymmetricSeries {
    PlotSeries values;
    float M = 0.0f;
};

// M starts at 0 and grows only on a strictly larger absolute value.
inline void widenScale(float &M, float value)
{
    if (std::fabs(value) > M)
        M = std::fabs(value);
}

// Points computed day by day; valueOf(Day) returns an optional value.
template <typename ValueOf> PlotSeries plotEach(DayRange days, ValueOf valueOf)
{
    PlotSeries plot(days.from, days.to);
    const int32_t to = std::min<int32_t>(days.to, std::numeric_limits<Day>::max());
    for (int32_t day = days.from; day <= to; ++day)
        if (const auto value = valueOf(Day(day)))
            plot.set(day, *value);
    return plot;
}

}   // namespace quotechart::indicators
