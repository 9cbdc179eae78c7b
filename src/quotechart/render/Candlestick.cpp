#include "render/Candlestick.h"

#include "platform/SurfaceRegion.h"

namespace quotechart {

void drawCandlestick(platform::SurfaceRegion &pane, double x, double slot, const DayYs &day, const QColor &colour)
{
    pane.line(x, day.low, x, day.high, colour);
    if (day.open) {
        const double reach = CandleBodyReach * slot;
        pane.fillBox(x - reach, *day.open, x + reach, day.close, colour);
    }
}

}   // namespace quotechart
