#pragma once
// The price pane's content, composed once for the screen and the paper: the
// days in the price style (or the close line), then the overlays the switches
// name. The two differ only in their look: the screen draws every overlay in
// thin lines, the paper the moving averages alone, two pixels wide, in its own
// colours.

#include "document/ChartDocument.h"
#include "document/OverlayParameters.h"
#include "document/CandleColours.h"

#include <QColor>

#include <array>
#include <optional>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PriceChartView;

struct PricePaneLook {
    std::array<QColor, 4> averageColours;   // 10, 50 and 200 days, the custom period
    std::optional<int> averageWidth;        // pixels; none: the pane's pen as it is
    bool envelopesAndBands;                 // drawn when switched on
    // A day outside the arrays ends the whole drawing and reaches the caller
    // (the screen), or ends only the bars (the paper).
    bool failingBarEndsPane;
    CandleColours candles = {};   // the chart's, from its settings store
};

// The screen's look, with the default candlestick colours.
extern const PricePaneLook ScreenPriceLook;

// Nothing at all while the price drawing is suppressed. The pane's fore
// colour is black afterwards.
void drawPricePane(platform::SurfaceRegion &pane, const PriceChartView &view, const DrawingSwitches &on,
                   const OverlayParameters &parameters, const PricePaneLook &look);

}   // namespace quotechart
