#pragma once
// Where prices sit up a pane of height H, by the scale the price ruler fixed:
// the lowest ruler line (ruler_low_ticks steps) sits PaneMargin above the
// bottom edge, and each price unit rises price_scale twips.

#include "render/Margins.h"
#include "document/PriceScale.h"

#include <optional>

namespace quotechart {

class PriceAxis {
public:
    PriceAxis(double height, const PriceScale &scale) : height_(height), scale_(scale) {}

    double height() const { return height_; }
    const PriceScale &scale() const { return scale_; }

    // H - 50 - (p - step * low) * scale.
    double y(double price) const;
    // The price at y; empty when the scale is 0.
    std::optional<double> priceAt(double y) const;
    // Ruler line j (fractional for the minor ticks): H - 50 - (j - low) * step * scale.
    double rulerLineY(double j) const;
    // H - (p - step * low) * scale: the mapping without the bottom margin,
    // which the transaction arrows keep as their gap to the bar.
    double yOverBottomEdge(double price) const;

private:
    double foot() const { return double(scale_.price_tick) * scale_.ruler_low_ticks; }

    double height_;
    PriceScale scale_;
};

}   // namespace quotechart
