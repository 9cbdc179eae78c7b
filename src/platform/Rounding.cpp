#include "platform/Rounding.h"

namespace platform {

namespace {

template <typename Int> std::optional<Int> toChecked(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}   // namespace

std::optional<int16_t> toInt16(double value) { return toChecked<int16_t>(value); }
std::optional<int32_t> toInt32(double value) { return toChecked<int32_t>(value); }

}   // namespace platform
