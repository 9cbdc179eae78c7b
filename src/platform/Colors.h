#pragma once
// Colours as the old framework stores them: red + 256 * green + 65536 * blue.

#include <QColor>
#include <cstdint>

namespace platform {

inline QColor colorFromLong(int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

inline int32_t longFromColor(const QColor &color) { return color.red() + 256 * color.green() + 65536 * color.blue(); }

inline constexpr int32_t rgbLong(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

}   // namespace platform
