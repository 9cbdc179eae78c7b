#pragma once
// The price pane's overlays: moving averages, envelopes and Bollinger bands.
// Each is drawn only where its whole window lies inside the loaded days.

#include <QColor>

#include <optional>

#include <cstdint>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PriceChartView;

// The oldest day an average of `period` days can be drawn to: the oldest
// visible day, or, when its window would pass the oldest loaded day, the last
// day whose window fits. Empty on 16-bit overflow (nothing is drawn).
std::optional<int16_t> lastAveragedDay(int16_t e, int period, int16_t recordCount);

void drawMovingAverage(platform::SurfaceRegion &pane, const PriceChartView &view, int16_t period, const QColor &colour);
// Two lines `percent` above and below the average of `period` days.
void drawEnvelopes(platform::SurfaceRegion &pane, const PriceChartView &view, int16_t period, int16_t percent);
// Two lines `width` standard deviations above and below the average.
void drawBollingerBands(platform::SurfaceRegion &pane, const PriceChartView &view, float period, float width);

}   // namespace quotechart
