// The panes on the scale symmetric around zero: MACD, EMA difference,
// momentum, volatility and on-balance volume. Each finds M, the largest
// absolute value it shows, and labels the ruler with it.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/SeriesColours.h"
#include "indicators/ValueToLabel.h"
#include "calc/IndicatorCalculations.h"
#include "calc/SeriesMemo.h"
#include "platform/SurfaceRegion.h"

namespace quotechart {

namespace {

PaneFrame symmetricScaleFrame(const PaneTarget &target, int16_t first, int16_t last, float M)
{
    PaneFrame frame(target, first, last);
    frame.clear();
    frame.drawReferenceLines();
    frame.useSymmetricScale(M);
    return frame;
}

// Bars of a symmetric series with M labelled as a value on the ruler.
void drawPriceBars(const PaneTarget &target, int16_t first, int16_t last, const indicators::SymmetricSeries &series,
                   const QColor &colour)
{
    PaneFrame frame = symmetricScaleFrame(target, first, last, series.M);
    frame.drawBars(series.values, colour);
    frame.drawSymmetricRuler(frame.valueLabel(series.M));
    frame.drawMarginStrips();
}

}   // namespace

void DisplayMACD(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last, const PaneSettings &p)
{
    const indicators::MACDLines lines =
        indicators::keptResult<indicators::macdLines>(h.close_array, first, last, p.MACDperiods1,
                                                      p.MACDperiods2, p.MACDperiods3);
    PaneFrame frame = symmetricScaleFrame(target, first, last, lines.M);
    frame.drawBars(lines.divergence, DivergenceColour);
    frame.drawLine(lines.macd, Qt::black);
    frame.drawLine(lines.signal, SignalRed);
    frame.drawSymmetricRuler(frame.valueLabel(lines.M));
    frame.drawMarginStrips();
}

void DisplayExpMADifference(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                            const PaneSettings &p)
{
    drawPriceBars(target, first, last,
                  indicators::keptResult<indicators::expMADifferenceBars>(h.close_array, first, last, p.ExpMAperiods1,
                                                                          p.ExpMAperiods2),
                  DifferenceColour);
}

void DisplayMomentum(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                     const PaneSettings &p)
{
    drawPriceBars(target, first, last, indicators::keptResult<indicators::momentumBars>(h.close_array, first, last, p.Momentumperiods),
                  MomentumColour);
}

void DisplayVolatility(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last,
                       const PaneSettings &p)
{
    const indicators::SymmetricSeries volatility =
        indicators::keptResult<indicators::volatilityLine>(h.high_array, h.low_array, first, last,
                                                           p.Volatilityperiods1, p.Volatilityperiods2);
    PaneFrame frame = symmetricScaleFrame(target, first, last, volatility.M);
    frame.drawLine(volatility.values, Qt::black);
    frame.drawSymmetricRuler(frame.valueLabel(volatility.M));
    frame.drawMarginStrips();
}

void DisplayOBV(const PaneTarget &target, const PriceHistory &h, int16_t first, int16_t last, const PaneSettings &)
{
    const indicators::SymmetricSeries obv = indicators::keptResult<indicators::onBalanceVolumeBars>(h.close_array, h.volume_array, first, last);
    PaneFrame frame = symmetricScaleFrame(target, first, last, obv.M);
    // With M = 0 every value is 0 and there is nothing to scale: no bars, as
    // the other symmetric panes show nothing off the zero line.
    if (obv.M != 0)
        frame.drawBars(obv.values, OBVColour);
    frame.drawSymmetricRuler(ValueToLabel(obv.M));
    frame.drawMarginStrips();
}

}   // namespace quotechart
