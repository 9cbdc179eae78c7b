// The volume pane: a bar per day scaled so the largest volume reaches 0.9 of
// the pane's height above the baseline, with the largest volume and its half
// labelled on the ruler.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/SeriesColours.h"
#include "indicators/ValueToLabel.h"
#include "calc/WindowFunctions.h"
#include "platform/SurfaceRegion.h"
#include "render/Margins.h"

#include <algorithm>
#include <vector>

namespace quotechart {

namespace {

void drawVolumeBars(PaneFrame &frame, indicators::VolumeSeries volumes, float M, double baseline)
{
    // With every visible volume 0 there is nothing to scale: no bars.
    if (M == 0)
        return;
    const double perVolume = frame.height() * 0.9 / M;
    std::vector<PaneFrame::Bar> bars;
    bars.reserve(std::size_t(std::max(0, frame.last() - frame.first() + 1)));
    for (int32_t i = frame.first(); i <= frame.last(); ++i) {
        const std::optional<int32_t> volume = indicators::dayValue(volumes, i);
        const std::optional<double> x = frame.x(i);
        if (volume && x)
            bars.push_back({*x, baseline, baseline - *volume * perVolume});
    }
    frame.drawBars(bars);
}

}   // namespace

void DisplayVolume(const PaneTarget &target, const PriceHistory &history, int16_t first, int16_t last,
                   const PaneSettings &)
{
    PaneFrame frame(target, first, last);
    const indicators::VolumeSeries volumes = history.volume_array;
    const float M = indicators::GetMaximumValue(volumes, first, last).value_or(0.0f);
    const double H = frame.height(), baseline = H - PaneMargin;
    platform::SurfaceRegion &surface = frame.pane();
    surface.setDrawWidth(1);
    surface.setForeColor(VolumeColour);
    drawVolumeBars(frame, volumes, M, baseline);
    surface.line(0, baseline, frame.width(), baseline, Qt::black);

    frame.rulerTick(300, baseline);
    frame.rulerTick(550, H / 2);
    frame.rulerTick(550, PaneMargin);
    // The labels mark the maximum at the top tick and its half at the middle,
    // though the bars themselves reach only 0.9 of the height.
    frame.rulerLabel(25, ValueToLabel(M));
    frame.rulerLabel(H / 2 - 100, ValueToLabel(M / 2));
    frame.rulerLabel(H - 200, QStringLiteral("0"));
    frame.drawMarginStrips();
}

}   // namespace quotechart
