#pragma once
// Fast and slow stochastics: %K places the close within the range of the K
// days up to it, %D is the D-day simple average of %K.

#include "calc/PlotSeries.h"

namespace quotechart::indicators {

// Both lines over first .. last + 1, read from their work series: days above
// 3000 have no points. %K where the window's high equals its low stays 0.
struct StochasticLines {
    PlotSeries percentK;
    PlotSeries percentD;
};

// %K(i) = (close(i) - LL) / (HH - LL) * 100 over the K-day window's lowest
// low LL and highest high HH, for i = first .. last + D; %D = CalculateMA of
// %K with D periods over first .. last + 1.
StochasticLines fastStochasticLines(Series closes, Series highs, Series lows, Day first, Day last, Period K, Period D);

// As the fast one with every term averaged over three days: the close as
// close(i)/3 + close(i+1)/3 + close(i+2)/3, LL and HH by GetAverageLowest and
// GetAverageHighest.
StochasticLines slowStochasticLines(Series closes, Series highs, Series lows, Day first, Day last, Period K, Period D);

}   // namespace quotechart::indicators
