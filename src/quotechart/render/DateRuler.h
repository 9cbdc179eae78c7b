#pragma once
// Drawing the date ruler under the price pane, and the vertical grid.

#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"
#include "render/DayAxis.h"

#include <cstdint>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// How the date ruler labels its days, by the number of visible days n.
enum class DateRulerStyle {
    EveryDate,        // n 1..8: every day's date text
    DayNumbers,       // 9..29: day of the month, month names at month starts
    Months,           // 30..299: month names at month starts
    QuarterNames,     // 300..499: years and quarter month names at month starts
    QuarterLetters,   // 500 and more: years and quarter month letters
};

DateRulerStyle dateRulerStyle(int visibleDays);

// Ticks and labels the axis's days s..e on `ruler` (oldest first) and, with
// `verticalGrid`, dotted grid lines across `pane` at the days that get them.
// A month starts at a day whose day of the month is smaller than that of the
// older day visited just before it.
void drawDateRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceHistory &history,
                   DayDates &dates, const DayAxis &axis, bool verticalGrid);

}   // namespace quotechart
