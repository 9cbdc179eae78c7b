#pragma once
// Where prices sit up a pane of height H, by the scale the price ruler fixed:
// the lowest ruler line (ruler_low_ticks steps) sits PaneMargin above the
// bottom edge, and each price unit rises price_scale twips. On a logarithmic
// scale the price at log_low sits there and each decade rises price_scale
// twips; a price of 0 or below has no place.

#include "render/Margins.h"
#include "document/PriceScale.h"

#include <optional>

namespace quotechart {

class PriceAxis {
public:
    PriceAxis(double height, const PriceScale &scale) : height_(height), scale_(scale) {}

    double height() const { return height_; }
    const PriceScale &scale() const { return scale_; }

    // H - 50 - (p - step * low) * scale; empty for a price the scale cannot
    // place, which the drawing skips.
    // (Inline: the drawing places every price of every visible day here.)
    std::optional<double> yOf(double price) const
    {
        const std::optional<double> up = rise(price);
        return up ? std::optional<double>(height_ - PaneMargin - *up) : std::nullopt;
    }
    // yOf for a price the scale places (every price on a linear scale); NaN
    // for one it does not.
    double y(double price) const;
    // The price at y; empty when the scale is 0.
    std::optional<double> priceAt(double y) const;
    // Ruler line j of a linear scale (fractional for the minor ticks):
    // H - 50 - (j - low) * step * scale.
    double rulerLineY(double j) const;
    // H - (p - step * low) * scale: the mapping without the bottom margin,
    // which the transaction arrows keep as their gap to the bar.
    std::optional<double> yOverBottomEdgeOf(double price) const;
    double yOverBottomEdge(double price) const;   // as y() is to yOf()

private:
    double foot() const { return double(scale_.price_tick) * scale_.ruler_low_ticks; }
    // Twips from the lowest ruler line up to the price.
    std::optional<double> rise(double price) const
    {
        if (!scale_.logarithmic)
            return (price - foot()) * scale_.price_scale;
        return logRise(price);
    }
    std::optional<double> logRise(double price) const;

    double height_;
    PriceScale scale_;
};

}   // namespace quotechart
