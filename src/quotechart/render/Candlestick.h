#pragma once
// A day drawn as a candlestick: a wick from the low to the high through the
// day's place, and a body from the open to the close, in one colour that tells
// a rising day from a falling one.

#include <QColor>

#include <optional>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// A day's prices as y on the pane (twips); no open for a day without one.
struct DayYs {
    double high;
    double low;
    double close;
    std::optional<double> open;
};

// How far the body reaches either side of the day's place, in slots: as far
// as a bar's close mark reaches right.
inline constexpr double CandleBodyReach = 0.3;

// The candlestick of a day with an open at x on a slot `slot` twips wide.
void drawCandlestick(platform::SurfaceRegion &pane, double x, double slot, const DayYs &day, const QColor &colour);

}   // namespace quotechart
