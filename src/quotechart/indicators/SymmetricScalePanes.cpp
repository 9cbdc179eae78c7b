// The panes on the scale symmetric around zero: MACD, EMA difference,
// momentum, volatility and on-balance volume. Each finds M, the largest
// absolute value it shows, and labels the ruler with it.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/ValueToLabel.h"
#include "indicators/calc/IndicatorCalculations.h"
#include "platform/NumberFormat.h"
#include "platform/Surface.h"

namespace quotechart {

namespace {

const QColor DivergenceColour(28, 177, 227);
const QColor SignalRed(200, 0, 0);
const QColor DifferenceColour(0, 200, 0);
const QColor MomentumColour(0, 70, 0);
const QColor OBVColour(0, 128, 0);

PaneFrame symmetricScaleFrame(platform::Surface &ruler, platform::Surface &surface, int16_t first, int16_t last,
                              float M)
{
    PaneFrame frame(ruler, surface, first, last);
    frame.clear();
    frame.drawReferenceLines();
    frame.useSymmetricScale(M);
    return frame;
}

QString priceLabel(float M) { return platform::formatNumber(M, u"####0.00"); }

// Bars of a symmetric series with M in the price format on the ruler.
void drawPriceBars(platform::Surface &ruler, platform::Surface &surface, int16_t first, int16_t last,
                   const indicators::SymmetricSeries &series, const QColor &colour)
{
    PaneFrame frame = symmetricScaleFrame(ruler, surface, first, last, series.M);
    frame.drawBars(series.values, colour);
    frame.drawSymmetricRuler(priceLabel(series.M));
    frame.drawMarginStrips();
}

} // namespace

void DisplayMACD(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first, int16_t last,
                 int16_t MACDperiods1, int16_t MACDperiods2, int16_t MACDperiods3)
{
    const indicators::MACDLines lines =
        indicators::macdLines(closes, first, last, MACDperiods1, MACDperiods2, MACDperiods3);
    PaneFrame frame = symmetricScaleFrame(ruler, surface, first, last, lines.M);
    frame.drawBars(lines.divergence, DivergenceColour);
    frame.drawLine(lines.macd, Qt::black);
    frame.drawLine(lines.signal, SignalRed);
    frame.drawSymmetricRuler(priceLabel(lines.M));
    frame.drawMarginStrips();
}

void DisplayExpMADifference(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first,
                            int16_t last, int16_t ExpMAperiods1, int16_t ExpMAperiods2)
{
    drawPriceBars(ruler, surface, first, last,
                  indicators::expMADifferenceBars(closes, first, last, ExpMAperiods1, ExpMAperiods2),
                  DifferenceColour);
}

void DisplayMomentum(platform::Surface &ruler, platform::Surface &surface, Series closes, int16_t first,
                     int16_t last, int16_t Momentumperiods)
{
    drawPriceBars(ruler, surface, first, last, indicators::momentumBars(closes, first, last, Momentumperiods),
                  MomentumColour);
}

void DisplayVolatility(platform::Surface &ruler, platform::Surface &surface, Series highs, Series lows,
                       int16_t first, int16_t last, int16_t Volatilityperiods1, int16_t Volatilityperiods2)
{
    const indicators::SymmetricSeries volatility =
        indicators::volatilityLine(highs, lows, first, last, Volatilityperiods1, Volatilityperiods2);
    PaneFrame frame = symmetricScaleFrame(ruler, surface, first, last, volatility.M);
    frame.drawLine(volatility.values, Qt::black);
    frame.drawSymmetricRuler(priceLabel(volatility.M));
    frame.drawMarginStrips();
}

void DisplayOBV(platform::Surface &ruler, platform::Surface &surface, Series closes, VolumeSeries volumes,
                int16_t first, int16_t last)
{
    const indicators::SymmetricSeries obv = indicators::onBalanceVolumeBars(closes, volumes, first, last);
    PaneFrame frame = symmetricScaleFrame(ruler, surface, first, last, obv.M);
    // With M = 0 every value is 0 and there is nothing to scale: no bars, as
    // the other symmetric panes show nothing off the zero line.
    if (obv.M != 0)
        frame.drawBars(obv.values, OBVColour);
    frame.drawSymmetricRuler(ValueToLabel(obv.M));
    frame.drawMarginStrips();
}

} // namespace quotechart
