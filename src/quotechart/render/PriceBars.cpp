#include "render/PriceBars.h"

#include "platform/ErrorCodes.h"
#include "platform/SurfaceRegion.h"
#include "quotechart/ControlError.h"
#include "render/PriceChartView.h"

#include <QLineF>
#include <QPointF>

#include <algorithm>
#include <vector>

namespace quotechart {

namespace {

void requireDay(int k)
{
    if (k < 1 || k > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
}

// The last day of s .. e that has a place in the arrays: a day-by-day walk
// draws up to it and fails with ControlError at the next (at s itself when
// s has none).
int lastDrawnDay(const PriceChartView &view)
{
    if (view.e < view.s)
        return view.s - 1;
    requireDay(view.s);
    return std::min<int>(view.e, PriceHistory::capacity);
}

void requireLastDay(const PriceChartView &view)
{
    if (view.e >= view.s)
        requireDay(view.e);
}

void drawOutlinedBar(platform::SurfaceRegion &pane, const PriceChartView &view, int k, BarStyle style)
{
    const PriceHistory &h = view.history;
    const double x = view.x(k);
    const double high = view.y(h.high_array[k]), low = view.y(h.low_array[k]), close = view.y(h.close_array[k]);
    const double pixelX = pane.twipsPerPixelX(), pixelY = pane.twipsPerPixelY();
    pane.box(x - pixelX, low, style == BarStyle::WideOutline ? x + pixelX : x, high);
    pane.box(x, close - pixelY, x + 0.3 * view.slotWidth(), close);
}

// The plain bars of many days in one batch: a line from low to high and a
// close mark half a slot long.
void drawPlainBars(platform::SurfaceRegion &pane, const PriceChartView &view, int last)
{
    const PriceHistory &h = view.history;
    const double mark = 0.5 * view.slotWidth();
    std::vector<QLineF> lines;
    lines.reserve(std::size_t(std::max(0, 2 * (last - view.s + 1))));
    for (int k = view.s; k <= last; ++k) {
        const double x = view.x(k), close = view.y(h.close_array[k]);
        lines.emplace_back(x, view.y(h.low_array[k]), x, view.y(h.high_array[k]));
        lines.emplace_back(x, close, x + mark, close);
    }
    pane.lines(lines);
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
    const int last = lastDrawnDay(view);
    if (style == BarStyle::PlainLine) {
        drawPlainBars(pane, view, last);
    } else {
        for (int k = view.s; k <= last; ++k)
            drawOutlinedBar(pane, view, k, style);
    }
    requireLastDay(view);
}

void drawCloseLine(platform::SurfaceRegion &pane, const PriceChartView &view)
{
    // Day k joins day k + 1 while that one is loaded: one line from day s.
    const PriceHistory &h = view.history;
    const int last = lastDrawnDay(view);
    std::vector<QPointF> points;
    for (int k = view.s; k <= last && view.loaded(k + 1); ++k) {
        if (points.empty())
            points.emplace_back(view.x(k), view.y(h.close_array[k]));
        points.emplace_back(view.x(k + 1), view.y(h.close_array[k + 1]));
    }
    pane.polyline(points);
    requireLastDay(view);
}

}   // namespace quotechart
