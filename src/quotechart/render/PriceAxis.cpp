#include "render/PriceAxis.h"

#include "platform/Rounding.h"

namespace quotechart {

double PriceAxis::y(double price) const { return height_ - PaneMargin - (price - foot()) * scale_.price_scale; }

std::optional<double> PriceAxis::priceAt(double y) const
{
    const std::optional<double> rise = platform::divide(height_ - PaneMargin - y, double(scale_.price_scale));
    return rise ? std::optional<double>(*rise + foot()) : std::nullopt;
}

double PriceAxis::rulerLineY(double j) const
{
    return height_ - PaneMargin - (j - scale_.ruler_low_ticks) * scale_.price_tick * scale_.price_scale;
}

double PriceAxis::yOverBottomEdge(double price) const { return height_ - (price - foot()) * scale_.price_scale; }

}   // namespace quotechart
