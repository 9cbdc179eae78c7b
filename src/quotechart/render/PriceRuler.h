#pragma once
// Drawing the price ruler beside the price pane, and the horizontal grid.

#include <vector>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

class PriceAxis;
struct PriceScale;

// Labels every ruler line of the axis's scale with "$ " and its price, draws
// its tick and nine minor ticks on the ruler, and, with `horizontalGrid`, a
// dotted grid line across the pane. A logarithmic scale has its lines at round
// prices (logscale::rulerValues) and minor ticks at finer ones. A line, label
// or tick on the pixel row of the one before is not drawn again.
void drawPriceRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                    bool horizontalGrid);

// The prices a logarithmic ruler labels, ascending, chosen on the scale's twips
// per decade; the printed ruler labels the screen's.
std::vector<double> logRulerLines(const PriceScale &scale);

}   // namespace quotechart
