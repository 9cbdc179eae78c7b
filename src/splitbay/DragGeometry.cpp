#include "DragGeometry.h"

#include "platform/Rounding.h"

#include <algorithm>

namespace splitbay6 {

namespace {

std::optional<int32_t> narrow(int64_t value)
{
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int32_t(value);
}

}   // namespace

int32_t dragCoordinate(int32_t alignMDI, const QPoint &cursor)
{
    return sizedVertically(alignMDI) ? cursor.y() : cursor.x();
}

int32_t crossCoordinate(int32_t alignMDI, const QPoint &cursor)
{
    return sizedVertically(alignMDI) ? cursor.x() : cursor.y();
}

std::optional<BarRect> ghostBar(int32_t alignMDI, const ScreenRect &primary, int32_t c)
{
    if (!isDockEdge(alignMDI))
        return std::nullopt;
    const int64_t along = c;
    std::optional<int32_t> x1, x2, y1, y2;
    if (sizedVertically(alignMDI)) {
        x1 = narrow(int64_t(primary.left) + 2);
        x2 = narrow(int64_t(primary.right) - 2);
        y1 = narrow(along - 2);
        y2 = narrow(along + 2);
    } else {
        x1 = narrow(along - 2);
        x2 = narrow(along + 2);
        y1 = narrow(int64_t(primary.top) + 2);
        y2 = narrow(int64_t(primary.bottom) - 2);
    }
    if (!x1 || !x2 || !y1 || !y2)
        return std::nullopt;
    return BarRect{*x1, *x2, *y1, *y2};
}

std::optional<QRect> ghostArea(int32_t alignMDI, const BarRect &bar)
{
    const bool alongY = sizedVertically(alignMDI);
    const int64_t width = alongY ? int64_t(bar.x2) - bar.x1 : 4;
    const int64_t height = alongY ? 4 : int64_t(bar.y2) - bar.y1;
    // QRect keeps its far edges as x + w - 1 and y + h - 1; they must fit too.
    if (!narrow(width) || !narrow(height) || !narrow(bar.x1 + width) || !narrow(bar.y1 + height))
        return std::nullopt;
    return QRect(bar.x1, bar.y1, int32_t(width), int32_t(height));
}

std::optional<double> paneSizePixels(int32_t alignMDI, const ScreenRect &primary, const BarRect &bar)
{
    switch (alignMDI) {
    case DockTop: return double(bar.y1) - primary.top + 4;
    case DockBottom: return double(primary.bottom) - (double(bar.y1) + 1);
    case DockLeft: return double(bar.x1) - primary.left + 4;
    case DockRight: return double(primary.right) - (double(bar.x1) + 1);
    default: return std::nullopt;
    }
}

namespace {

// What a drag leaves to the document area: a negative Max would let the bar
// run past the container's far edge, so it counts as none.
double documentMargin(float max) { return std::max(double(max), 0.0); }

}   // namespace

bool moveAccepted(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c, int32_t cross,
                  float min, float max)
{
    if (cross < 0)
        return false;
    const double at = c, mn = min, mx = documentMargin(max);
    double lowest = 0, highest = 0;
    switch (alignMDI) {
    case DockTop:
        lowest = double(primary.top) + 4 + mn;
        highest = double(secondary.bottom) - 4 - mx;
        break;
    case DockBottom:
        lowest = double(secondary.top) + 4 + mx;
        highest = double(primary.bottom) - 4 - mn;
        break;
    case DockLeft:
        lowest = double(primary.left) + 4 + mn;
        highest = double(secondary.right) - 4 - mx;
        break;
    case DockRight:
        lowest = double(secondary.left) + 4 + mx;
        highest = double(primary.right) - 4 - mn;
        break;
    default: return false;
    }
    return at >= lowest && at <= highest;   // NaN limits accept nothing
}

ReleaseClamp firstReleaseClamp(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c,
                               float min, float max)
{
    const double at = c, mn = min, mx = documentMargin(max);
    switch (alignMDI) {
    case DockTop: return {at <= double(primary.top) + 6 + mn, mn + 6, true};
    case DockBottom:
        return {at <= double(secondary.top) + 5 + mx, (double(primary.bottom) - secondary.top) - (mx + 5), true};
    case DockLeft: return {at <= double(primary.left) + 4 + mn, mn + 4, false};
    case DockRight:
        return {at <= double(secondary.left) + 4 + mx, (double(primary.right) - secondary.left) - (mx + 4), false};
    default: return {};
    }
}

ReleaseClamp secondReleaseClamp(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c,
                                float min, float max)
{
    const double at = c, mn = min, mx = documentMargin(max);
    switch (alignMDI) {
    case DockTop:
        return {at >= double(secondary.bottom) - 5 - mx, (double(secondary.bottom) - primary.top - 4) - mx, true};
    case DockBottom: return {at >= double(primary.bottom) - (mn + 5), mn + 5, true};
    // Converted vertically, unlike the first clamp; the same where both factors agree.
    case DockLeft:
        return {at >= double(secondary.right) - 4 - mx, (double(secondary.right) - primary.left - 4) - mx, true};
    case DockRight: return {at >= double(primary.right) - (mn + 5), mn + 6, false};
    default: return {};
    }
}

std::optional<int32_t> pixelsToTwips(double pixels, double twipsPerPixel)
{
    return platform::toInt32(pixels * twipsPerPixel);
}

}   // namespace splitbay6
