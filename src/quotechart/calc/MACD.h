#pragma once
// The two oscillators made of exponential averages of the closes: MACD with
// its signal line and divergence, and the EMA difference.

#include "calc/PlotSeries.h"

namespace quotechart::indicators {

struct MACDLines {
    PlotSeries macd;         // line over first .. last + 1, from the work series
    PlotSeries signal;       // line over first .. last + 1
    PlotSeries divergence;   // bars over first .. last
    float M = 0.0f;          // largest |MACD| over first .. last + P3
};

// MACD(i) = CalculateExpMA(closes, i, P1) - CalculateExpMA(closes, i, P2) for
// i = first .. last + P3 into a work series; Signal(i) = CalculateExpMA of
// that series at i with P3; divergence = MACD(i) - Signal(i). Days above 3000
// have no MACD points and no divergence bars; a signal that reads past the
// work series has no point, and counts as 0 in the divergence.
MACDLines macdLines(Series closes, Day first, Day last, Period P1, Period P2, Period P3);

// Diff(i) = CalculateExpMA(closes, i, E1) - CalculateExpMA(closes, i, E2) as
// bars over first .. last (0 where it cannot be computed); M over the same days.
SymmetricSeries expMADifferenceBars(Series closes, Day first, Day last, Period E1, Period E2);

}   // namespace quotechart::indicators
