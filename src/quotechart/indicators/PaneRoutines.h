#pragma once
// The ten indicator panes. Each draws one indicator for the visible days
// first (newest) .. last (oldest) into a pane surface and its ruler strip,
// from the chart's own day arrays and the pane's periods.

#include "indicators/calc/Series.h"

#include <cstdint>

namespace platform {
class Surface;
}

namespace quotechart {

using indicators::Series;
using indicators::VolumeSeries;

void DisplayVolume(platform::Surface &ruler, platform::Surface &surface, VolumeSeries volumes, int16_t first,
                   int16_t last);
void DisplayRSI(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first, int16_t last,
                int16_t RSI_periods);
void DisplayFastStochastic(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                           Series lows, int16_t first, int16_t last, int16_t FS_periodsK, int16_t FS_periodsD);
void DisplaySlowStochastic(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                           Series lows, int16_t first, int16_t last, int16_t SS_periodsK, int16_t SS_periodsD);
void DisplayMACD(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first, int16_t last,
                 int16_t MACDperiods1, int16_t MACDperiods2, int16_t MACDperiods3);
void DisplayExpMADifference(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first,
                            int16_t last, int16_t ExpMAperiods1, int16_t ExpMAperiods2);
void DisplayMomentum(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first,
                     int16_t last, int16_t Momentumperiods);
void DisplayVolatility(platform::Surface &ruler, platform::Surface &surface, Series highs, Series lows,
                       int16_t first, int16_t last, int16_t Volatilityperiods1, int16_t Volatilityperiods2);
void DisplayOBV(platform::Surface &ruler, platform::Surface &surface, Series closes, VolumeSeries volumes,
                int16_t first, int16_t last);
void DisplayMoneyFlow(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                      Series lows, VolumeSeries volumes, int16_t first, int16_t last, int16_t MoneyFlowperiods);

} // namespace quotechart
