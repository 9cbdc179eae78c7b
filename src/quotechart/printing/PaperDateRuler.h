#pragma once
// The printed date ruler under the price area, with the dotted vertical grid
// across the price area and the panes. Its six bands by the number of visible
// days n are the paper's own:
//   below 13   every day: tick, grid, "d,mmm,yy"
//   13 to 29   every day: tick, grid; month starts "mmm,yy", other days "d"
//   30 to 99   every day a tick; month starts also the grid and "mmm,yy"
//   100 up     month starts only: January and the quarter months get a long
//              tick, the grid and a label (January "mmm,yyyy" up to 299,
//              "J,yy" up to 699, "mmm,yy" beyond; the quarters "mmm"),
//              the other months a short tick

#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"
#include "render/DayAxis.h"

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PageLayout;

enum class PaperDateStyle { EveryDate, DayNumbers, Months, QuartersLong, QuartersLetters, QuartersShort };
PaperDateStyle paperDateStyle(int visibleDays);

// `days` places the days across the price area, from its left edge.
void drawPaperDateRuler(platform::SurfaceRegion &page, const PageLayout &layout, const PriceHistory &history,
                        DayDates &dates, const DayAxis &days);

}   // namespace quotechart
