#pragma once
// The highest high and lowest low over a range of days.

#include "quotechart/PriceHistory.h"

#include <cstdint>

namespace quotechart {

// Over days from..to (either order is taken as given: from the first to the
// last), limited to the loaded days 1..record_count; 0 when no loaded day is
// left. Only a strictly larger (smaller) value replaces the first day's.
float highestHigh(const PriceHistory &history, int16_t from, int16_t to);
float lowestLow(const PriceHistory &history, int16_t from, int16_t to);
// The lowest low above 0 over the same days, for a logarithmic scale; 0 when
// there is none.
float lowestPositiveLow(const PriceHistory &history, int16_t from, int16_t to);

}   // namespace quotechart
