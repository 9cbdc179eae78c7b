#include "printing/PaperFrame.h"

#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"

namespace quotechart {

namespace {

const QColor BandGrey(220, 220, 220);

}   // namespace

void drawPaperFrame(platform::SurfaceRegion &page, const PageLayout &p)
{
    const double B = p.B, W = p.W, H = p.H, right = W - 500;
    page.setForeColor(BandGrey);
    page.fillBox(100, 100, 250, H - 100);
    page.fillBox(250, 2 * B / 3 + 100, right, 2 * B / 3);
    page.setForeColor(Qt::black);
    const double lines[][4] = {
        {250, 7 * B / 9 + 100, right, 7 * B / 9 + 100},
        {250, 8 * B / 9 + 100, right, 8 * B / 9 + 100},
        {250, 2 * B / 3 + 100, right, 2 * B / 3 + 100},
        {250, 2 * B / 3, right, 2 * B / 3},
        {250, 100, 250, 2 * B / 3},
        {250, H - 100, 250, 2 * B / 3 + 100},
        {100, 100, 100, H - 100},
        {right, 100, right, H - 100},
        {100, H - 100, right, H - 100},
        {100, 100, right, 100},
    };
    for (const auto &l : lines)
        page.line(l[0], l[1], l[2], l[3]);
}

}   // namespace quotechart
