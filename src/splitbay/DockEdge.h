#pragma once
// The edges a pane docks to, numbered as hosts report them (0 is none). The
// same numbers tell the splitter bar which way it drags.

#include <cstdint>

namespace splitbay6 {

enum DockEdge : int32_t { DockTop = 1, DockBottom = 2, DockLeft = 3, DockRight = 4 };

// Any value but the four edges means no docking and no dragging.
constexpr bool isDockEdge(int32_t value) { return value >= DockTop && value <= DockRight; }

// Top and bottom panes are sized (and their bars dragged) vertically.
constexpr bool sizedVertically(int32_t edge) { return edge == DockTop || edge == DockBottom; }

}   // namespace splitbay6
