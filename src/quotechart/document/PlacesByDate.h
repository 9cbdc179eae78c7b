#pragma once
// Where a chart's window and transactions stand once its history is read
// anew (a followed file that grew, or lost its oldest days): on the same
// calendar dates, not the same day numbers, since day 1 is the newest day.

#include "document/TransactionTables.h"
#include "document/VisibleRange.h"
#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"

#include <cstdint>

namespace quotechart {

struct PlacesByDate {
    VisibleRange range;
    TransactionTables tables;
};

// A window that showed the newest day shows the new newest day with the
// same width; any other keeps its dates. Each transaction keeps its date.
// A date the new history lacks goes to the nearest day before it, or the
// oldest day when it is older than them all; a day whose date cannot be
// read keeps its number within the new history.
PlacesByDate placesInNewHistory(const PriceHistory &was, DayDates &wasDates, const PriceHistory &now,
                                DayDates &nowDates, VisibleRange range, const TransactionTables &tables,
                                int16_t buys, int16_t sells);

}   // namespace quotechart
