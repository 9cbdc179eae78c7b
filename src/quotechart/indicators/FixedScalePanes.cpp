// The panes on the fixed 0..100 scale: RSI, the fast and slow stochastics
// and the money flow index.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/SeriesColours.h"
#include "calc/IndicatorCalculations.h"
#include "calc/SeriesMemo.h"
#include "platform/SurfaceRegion.h"

namespace quotechart {

namespace {

// Clears the pane and draws the frame of the 0..100 scale.
PaneFrame fixedScaleFrame(const PaneTarget &target, int16_t first, int16_t last)
{
    PaneFrame frame(target, first, last);
    frame.clear();
    frame.drawReferenceLines();
    frame.drawFixedRuler();
    frame.useFixedScale();
    return frame;
}

void drawStochastic(PaneFrame &frame, const indicators::StochasticLines &lines)
{
    frame.drawLine(lines.percentK, Qt::black);
    frame.drawLine(lines.percentD, SignalRed);
    frame.drawMarginStrips();
}

}   // namespace

void DisplayRSI(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last, const PaneSettings &p)
{
    PaneFrame frame = fixedScaleFrame(target, first, last);
    frame.drawLine(indicators::keptResult<indicators::rsiLine>(h.close_array, first, last, p.RSI_periods), Qt::black);
    frame.drawMarginStrips();
}

void DisplayFastStochastic(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                           const PaneSettings &p)
{
    PaneFrame frame = fixedScaleFrame(target, first, last);
    drawStochastic(frame,
                   indicators::keptResult<indicators::fastStochasticLines>(h.close_array, h.high_array, h.low_array, first,
                                                                            last, p.FS_periodsK, p.FS_periodsD));
}

void DisplaySlowStochastic(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                           const PaneSettings &p)
{
    PaneFrame frame = fixedScaleFrame(target, first, last);
    drawStochastic(frame,
                   indicators::keptResult<indicators::slowStochasticLines>(h.close_array, h.high_array, h.low_array, first,
                                                                            last, p.SS_periodsK, p.SS_periodsD));
}

void DisplayMoneyFlow(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                      const PaneSettings &p)
{
    PaneFrame frame = fixedScaleFrame(target, first, last);
    frame.drawLine(indicators::keptResult<indicators::moneyFlowIndexLine>(h.close_array, h.high_array, h.low_array,
                                                                           h.volume_array, first, last, p.MoneyFlowperiods),
                   MoneyFlowColour);
    frame.drawMarginStrips();
}

}   // namespace quotechart
