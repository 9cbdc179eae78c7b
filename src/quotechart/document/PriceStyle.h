#pragma once
// How the price pane draws a day: high-low-close bars (the chart's own), bars
// with the open as well, or candlesticks coloured by the day's direction
// (document/CandleColours.h).

namespace quotechart {

// The numbers are REvuved::PriceStyle's.
enum class PriceStyle { HighLowClose = 0, OpenHighLowClose = 1, Candlestick = 2 };

}   // namespace quotechart
