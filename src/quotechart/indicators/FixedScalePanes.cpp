// The panes on the fixed 0..100 scale: RSI, the fast and slow stochastics
// and the money flow index.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/calc/IndicatorCalculations.h"
#include "platform/Surface.h"

namespace quotechart {

namespace {

const QColor SignalRed(200, 0, 0);
const QColor MoneyFlowColour(178, 0, 178);

// Clears the pane and draws the frame of the 0..100 scale.
PaneFrame fixedScaleFrame(platform::Surface &ruler, platform::Surface &surface, int16_t first, int16_t last)
{
    PaneFrame frame(ruler, surface, first, last);
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

} // namespace

void DisplayRSI(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first, int16_t last,
                int16_t RSI_periods)
{
    PaneFrame frame = fixedScaleFrame(ruler, surface, first, last);
    frame.drawLine(indicators::rsiLine(closes, first, last, RSI_periods), Qt::black);
    frame.drawMarginStrips();
}

void DisplayFastStochastic(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                           Series lows, int16_t first, int16_t last, int16_t FS_periodsK, int16_t FS_periodsD)
{
    PaneFrame frame = fixedScaleFrame(ruler, surface, first, last);
    drawStochastic(frame, indicators::fastStochasticLines(closes, highs, lows, first, last, FS_periodsK, FS_periodsD));
}

void DisplaySlowStochastic(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                           Series lows, int16_t first, int16_t last, int16_t SS_periodsK, int16_t SS_periodsD)
{
    PaneFrame frame = fixedScaleFrame(ruler, surface, first, last);
    drawStochastic(frame, indicators::slowStochasticLines(closes, highs, lows, first, last, SS_periodsK, SS_periodsD));
}

void DisplayMoneyFlow(platform::Surface &ruler, platform::Surface &surface, Series closes, Series highs,
                      Series lows, VolumeSeries volumes, int16_t first, int16_t last, int16_t MoneyFlowperiods)
{
    PaneFrame frame = fixedScaleFrame(ruler, surface, first, last);
    frame.drawLine(indicators::moneyFlowIndexLine(closes, highs, lows, volumes, first, last, MoneyFlowperiods),
                   MoneyFlowColour);
    frame.drawMarginStrips();
}

} // namespace quotechart
