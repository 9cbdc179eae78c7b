#pragma once
// Rounding and checked integer arithmetic.
//
// Wherever a value becomes an integer it is rounded to the nearest integer
// with ties to the even neighbour. A result that leaves the range of its type
// is a failure the caller sees as an empty optional, so it can skip the
// statement and keep the previous value instead of wrapping around silently.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace platform {

// Nearest integer as a double, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2),
// in the default floating-point rounding mode (which the library never changes).
// Every pixel coordinate goes through here, so the common case is done by
// adding and removing 1.5 * 2^52, which leaves no fraction bits.
inline double roundHalfEven(double value)
{
    constexpr double Shift = 6755399441055744.0;   // 1.5 * 2^52
    if (std::fabs(value) < 2251799813685248.0)     // 2^51
        return (value + Shift) - Shift;
    return std::nearbyint(value);
}

// Checked conversions: round half to even, then fail outside the target range
// (and on NaN or infinity).
std::optional<int16_t> toInt16(double value);
std::optional<int32_t> toInt32(double value);

// Checked 16-bit arithmetic on day indices and periods (inline: drawing does
// it for every day it places).
inline std::optional<int16_t> fit16(int64_t value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(value);
}
inline std::optional<int16_t> add16(int32_t a, int32_t b) { return fit16(int64_t(a) + b); }
inline std::optional<int16_t> sub16(int32_t a, int32_t b) { return fit16(int64_t(a) - b); }
inline std::optional<int16_t> mul16(int32_t a, int32_t b) { return fit16(int64_t(a) * b); }

// A division whose divisor is zero, or whose result is not finite, fails.
template <typename Real> std::optional<Real> divide(Real numerator, Real denominator)
{
    if (denominator == Real(0))
        return std::nullopt;
    const Real quotient = numerator / denominator;
    if (!std::isfinite(quotient))
        return std::nullopt;
    return quotient;
}

// Checked narrowing to single precision: fails on NaN, infinity and values
// beyond the float range (the old framework's overflow).
inline std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

}   // namespace platform
