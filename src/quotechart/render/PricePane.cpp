#include "render/PricePane.h"

#include "platform/SurfaceRegion.h"
#include "quotechart/ControlError.h"
#include "render/Overlays.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"

namespace quotechart {

const PricePaneLook ScreenPriceLook{
    {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(0, 128, 255)}, std::nullopt, true, true};

namespace {

void drawDays(platform::SurfaceRegion &pane, const PriceChartView &view, const DrawingSwitches &on,
              const PricePaneLook &look)
{
    try {
        // The close line wins over the price style, as it wins over the bars.
        on.high_low_close_flag ? drawPriceBars(pane, view, DayLook{on.price_style, look.candles})
                               : drawCloseLine(pane, view);
    } catch (const ControlError &) {
        if (look.failingBarEndsPane)
            throw;
    }
}

void drawAverages(platform::SurfaceRegion &pane, const PriceChartView &view, const DrawingSwitches &on,
                  int16_t customPeriod, const PricePaneLook &look)
{
    const std::pair<bool, int16_t> averages[] = {
        {on.ma10_flag, 10}, {on.ma50_flag, 50}, {on.ma200_flag, 200}, {on.macustom_flag, customPeriod}};
    for (std::size_t i = 0; i < std::size(averages); ++i) {
        if (!averages[i].first)
            continue;
        if (look.averageWidth)
            pane.setDrawWidth(*look.averageWidth);
        drawMovingAverage(pane, view, averages[i].second, look.averageColours[i]);
        if (look.averageWidth)
            pane.setDrawWidth(1);
    }
}

}   // namespace

void drawPricePane(platform::SurfaceRegion &pane, const PriceChartView &view, const DrawingSwitches &on,
                   const OverlayParameters &parameters, const PricePaneLook &look)
{
    if (on.hide_chart_flag)
        return;
    pane.setForeColor(Qt::black);
    drawDays(pane, view, on, look);
    drawAverages(pane, view, on, parameters.custom_ma_period, look);
    if (look.envelopesAndBands) {
        if (on.envelopes_flag)
            drawEnvelopes(pane, view, parameters.envelope_period, parameters.envelope_percent);
        if (on.bollinger_flag)
            drawBollingerBands(pane, view, parameters.bollinger_period, parameters.bollinger_width);
    }
    pane.setForeColor(Qt::black);
}

}   // namespace quotechart
