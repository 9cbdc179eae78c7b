#pragma once
// Momentum and volatility: how far the close moved over N days, and how the
// averaged daily range changed over V2 days.

#include "calc/PlotSeries.h"

namespace quotechart::indicators {

// Mom(i) = close(i) - close(i + N), a price difference, as bars over
// first .. last (0 where it cannot be computed); M over the same days.
SymmetricSeries momentumBars(Series closes, Day first, Day last, Period N);

// R(i) = high(i) - low(i) for i = first .. last + V1 + V2 + 1;
// A(i) = CalculateExpMA(R, i, V1) from day last + V2 + 1 down to first;
// Vol(i) = (A(i) - A(i + V2)) / A(i + V2), a plain fraction, as a line over
// first .. last + 1. All three are work series: days above 3000 have no
// points, and a Vol whose older averaged range is 0 stays 0. M is the largest
// |Vol| over first .. last - 1: the oldest visible day is left out.
SymmetricSeries volatilityLine(Series highs, Series lows, Day first, Day last, Period V1, Period V2);

}   // namespace quotechart::indicators
