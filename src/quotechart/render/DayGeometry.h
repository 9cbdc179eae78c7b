#pragma once
// Where days and prices sit on the price pane and the panes below it.
//
// The visible days s (newest) .. e (oldest) divide the width W into
// e - s + 2 slots; day k sits at W - (k - s + 1) slots, so the newest day is
// one slot in from the right edge and day e + 1 falls on the left edge.

#include <cstdint>
#include <optional>

namespace quotechart {

struct PriceScale;

// The slot width W / (e - s + 2); empty when there are no slots.
std::optional<float> daySlotWidth(double width, int16_t s, int16_t e);

inline double dayX(double width, int k, int16_t s, float slotWidth) { return width - (k - s + 1) * double(slotWidth); }

// The day nearest to x: near((W - x) * (e - s + 2) / W + s) - 1, ties to even.
// Empty when W is 0 or the day leaves the 16-bit range.
std::optional<int16_t> dayUnderX(double x, double width, int16_t s, int16_t e);

// The y of price p in a pane of height H: the lowest ruler line sits 50 twips
// above the bottom edge.
double priceY(double price, double height, const PriceScale &scale);

} // namespace quotechart
