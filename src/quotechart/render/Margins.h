#pragma once
// The strip every pane keeps free along its top and bottom edges: the price
// pane's lowest and highest ruler lines, and the indicator panes' scales,
// stop this far inside the pane.

namespace quotechart {

inline constexpr double PaneMargin = 50;   // twips

}   // namespace quotechart
