#pragma once
// The days of the price pane: a high-low bar with a close mark per day, or a
// line through the closes.

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PriceChartView;

// How a day's bar is drawn, by the span e - s of the visible range: wide
// outlined bars with a short close mark for a few days, narrow outlined bars
// for a few months, plain lines with a half-slot close mark beyond (and, as it
// always was, at exactly 30).
enum class BarStyle { WideOutline, NarrowOutline, PlainLine };
BarStyle barStyleForSpan(int span);

// Throws ControlError (subscript out of range) at a visible day outside the
// arrays, which ends the drawing there.
void drawPriceBars(platform::SurfaceRegion &pane, const PriceChartView &view);
// Segments from each visible day's close to the older day's, so the line runs
// to the left edge; a segment to a day that is not loaded is left out.
void drawCloseLine(platform::SurfaceRegion &pane, const PriceChartView &view);

}   // namespace quotechart
