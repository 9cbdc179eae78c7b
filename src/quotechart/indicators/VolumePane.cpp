// The volume pane: a bar per day scaled so the largest volume reaches 0.9 of
// the pane's height above the baseline, with the largest volume and its half
// labelled on the ruler.

#include "indicators/PaneFrame.h"
#include "indicators/PaneRoutines.h"
#include "indicators/ValueToLabel.h"
#include "indicators/calc/WindowFunctions.h"
#include "platform/Surface.h"

namespace quotechart {

namespace {

const QColor VolumeColour(0, 128, 0);

void drawVolumeBars(PaneFrame &frame, VolumeSeries volumes, float M, double baseline)
{
    // With every visible volume 0 there is nothing to scale: no bars.
    if (M == 0)
        return;
    const double perVolume = frame.height() * 0.9 / M;
    for (int32_t i = frame.first(); i <= frame.last(); ++i) {
        const std::optional<int32_t> volume = indicators::dayValue(volumes, i);
        const std::optional<double> x = frame.x(i);
        if (volume && x)
            frame.drawBar(*x, baseline, baseline - *volume * perVolume);
    }
}

} // namespace

void DisplayVolume(platform::Surface &ruler, platform::Surface &surface, VolumeSeries volumes, int16_t first,
                   int16_t last)
{
    PaneFrame frame(ruler, surface, first, last);
    const float M = indicators::GetMaximumValue(volumes, first, last).value_or(0.0f);
    const double H = frame.height(), baseline = H - 50;
    surface.setDrawWidth(1);
    surface.setForeColor(VolumeColour);
    drawVolumeBars(frame, volumes, M, baseline);
    surface.line(0, baseline, frame.width(), baseline, Qt::black);

    ruler.line(300, baseline, ruler.scaleWidth(), baseline);
    ruler.line(550, H / 2, ruler.scaleWidth(), H / 2);
    ruler.line(550, 50, ruler.scaleWidth(), 50);
    // The labels mark the maximum at the top tick and its half at the middle,
    // though the bars themselves reach only 0.9 of the height.
    ruler.setCurrent(50, 25);
    ruler.print(ValueToLabel(M));
    ruler.setCurrent(50, H / 2 - 100);
    ruler.print(ValueToLabel(M / 2));
    ruler.setCurrent(50, H - 200);
    ruler.print(QStringLiteral("0"));
    frame.drawMarginStrips();
}

} // namespace quotechart
