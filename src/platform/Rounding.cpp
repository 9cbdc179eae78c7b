#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace platform {

namespace {

template <typename Int>
std::optional<Int> toChecked(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

std::optional<int16_t> fit16(int64_t value)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

} // namespace

double roundHalfEven(double value)
{
    // Independent of the floating-point rounding mode a host may have set, and
    // cheap enough for every pixel coordinate.
    const double nearest = std::round(value);   // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

std::optional<int16_t> toInt16(double value) { return toChecked<int16_t>(value); }
std::optional<int32_t> toInt32(double value) { return toChecked<int32_t>(value); }

std::optional<int16_t> add16(int32_t a, int32_t b) { return fit16(int64_t(a) + b); }
std::optional<int16_t> sub16(int32_t a, int32_t b) { return fit16(int64_t(a) - b); }
std::optional<int16_t> mul16(int32_t a, int32_t b) { return fit16(int64_t(a) * b); }

std::optional<double> divide(double numerator, double denominator)
{
    if (denominator == 0.0)
        return std::nullopt;
    const double quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        return std::nullopt;
    return quotient;
}

std::optional<float> divide(float numerator, float denominator)
{
    if (denominator == 0.0f)
        return std::nullopt;
    const float quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        return std::nullopt;
    return quotient;
}

} // namespace platform

namespace platform {

std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

} // namespace platform
