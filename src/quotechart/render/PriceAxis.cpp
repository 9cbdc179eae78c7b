#include "render/PriceAxis.h"

#include "calc/LogScale.h"
#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace quotechart {

namespace {

constexpr double NoPlace = std::numeric_limits<double>::quiet_NaN();

}   // namespace

std::optional<double> PriceAxis::logRise(double price) const
{
    const std::optional<double> decades = logscale::decadesOf(price);
    return decades ? std::optional<double>((*decades - scale_.log_low) * scale_.price_scale) : std::nullopt;
}

double PriceAxis::y(double price) const { return yOf(price).value_or(NoPlace); }

std::optional<double> PriceAxis::priceAt(double y) const
{
    const std::optional<double> up = platform::divide(height_ - PaneMargin - y, double(scale_.price_scale));
    if (!up)
        return std::nullopt;
    if (!scale_.logarithmic)
        return *up + foot();
    const double price = std::pow(10.0, scale_.log_low + *up);
    return std::isfinite(price) ? std::optional<double>(price) : std::nullopt;
}

double PriceAxis::rulerLineY(double j) const
{
    return height_ - PaneMargin - (j - scale_.ruler_low_ticks) * scale_.price_tick * scale_.price_scale;
}

std::optional<double> PriceAxis::yOverBottomEdgeOf(double price) const
{
    const std::optional<double> up = rise(price);
    return up ? std::optional<double>(height_ - *up) : std::nullopt;
}

double PriceAxis::yOverBottomEdge(double price) const { return yOverBottomEdgeOf(price).value_or(NoPlace); }

}   // namespace quotechart
