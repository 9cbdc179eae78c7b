#pragma once
// The indicators that weigh volume: on-balance volume and the money flow
// index.

#include "calc/PlotSeries.h"

namespace quotechart::indicators {

// OBV anchored at the oldest visible day: OBV(last) = 0, then towards the
// newest day OBV(i) = OBV(i + 1) plus volume(i) on a higher close, minus it on
// a lower one, unchanged on an equal one. Bars over first .. last from the
// work series (days above 3000 have none); M is the largest |OBV| over the
// visible days that have a slot.
SymmetricSeries onBalanceVolumeBars(Series closes, VolumeSeries volumes, Day first, Day last);

// MF(i) = (close + high + low) * volume / 3 for i = first .. last + N + 1;
// MFI(i) = 100 - 100 / (1 + positive / negative) over the flows of days
// i .. i + N, each compared with the flow of the day before it (a tie counts
// as positive). A line over first .. last + 1 from the work series; MFI stays
// 0 at a day without negative flow.
PlotSeries moneyFlowIndexLine(Series closes, Series highs, Series lows, VolumeSeries volumes, Day first, Day last,
                              Period N);

}   // namespace quotechart::indicators
