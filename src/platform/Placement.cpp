#include "platform/Placement.h"

#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <QWidget>

namespace platform {

namespace {

std::optional<int32_t> pixelsX(double twips) { return toInt32(twipsToPixelsX(twips)); }
std::optional<int32_t> pixelsY(double twips) { return toInt32(twipsToPixelsY(twips)); }

}   // namespace

bool placeChild(QWidget &child, double left, double top, double width, double height)
{
    if (!(width >= 0) || !(height >= 0))
        return false;
    const auto x = pixelsX(left), y = pixelsY(top), w = pixelsX(width), h = pixelsY(height);
    if (!x || !y || !w || !h)
        return false;
    child.setGeometry(*x, *y, *w, *h);
    return true;
}

bool setChildTop(QWidget &child, double top)
{
    const auto y = pixelsY(top);
    if (!y)
        return false;
    child.move(child.x(), *y);
    return true;
}

}   // namespace platform
