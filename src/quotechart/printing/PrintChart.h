#pragma once
// The whole chart drawn again on one page: frame and bands, title, price and
// date rulers on the paper's scale (linear or logarithmic as the screen's),
// the days in the chart's price style, moving averages, transaction
// arrows, the three indicator panes through the screen's pane routines, and
// the legend. Ends the page's batch (the print job).

namespace platform {
class Surface;
}

namespace quotechart {

class ChartModel;

// The paper ruler keeps the lines of the screen's, from the model's price
// scale of the last drawing.
void PrintChart(platform::Surface &page, ChartModel &model);

}   // namespace quotechart
