#pragma once
// The 50 % halftone pattern the ghost bar is inverted with: an 8 x 8
// one-bit pattern whose rows are the low bytes of 0x55, 0xAA, ...; the
// leftmost pixel of a row is the byte's highest bit. A set bit inverts the
// pixel under it, a clear bit leaves it alone.

#include <QColor>
#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>

namespace splitbay6 {

inline constexpr std::array<uint16_t, 8> HalftoneRows = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};

// Whether the pattern inverts the pixel at (dx, dy) from the brush origin.
bool halftoneInverts(int dx, int dy);

// Inverts `area` of `image` (clipped to it) where the pattern, with its origin
// at the area's top-left corner, has a set bit. Doing it twice restores the image.
void invertHalftone(QImage &image, const QRect &area);

// One 8 x 8 tile of the pattern: `inverted` where a bit is set, `plain` elsewhere.
QImage halftoneTile(const QColor &plain, const QColor &inverted);

}   // namespace splitbay6
