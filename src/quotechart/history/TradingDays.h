#pragma once
// Finding the day index of a calendar date in a loaded history.

#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"

#include <QStringView>

#include <cstdint>

namespace quotechart {

// A date after the newest day gives 1, one before the oldest gives
// record_count; otherwise the first day (from the newest) with that date, or
// failing that with the date one or two days earlier, so a weekend or holiday
// finds the trading day before it. 0 when the text is no date, nothing is
// loaded, a stored date that a step compares cannot be read, or no day
// matches.
int16_t dayOfDate(const PriceHistory &history, DayDates &dates, QStringView date);

}   // namespace quotechart
