#include "controllers/CrosshairController.h"

#include "document/ChartModel.h"
#include "platform/PictureBox.h"
#include "render/Crosshair.h"
#include "render/DayAxis.h"
#include "render/Readout.h"

#include <QLabel>

namespace quotechart {

namespace {

constexpr int LeftButton = 1, RightButton = 2;

}   // namespace

CrosshairController::CrosshairController(ChartModel &model, CrosshairVariables variables, CrosshairTargets targets,
                                         MenuOpener openMenu, MovedNotice moved)
    : model_(model), variables_(variables), targets_(targets), openMenu_(std::move(openMenu)), moved_(std::move(moved))
{}

void CrosshairController::pricePaneMouseDown(int button, float x, float)
{
    if (button == LeftButton)
        drawVerticalLine(x);
    restoreCopyPen(verticalLineSurfaces());
}

void CrosshairController::pricePaneMouseMove(int button, float x, float y)
{
    pointer_.popup_x = x;
    pointer_.popup_y = y;
    if (button != LeftButton)
        return;
    drawVerticalLine(x);
    restoreCopyPen(verticalLineSurfaces());
}

// The vertical line and the read-outs move to the release first; the menu
// opens there.
void CrosshairController::pricePaneMouseUp(int button, float x, float y)
{
    if (button != RightButton)
        return;
    pricePaneMouseDown(LeftButton, x, y);
    openMenu_(x, y);
}

void CrosshairController::priceRulerMouse(int button, float y)
{
    platform::SurfaceRegion &pane = targets_.pricePane.surface();
    if (button == LeftButton) {
        if (variables_.OldHorizontalLineY != 0 && variables_.isHorizontalLineDisplayed)
            invertHorizontalLine(pane, variables_.OldHorizontalLineY);
        invertHorizontalLine(pane, y);
        variables_.isHorizontalLineDisplayed = true;
        variables_.OldHorizontalLineY = y;
    }
    restoreSolidCopyPen(pane);
}

VerticalLineSurfaces CrosshairController::verticalLineSurfaces()
{
    return {&targets_.pricePane.surface(), &targets_.indicatorPanes[0]->surface(),
            &targets_.indicatorPanes[1]->surface(), &targets_.indicatorPanes[2]->surface(),
            &targets_.dateRuler.surface()};
}

// The old line is inverted back first, unless it sits at 0 or a redraw has
// already taken it away.
void CrosshairController::drawVerticalLine(float x)
{
    const VerticalLineSurfaces surfaces = verticalLineSurfaces();
    if (variables_.OldVerticalLineX != 0 && variables_.isVerticalLineDisplayed)
        invertVerticalLine(surfaces, variables_.OldVerticalLineX);
    invertVerticalLine(surfaces, x);
    updateReadouts(x);
    variables_.isVerticalLineDisplayed = true;
    variables_.OldVerticalLineX = x;
    moved_(loadedDayUnder(x));
}

int CrosshairController::loadedDayUnder(float x)
{
    const VisibleRange range = model_.range();
    const double width = targets_.pricePane.surface().scaleWidth();
    const std::optional<int16_t> day = DayAxis::singleSlot(width, range.s, range.e, 0).dayAt(x);
    return day && *day >= 1 && *day <= model_.history().record_count ? *day : 0;
}

void CrosshairController::showAt(int day)
{
    if (day == 0) {
        if (variables_.OldVerticalLineX != 0 && variables_.isVerticalLineDisplayed)
            invertVerticalLine(verticalLineSurfaces(), variables_.OldVerticalLineX);
        restoreCopyPen(verticalLineSurfaces());
        variables_.isVerticalLineDisplayed = false;
        moved_(0);
        return;
    }
    const VisibleRange range = model_.range();
    const double width = targets_.pricePane.surface().scaleWidth();
    const std::optional<float> slot = DayAxis::singleSlotWidth(width, range.s, range.e);
    if (!slot)
        return;
    drawVerticalLine(float(DayAxis::singleSlot(width, range.s, range.e, *slot).x(day)));
    restoreCopyPen(verticalLineSurfaces());
}

void CrosshairController::updateReadouts(float x)
{
    const double width = targets_.pricePane.surface().scaleWidth();
    const VisibleRange range = model_.range();
    const std::optional<int16_t> day = DayAxis::singleSlot(width, range.s, range.e, 0).dayAt(x);
    if (!day)
        return;
    const QString &company = shownCompany_.of(model_.companyName(), targets_.dayReadout);
    if (const std::optional<QString> caption = captionText(company, model_.history(), *day))
        targets_.dayReadout.setText(*caption);
    if (const std::optional<ChangeReadout> change = changeReadout(model_.history(), *day)) {
        setChangeColour(change->rise ? QColor(0, 255, 0) : QColor(255, 0, 0));
        targets_.changeReadout.setText(change->text);
    }
}

// A new palette makes Qt tell the label and repaint it, so an unchanged
// colour is left alone: a sweep of the crosshair mostly keeps it.
void CrosshairController::setChangeColour(const QColor &colour)
{
    if (targets_.changeReadout.palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = targets_.changeReadout.palette();
    palette.setColor(QPalette::WindowText, colour);
    targets_.changeReadout.setPalette(palette);
}

}   // namespace quotechart
