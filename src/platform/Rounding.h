#pragma once
// Rounding and checked integer arithmetic.
//
// Wherever a value becomes an integer it is rounded to the nearest integer
// with ties to the even neighbour. A result that leaves the range of its type
// is a failure the caller sees as an empty optional, so it can skip the
// statement and keep the previous value instead of wrapping around silently.

#include <cstdint>
#include <optional>

namespace platform {

// Nearest integer as a double, ties to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Checked conversions: round half to even, then fail outside the target range
// (and on NaN or infinity).
std::optional<int16_t> toInt16(double value);
std::optional<int32_t> toInt32(double value);

// Checked 16-bit arithmetic on day indices and periods.
std::optional<int16_t> add16(int32_t a, int32_t b);
std::optional<int16_t> sub16(int32_t a, int32_t b);
std::optional<int16_t> mul16(int32_t a, int32_t b);

// A division whose divisor is zero, or whose result is not finite, fails.
std::optional<double> divide(double numerator, double denominator);
std::optional<float> divide(float numerator, float denominator);

} // namespace platform

namespace platform {

// Checked narrowing to single precision: fails on NaN, infinity and values
// beyond the float range (the old framework's overflow).
std::optional<float> toSingle(double value);

} // namespace platform
