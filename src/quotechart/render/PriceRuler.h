#pragma once
// Drawing the price ruler beside the price pane, and the horizontal grid.

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

class PriceAxis;

// Labels every ruler line of the axis's scale with "$ " and its price, draws
// its tick and nine minor ticks on the ruler, and, with `horizontalGrid`, a
// dotted grid line across the pane. A line, label or tick on the pixel row of
// the one before is not drawn again.
void drawPriceRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                    bool horizontalGrid);

}   // namespace quotechart
