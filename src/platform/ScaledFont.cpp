#include "platform/ScaledFont.h"

#include <algorithm>
#include <cmath>

namespace platform {

QFont scaledFont(const QFont &font, double factor)
{
    if (factor == 1 || !(factor > 0))
        return font;
    QFont scaled = font;
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));   // Qt refuses 0
    return scaled;
}

}   // namespace platform
