#pragma once
// Everything the indicator panes compute before they draw. Each pane routine
// calls one function here with its series, the visible range first .. last
// and its periods, and maps the points it gets to pixels:
//   RSI                 rsiLine                  (fixed 0..100 scale)
//   Fast / Slow Stoch.  fastStochasticLines, slowStochasticLines
//   MACD                macdLines                (symmetric scale, M)
//   Exp. MA Difference  expMADifferenceBars      (symmetric scale, M)
//   Momentum            momentumBars             (symmetric scale, M)
//   Volatility          volatilityLine           (symmetric scale, M)
//   On Balance Volume   onBalanceVolumeBars      (symmetric scale, M)
//   Money Flow Index    moneyFlowIndexLine       (fixed 0..100 scale)
//   Volume              GetMaximumValue of the volumes, bars from the volumes
// A line is drawn for i = last down to first as the segment from day i + 1 to
// day i, where both ends have a point; a bar at day i where it has a point.

#include "calc/Averages.h"
#include "calc/MACD.h"
#include "calc/MomentumVolatility.h"
#include "calc/PlotSeries.h"
#include "calc/RSI.h"
#include "calc/Stochastics.h"
#include "calc/VolumeIndicators.h"
#include "calc/WindowFunctions.h"
