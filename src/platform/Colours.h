#pragma once
// Colours as the old framework stores them: red + 256 * green + 65536 * blue.

#include <QColor>
#include <cstdint>

namespace platform {

inline QColor colourFromLong(int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

inline int32_t longFromColour(const QColor &colour)
{
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

inline constexpr int32_t rgbLong(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}   // namespace platform
