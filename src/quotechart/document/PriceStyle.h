#pragma once
// How the price pane draws a day: high-low-close bars (the chart's own), bars
// with the open as well, or candlesticks coloured by the day's direction.

#include <QColor>

namespace quotechart {

// The numbers are REvuved::PriceStyle's.
enum class PriceStyle { HighLowClose = 0, OpenHighLowClose = 1, Candlestick = 2 };

// Candlesticks of days closing at or above their open, and below it.
struct CandleColours {
    QColor rising = QColor(0, 150, 0);
    QColor falling = QColor(210, 0, 0);
};

}   // namespace quotechart
