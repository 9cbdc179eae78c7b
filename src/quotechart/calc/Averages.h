#pragma once
// Moving averages shared by the price pane's overlays and the indicator
// panes. Called routines without failure handling of their own: the first
// failing step ends them (no value, or a fill that stops and keeps what it
// stored before).

#include "calc/WorkSeries.h"

namespace quotechart::indicators {

// A one-step exponential average at day i, seeded with the simple average of
// the N days before day i: alpha * series(i) + (1 - alpha) * S with
// alpha = 2 / (N + 1) in single precision and a single-precision result. It
// carries no state from day to day. No value for N below 1.
std::optional<float> CalculateExpMA(Series series, Day i, Period N);

// Fills output(first .. last) with the mean of input(k .. k + period - 1):
// one window summed with each term divided by the period before adding, then
// a running sum (one subtraction and one addition per day), in single
// precision. Output(first) is written even when last < first. Stops at once,
// writing nothing, for a period below 1.
Fill CalculateMA(Series input, WorkSeries &output, Day first, Day last, Period period);

// Fills band(first .. last) with width * sqrt(q / period), q the sum of
// (input(j) - average(j))^2 over j = k .. k + period - 1, period rounded to
// an integer for the window but not for the division. Each close meets the
// average of its own day.
Fill BollingerBands(Series input, Series average, WorkSeries &band, Day first, Day last, float period, float width);

}   // namespace quotechart::indicators
