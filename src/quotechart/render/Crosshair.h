#pragma once
// The crosshair's lines, drawn inverting so that drawing one again erases it:
// the vertical line across the price pane, the three indicator panes and the
// date ruler (one x marks the same day on all five), the dashed horizontal
// line across the price pane.

#include <array>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// Picture1, Picture2, Picture3, Picture4, DateRuler, in the order they are drawn.
using VerticalLineSurfaces = std::array<platform::SurfaceRegion *, 5>;

// Inverts the line at x on each surface, top to bottom.
void invertVerticalLine(const VerticalLineSurfaces &surfaces, double x);
// Inverts the line at x on one surface only.
void invertVerticalLine(platform::SurfaceRegion &surface, double x);
// Inverts the dashed line at y across the pane.
void invertHorizontalLine(platform::SurfaceRegion &pane, double y);
// Back to the copy pen (and, for the pane, solid lines) the drawing expects.
void restoreCopyPen(const VerticalLineSurfaces &surfaces);
void restoreSolidCopyPen(platform::SurfaceRegion &pane);

}   // namespace quotechart
