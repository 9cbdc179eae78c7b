#pragma once
// A history a host hands over in memory, stored as a file load stores it:
// days whose high or low is 0 do not count, at most the capacity's newest
// days are kept, dates are stored as "yyyy-mm-dd" texts, and the slots
// above the new count are cleared.

#include "quotechart/PriceHistory.h"

#include <QList>

namespace quotechart {

// False, with the history untouched, for a list whose dates are not each
// older than the one before (newest first) or that holds an invalid date.
bool storeHistory(const QList<DayPrices> &newestFirst, PriceHistory &history);

}   // namespace quotechart
