#pragma once
// Relative strength index: N closes, N - 1 day-to-day changes, smoothed in
// the Wilder manner from a zero seed, in double precision.

#include "calc/PlotSeries.h"

namespace quotechart::indicators {

// RSI at day i over closes(i .. i + N - 1). No value when the window has no
// losing day (L(N) = 0, which includes N = 1), when N is below 1, or when a
// close cannot be read.
std::optional<double> CalculateRSI(Series closes, Day i, Period N);

// The RSI line over first .. last + 1. A day without an RSI value is drawn as
// 0; days above the work-series capacity draw too, as RSI keeps no series.
PlotSeries rsiLine(Series closes, Day first, Day last, Period N);

}   // namespace quotechart::indicators
