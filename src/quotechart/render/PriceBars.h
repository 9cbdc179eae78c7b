#pragma once
// The days of the price pane: a high-low bar with a close mark per day (with
// an open mark, or as a candlestick, in the other price styles), or a line
// through the closes.

#include "document/CandleColours.h"
#include "document/PriceStyle.h"

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

// The price style and the candlesticks' colours.
struct DayLook {
    PriceStyle style = PriceStyle::HighLowClose;
    CandleColours candles;
};

// Each visible day in the look's style, on the bar's place and slot: the
// open-high-low-close bar adds an open mark mirroring the close mark on the
// left, the candlestick is drawn by drawCandlestick. A day without an open
// (0, or a price the scale cannot place) is drawn as a high-low-close bar; a
// day whose high, low or close the scale cannot place is left out. Throws
// ControlError (subscript out of range) at a visible day outside the arrays,
// which ends the drawing there.
void drawPriceBars(platform::SurfaceRegion &pane, const PriceChartView &view, const DayLook &look = {});
// Segments from each visible day's close to the older day's, so the line runs
// to the left edge; a segment to a day that is not loaded, or to a close the
// scale cannot place, is left out.
void drawCloseLine(platform::SurfaceRegion &pane, const PriceChartView &view);

}   // namespace quotechart
