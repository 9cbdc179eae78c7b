// REvuved drawn as a picture on any paint device: the same drawing steps as
// the window redraw, on regions of the device placed as the window places
// its panes, scaled to the target rectangle.

#include "chart/ChartColours.h"
#include "chart/ChartPrivate.h"
#include "platform/PictureBox.h"
#include "platform/Surface.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <deque>

namespace quotechart {

namespace {

// Where a child of the chart stands, in the chart's pixels.
QRect placeInChart(const QWidget &child, const QWidget &chart)
{
    return QRect(child.mapTo(&chart, QPoint(0, 0)), child.size());
}

// The device's regions for the window's panes: one twip of the picture is
// one twip of the window, whatever the device's pixels.
class PictureRegions {
public:
    PictureRegions(platform::Surface &page, const QRect &content, const QRectF &target)
        : page_(page), content_(content), target_(target)
    {}

    platform::SurfaceRegion &regionFor(const QWidget &child, const QWidget &chart)
    {
        const QRect place = placeInChart(child, chart);
        const double x = page_.twipsPerPixelX() * target_.x() + platform::pixelsToTwipsX(place.x() - content_.x());
        const double y = page_.twipsPerPixelY() * target_.y() + platform::pixelsToTwipsY(place.y() - content_.y());
        return regions_.emplace_back(page_, x, y, platform::pixelsToTwipsX(place.width()),
                                     platform::pixelsToTwipsY(place.height()));
    }

    platform::SurfaceRegion &paneFor(platform::PictureBox &box, const QWidget &chart)
    {
        platform::SurfaceRegion &region = regionFor(box, chart);
        const platform::SurfaceRegion &shown = box.surface();
        region.setBackColor(shown.backColor());
        region.setForeColor(shown.foreColor());
        region.setFont(shown.font());
        region.clear();
        return region;
    }

private:
    platform::Surface &page_;
    QRect content_;
    QRectF target_;
    std::deque<platform::SurfaceRegion> regions_;   // regions do not move once made
};

void drawLabel(platform::SurfaceRegion &region, const QLabel &label)
{
    if (label.autoFillBackground()) {
        region.setBackColor(label.palette().color(label.backgroundRole()));
        region.clear();
    }
    region.setFont(label.font());
    region.setForeColor(label.palette().color(label.foregroundRole()));
    region.setCurrent(0, std::max(0.0, (region.scaleHeight() - region.textHeight()) / 2));
    region.print(label.text());
}

// The window redraw's steps on the picture's regions, with a copy of the
// price scale: the window's own stays as its last drawing fixed it.
void drawSteps(const ChartRegions &r, ChartModel &model, bool legend)
{
    PriceScale scale = model.scale();
    const VisibleRange range = model.range();
    const auto e = std::min(range.e, model.history().record_count);
    const auto step = [](auto &&draw) {
        try {
            draw();
        } catch (const ControlError &) {
        }
    };
    step([&] { drawPriceRulerStep(r, model, range.s, range.e, scale); });
    step([&] { drawDateRulerStep(r, model, range.s, range.e); });
    step([&] {
        drawPricePaneStep(r, model, range.s, e, scale);
        if (legend)
            drawPriceLegendStep(r, model);
    });
    const auto &panes = model.panes();
    const std::array<int16_t, PaneCount> indicators{panes[0].indicator, panes[1].indicator, panes[2].indicator};
    drawIndicatorPanesStep(r, model, indicators, marginStripColour());
    if (legend)
        drawPaneLegendsStep(r, model, indicators);
}

}   // namespace

void REvuved::renderTo(QPaintDevice *device, const QRectF &target)
{
    ChartWidgets &w = d->widgets;
    ChartModel &model = d->model;
    if (!device || !(target.width() >= 1 && target.height() >= 1) || model.history().record_count < 1)
        return;
    QRect content;
    for (const QWidget *child : {static_cast<QWidget *>(w.dayReadout), static_cast<QWidget *>(w.changeReadout),
                                 static_cast<QWidget *>(w.priceRuler), static_cast<QWidget *>(w.dateRuler)})
        content |= placeInChart(*child, *this);
    for (const QWidget *pane : w.indicatorPanes)
        content |= placeInChart(*pane, *this);
    if (content.isEmpty())
        return;

    const double scaleX = target.width() / content.width(), scaleY = target.height() / content.height();
    platform::Surface page(device, platform::pixelsToTwipsX(1) / scaleX, platform::pixelsToTwipsY(1) / scaleY);
    page.setTextScale(std::min(scaleX, scaleY) * logicalDpiY() / std::max(1, device->logicalDpiY()));
    if (!page.begin())
        return;
    page.setBackColor(palette().color(backgroundRole()));
    const QPointF topLeft = target.topLeft();
    page.fillBox(topLeft.x() * page.twipsPerPixelX(), topLeft.y() * page.twipsPerPixelY(),
                 (topLeft.x() + target.width()) * page.twipsPerPixelX(),
                 (topLeft.y() + target.height()) * page.twipsPerPixelY(), page.backColor());

    PictureRegions picture(page, content, target);
    ChartRegions regions{picture.paneFor(*w.pricePane, *this), picture.paneFor(*w.priceRuler, *this),
                         picture.paneFor(*w.dateRuler, *this), {}, {}};
    for (std::size_t k = 0; k < PaneCount; ++k) {
        regions.indicatorPanes[k] = &picture.paneFor(*w.indicatorPanes[k], *this);
        regions.indicatorRulers[k] = &picture.paneFor(*w.indicatorRulers[k], *this);
    }
    for (const QLabel *label : {w.dayReadout, w.changeReadout, w.olderArrow, w.newerArrow})
        drawLabel(picture.regionFor(*label, *this), *label);
    drawSteps(regions, model, d->showLegend);
    page.flush();
}

}   // namespace quotechart
