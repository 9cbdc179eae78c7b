#include "render/PriceBars.h"

#include "platform/ErrorCodes.h"
#include "platform/SurfaceRegion.h"
#include "quotechart/ControlError.h"
#include "render/Candlestick.h"
#include "render/PriceChartView.h"

#include <QLineF>
#include <QPointF>

#include <algorithm>
#include <vector>

namespace quotechart {

namespace {

constexpr double CloseMarkReach = 0.3;       // slots right of an outlined bar (left for the open)
constexpr double PlainCloseMarkReach = 0.5;  // right of a plain line
// The open mark of a plain line stops short of the half slot, so that it never
// meets the newer day's close mark.
constexpr double PlainOpenMarkReach = 0.4;

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

// The day's prices on the pane; empty when the scale cannot place its high,
// low or close. A day without an open has none.
std::optional<DayYs> placedDay(const PriceChartView &view, int k)
{
    const PriceHistory &h = view.history;
    const std::optional<double> high = view.yOf(h.high_array[k]), low = view.yOf(h.low_array[k]),
                                close = view.yOf(h.close_array[k]);
    if (!high || !low || !close)
        return std::nullopt;
    const float open = h.open_array[k];
    return DayYs{*high, *low, *close, open != 0 ? view.yOf(open) : std::nullopt};
}

void drawOpenMark(platform::SurfaceRegion &pane, double x, double open, double slot, BarStyle style)
{
    if (style == BarStyle::PlainLine)
        pane.line(x - PlainOpenMarkReach * slot, open, x, open);
    else
        pane.box(x - CloseMarkReach * slot, open - pane.twipsPerPixelY(), x, open);
}

void drawBar(platform::SurfaceRegion &pane, double x, double slot, const DayYs &day, BarStyle style, bool withOpen)
{
    const double pixelX = pane.twipsPerPixelX(), pixelY = pane.twipsPerPixelY();
    switch (style) {
    case BarStyle::WideOutline:
        pane.box(x - pixelX, day.low, x + pixelX, day.high);
        pane.box(x, day.close - pixelY, x + CloseMarkReach * slot, day.close);
        break;
    case BarStyle::NarrowOutline:
        pane.box(x - pixelX, day.low, x, day.high);
        pane.box(x, day.close - pixelY, x + CloseMarkReach * slot, day.close);
        break;
    case BarStyle::PlainLine:
        pane.line(x, day.low, x, day.high);
        pane.line(x, day.close, x + PlainCloseMarkReach * slot, day.close);
        break;
    }
    if (withOpen && day.open)
        drawOpenMark(pane, x, *day.open, slot, style);
}

void drawDay(platform::SurfaceRegion &pane, const PriceChartView &view, int k, BarStyle style, const DayLook &look)
{
    const std::optional<DayYs> day = placedDay(view, k);
    if (!day)
        return;
    const double x = view.x(k), slot = view.slotWidth();
    if (look.style == PriceStyle::Candlestick && day->open) {
        const bool rising = view.history.close_array[k] >= view.history.open_array[k];
        drawCandlestick(pane, x, slot, *day, rising ? look.candles.rising : look.candles.falling);
        return;
    }
    drawBar(pane, x, slot, *day, style, look.style == PriceStyle::OpenHighLowClose);
}

// The plain high-low-close bars of many days in one batch: a line from low
// to high and a close mark half a slot long, as drawBar draws them.
void drawPlainBars(platform::SurfaceRegion &pane, const PriceChartView &view, int last)
{
    const double mark = PlainCloseMarkReach * view.slotWidth();
    std::vector<QLineF> lines;
    lines.reserve(std::size_t(std::max(0, 2 * (last - view.s + 1))));
    for (int k = view.s; k <= last; ++k) {
        const std::optional<DayYs> day = placedDay(view, k);
        if (!day)
            continue;
        const double x = view.x(k);
        lines.emplace_back(x, day->low, x, day->high);
        lines.emplace_back(x, day->close, x + mark, day->close);
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

void drawPriceBars(platform::SurfaceRegion &pane, const PriceChartView &view, const DayLook &look)
{
    const BarStyle style = barStyleForSpan(view.e - view.s);
    const int last = lastDrawnDay(view);
    if (style == BarStyle::PlainLine && look.style == PriceStyle::HighLowClose) {
        drawPlainBars(pane, view, last);
    } else {
        for (int k = view.s; k <= last; ++k)
            drawDay(pane, view, k, style, look);
    }
    requireLastDay(view);
}

void drawCloseLine(platform::SurfaceRegion &pane, const PriceChartView &view)
{
    // Day k joins day k + 1 while that one is loaded: one polyline from day
    // s, broken where a close has no place on the scale.
    const PriceHistory &h = view.history;
    const int last = lastDrawnDay(view);
    std::vector<QPointF> points;
    const auto drawPoints = [&] {
        if (points.size() > 1)
            pane.polyline(points);
        points.clear();
    };
    for (int k = view.s; k <= last && view.loaded(k + 1); ++k) {
        const std::optional<double> newer = view.yOf(h.close_array[k]), older = view.yOf(h.close_array[k + 1]);
        if (!newer || !older) {
            drawPoints();
            continue;
        }
        if (points.empty())
            points.emplace_back(view.x(k), *newer);
        points.emplace_back(view.x(k + 1), *older);
    }
    drawPoints();
    requireLastDay(view);
}

}   // namespace quotechart
