#include "calc/PlotSeries.h"

#include <algorithm>

namespace quotechart::indicators {

PlotSeries::PlotSeries(int32_t from, int32_t to)
    : from_(from), points_(std::size_t(std::max<int32_t>(to - from + 1, 0)))
{}

std::optional<double> PlotSeries::at(int32_t day) const
{
    if (day < from() || day > to())
        return std::nullopt;
    return points_[std::size_t(day - from_)];
}

void PlotSeries::set(int32_t day, double value)
{
    if (day < from() || day > to())
        return;
    points_[std::size_t(day - from_)] = value;
}

PlotSeries plotOf(const WorkSeries &series, DayRange days)
{
    return plotEach(days, [&series](Day day) { return series.read(day); });
}

}   // namespace quotechart::indicators
