#include "controllers/NavigationController.h"

#include "document/ChartModel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace quotechart {

namespace {

constexpr int RepeatInterval = 300;   // ms between the steps of a held arrow
constexpr int WheelNotch = 120;       // eighths of a degree in one notch of a mouse wheel
const QColor Pressed(35, 35, 35);

void setLook(QLabel &arrow, bool pressed)
{
    QPalette palette = arrow.palette();
    palette.setColor(QPalette::Window, pressed ? Pressed : QColor(Qt::white));
    palette.setColor(QPalette::WindowText, pressed ? QColor(Qt::white) : Pressed);
    arrow.setPalette(palette);
}

VisibleRange forward(VisibleRange range, int16_t) { return pagedForward(range); }
VisibleRange narrower(VisibleRange range, int16_t) { return zoomedIn(range); }

}   // namespace

NavigationController::NavigationController(ChartModel &model, NavigationWidgets widgets, ChartActions actions)
    : model_(model), widgets_(widgets), actions_(std::move(actions))
{
    widgets_.newerArrow.installEventFilter(this);
    widgets_.olderArrow.installEventFilter(this);
    widgets_.pricePane.installEventFilter(this);
    connect(&widgets_.newerRepeat, &QTimer::timeout, this, [this] { stepNewer(); });
    connect(&widgets_.olderRepeat, &QTimer::timeout, this, [this] { stepOlder(); });
}

// With no history loaded there are no days to move over: the window stays,
// and the redraw still runs.
void NavigationController::moveBy(VisibleRange (*change)(VisibleRange, int16_t))
{
    const int16_t N = model_.history().record_count;
    if (N > 0)
        model_.setRange(change(model_.range(), N));
    actions_.redraw();
}

void NavigationController::pageOlder() { moveBy(pagedBackward); }
void NavigationController::pageNewer() { moveBy(forward); }
void NavigationController::zoomIn() { moveBy(narrower); }
void NavigationController::zoomOut() { moveBy(zoomedOut); }

bool NavigationController::stepOlder() { return takeStep(steppedOlder(model_.range(), model_.history().record_count)); }

bool NavigationController::stepNewer() { return takeStep(steppedNewer(model_.range())); }

bool NavigationController::takeStep(const std::optional<VisibleRange> &moved)
{
    if (!moved)
        return false;
    model_.setRange(*moved);
    actions_.redraw();
    return true;
}

bool NavigationController::key(int key)
{
    switch (key) {
    case Qt::Key_Left: stepOlder(); return true;
    case Qt::Key_Right: stepNewer(); return true;
    case Qt::Key_PageUp: pageOlder(); return true;
    case Qt::Key_PageDown: pageNewer(); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomIn(); return true;
    case Qt::Key_Minus: zoomOut(); return true;
    case Qt::Key_Escape: return true;   // taken, so that it closes nothing around the chart
    default: return false;
    }
}

// Whole notches zoom, one step each; parts of a notch (a touchpad's) add up.
// However far one event turns the wheel, it redraws once.
void NavigationController::zoomByWheel(int angleDelta)
{
    if ((wheelAngle_ > 0 && angleDelta < 0) || (wheelAngle_ < 0 && angleDelta > 0))
        wheelAngle_ = 0;   // a turn the other way starts afresh
    wheelAngle_ += angleDelta;
    const int notches = wheelAngle_ / WheelNotch;
    wheelAngle_ -= notches * WheelNotch;
    if (notches == 0)
        return;
    const int16_t N = model_.history().record_count;
    if (N > 0)
        model_.setRange(zoomedBySteps(model_.range(), N, notches));
    actions_.redraw();
}

bool NavigationController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &widgets_.pricePane && event->type() == QEvent::Wheel) {
        zoomByWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (watched == &widgets_.newerArrow)
        return arrowEvent(widgets_.newerArrow, widgets_.newerRepeat, true, event);
    if (watched == &widgets_.olderArrow)
        return arrowEvent(widgets_.olderArrow, widgets_.olderRepeat, false, event);
    return false;
}

// Press and hold on an arrow label: the pressed look and its timer while
// held, the idle look on release, and the click that follows a release over
// the label adds its own step.
bool NavigationController::arrowEvent(QLabel &arrow, QTimer &repeat, bool newer, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        setLook(arrow, true);
        repeat.setInterval(RepeatInterval);
        repeat.start();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        setLook(arrow, false);
        repeat.stop();
        if (arrow.rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            newer ? stepNewer() : stepOlder();
        return true;
    }
    return false;
}

}   // namespace quotechart
