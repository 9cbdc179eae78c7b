#pragma once
// The splitter drag in screen pixels: where the ghost bar lies for a cursor
// coordinate, which coordinates a move may reach, the pane size a bar gives,
// and the two clamps applied on release. Pure calculations; every result that
// would leave the 32-bit range is a failure (an empty optional), so the
// caller skips the step and goes on.

#include "DockEdge.h"
#include "Screen.h"

#include <cstdint>
#include <optional>

namespace splitbay6 {

// The cursor coordinate along the drag axis, and the other one.
int32_t dragCoordinate(int32_t alignMDI, const QPoint &cursor);
int32_t crossCoordinate(int32_t alignMDI, const QPoint &cursor);

// The ghost bar, kept in the order x1, x2, y1, y2.
struct BarRect {
    int32_t x1 = 0;
    int32_t x2 = 0;
    int32_t y1 = 0;
    int32_t y2 = 0;
    friend constexpr bool operator==(const BarRect &, const BarRect &) = default;
};

// The bar 4 pixels across the drag axis, centred on `c`, inset by 2 pixels
// from the primary window's ends.
std::optional<BarRect> ghostBar(int32_t alignMDI, const ScreenRect &primary, int32_t c);
// The area the bar is drawn on: 4 pixels thick, its length from x1..x2 or y1..y2.
std::optional<QRect> ghostArea(int32_t alignMDI, const BarRect &bar);

// The pane size in pixels the bar stands for.
std::optional<double> paneSizePixels(int32_t alignMDI, const ScreenRect &primary, const BarRect &bar);

// Whether a move to coordinate `c` (and `cross` on the other axis) is
// accepted: within the limits, both ends included, and `cross` not negative.
bool moveAccepted(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c, int32_t cross,
                  float min, float max);

// One release clamp: whether it applies at `c`, the size it sets in pixels,
// and whether that size is converted with the vertical twips factor.
struct ReleaseClamp {
    bool applies = false;
    double pixels = 0;
    bool vertical = false;
};
// The first and second clamp, in the order they are applied.
ReleaseClamp firstReleaseClamp(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c,
                               float min, float max);
ReleaseClamp secondReleaseClamp(int32_t alignMDI, const ScreenRect &primary, const ScreenRect &secondary, int32_t c,
                                float min, float max);

// Pixels to twips with `twipsPerPixel`, rounded half to even; fails outside 32 bits.
std::optional<int32_t> pixelsToTwips(double pixels, double twipsPerPixel);

}   // namespace splitbay6
