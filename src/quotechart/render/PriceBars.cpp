#include "render/PriceBars.h"

#include "platform/ErrorCodes.h"
#include "platform/SurfaceRegion.h"
#include "quotechart/ControlError.h"
#include "render/PriceChartView.h"

namespace quotechart {

namespace {

void requireDay(int k)
{
    if (k < 1 || k > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
}

void drawBar(platform::SurfaceRegion &pane, const PriceChartView &view, int k, BarStyle style)
{
    const PriceHistory &h = view.history;
    const double x = view.x(k);
    const double high = view.y(h.high_array[k]), low = view.y(h.low_array[k]), close = view.y(h.close_array[k]);
    const double pixelX = pane.twipsPerPixelX(), pixelY = pane.twipsPerPixelY();
    const double slot = view.slotWidth();
    switch (style) {
    case BarStyle::WideOutline:
        pane.box(x - pixelX, low, x + pixelX, high);
        pane.box(x, close - pixelY, x + 0.3 * slot, close);
        break;
    case BarStyle::NarrowOutline:
        pane.box(x - pixelX, low, x, high);
        pane.box(x, close - pixelY, x + 0.3 * slot, close);
        break;
    case BarStyle::PlainLine:
        pane.line(x, low, x, high);
        pane.line(x, close, x + 0.5 * slot, close);
        break;
    }
}

}   // namespace

BarStyle barStyleForSpan(int span)
{
    if (span == 30 || span >= 100)
        return BarStyle::PlainLine;
    return span < 30 ? BarStyle::WideOutline : BarStyle::NarrowOutline;
}

void drawPriceBars(platform::SurfaceRegion &pane, const PriceChartView &view)
{
    const BarStyle style = barStyleForSpan(view.e - view.s);
    for (int k = view.s; k <= view.e; ++k) {
        requireDay(k);
        drawBar(pane, view, k, style);
    }
}

void drawCloseLine(platform::SurfaceRegion &pane, const PriceChartView &view)
{
    const PriceHistory &h = view.history;
    for (int k = view.s; k <= view.e; ++k) {
        requireDay(k);
        if (view.loaded(k + 1))
            pane.line(view.x(k), view.y(h.close_array[k]), view.x(k + 1), view.y(h.close_array[k + 1]));
    }
}

}   // namespace quotechart
