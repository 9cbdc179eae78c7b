#pragma once
// The printed price ruler: "$ " labels in the left band and a dotted grey
// grid across the price area at the screen ruler's lines, on the paper scale.

#include <optional>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PageLayout;
struct PriceScale;

// Twips per price unit on paper: (2B/3 - 110) / ((high - low) * step), or per
// decade on a logarithmic scale: (2B/3 - 110) / decades; empty when the
// ruler's lines coincide.
std::optional<double> paperPriceScale(const PageLayout &layout, const PriceScale &scale);

// Labels every ruler line but the top one (a logarithmic scale's lines are the
// screen's round prices); lines on the pixel row of the one before are not
// drawn again.
void drawPaperPriceRuler(platform::SurfaceRegion &page, const PageLayout &layout, const PriceScale &scale,
                         double paperScale);

}   // namespace quotechart
