#pragma once
// Drawing the price ruler beside the price pane, and the horizontal grid.

namespace platform {
class Surface;
}

namespace quotechart {

struct PriceScale;

// Chooses the step, the ruler lines and the vertical scale for prices
// minPrice..maxPrice (kept in `scale`), then labels every line with "$ " and
// its price, draws its tick and nine minor ticks on the ruler, and, with
// `horizontalGrid`, a dotted grid line across the pane. A step that cannot be
// computed keeps the scale's previous value and the rest still runs; line
// counts beyond 16 bits stop at its ends. A line, label or tick on the pixel
// row of the one before is not drawn again.
void drawPriceRuler(platform::Surface &ruler, platform::Surface &pane, float minPrice, float maxPrice,
                    bool horizontalGrid, PriceScale &scale);

} // namespace quotechart
