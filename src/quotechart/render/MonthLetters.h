#pragma once
// The one-letter month names the date rulers print where a name does not fit.

namespace quotechart {

inline constexpr const char *MonthLetters[12] = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"};

}   // namespace quotechart
