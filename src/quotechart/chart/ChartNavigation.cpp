// REvuved's paging, zoom and the day-stepping arrows with their timers.

#include "chart/ChartPrivate.h"
#include "document/VisibleRange.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace quotechart {

namespace {

constexpr int RepeatInterval = 300;   // ms between the steps of a held arrow
constexpr int WheelNotch = 120;       // eighths of a degree in one notch of a mouse wheel
const QColor Pressed(35, 35, 35);

VisibleRange rangeOf(const REvuved &chart) { return {chart.starting_date_local, chart.ending_date_local}; }

void setLook(QLabel *arrow, bool pressed)
{
    QPalette palette = arrow->palette();
    palette.setColor(QPalette::Window, pressed ? Pressed : QColor(Qt::white));
    palette.setColor(QPalette::WindowText, pressed ? QColor(Qt::white) : Pressed);
    arrow->setPalette(palette);
}

// With no history loaded there are no days to move over: the window stays,
// and the redraw still runs.
void moveTo(REvuved &chart, VisibleRange (*change)(VisibleRange, int16_t))
{
    const int16_t N = chart.history().record_count;
    if (N <= 0)
        return;
    const VisibleRange moved = change(rangeOf(chart), N);
    chart.starting_date_local = moved.s;
    chart.ending_date_local = moved.e;
}

VisibleRange forward(VisibleRange range, int16_t) { return pagedForward(range); }
VisibleRange narrower(VisibleRange range, int16_t) { return zoomedIn(range); }

}   // namespace

void REvuved::GoBackward()
{
    moveTo(*this, pagedBackward);
    redraw();
}

void REvuved::GoForward()
{
    moveTo(*this, forward);
    redraw();
}

void REvuved::ZoomIn()
{
    moveTo(*this, narrower);
    redraw();
}

void REvuved::ZoomOut()
{
    moveTo(*this, zoomedOut);
    redraw();
}

// Whole notches zoom, one step each; parts of a notch (a touchpad's) add up.
// However far one event turns the wheel, it redraws once.
void REvuved::zoomByWheel(int angleDelta)
{
    int &angle = d->interaction.wheel_angle;
    if ((angle > 0 && angleDelta < 0) || (angle < 0 && angleDelta > 0))
        angle = 0;   // a turn the other way starts afresh
    angle += angleDelta;
    const int notches = angle / WheelNotch;
    angle -= notches * WheelNotch;
    if (notches == 0)
        return;
    const int16_t N = d->history->record_count;
    if (N > 0) {
        const VisibleRange zoomed = zoomedBySteps(rangeOf(*this), N, notches);
        starting_date_local = zoomed.s;
        ending_date_local = zoomed.e;
    }
    redraw();
}

// The five-day steps refuse a step that would leave the history, and then
// draw nothing.
bool REvuved::stepOlder() { return takeStep(steppedOlder(rangeOf(*this), d->history->record_count)); }
bool REvuved::stepNewer() { return takeStep(steppedNewer(rangeOf(*this))); }

bool REvuved::takeStep(const std::optional<VisibleRange> &moved)
{
    if (!moved)
        return false;
    starting_date_local = moved->s;
    ending_date_local = moved->e;
    redraw();
    return true;
}

// Press and hold on an arrow label: the pressed look and its timer while
// held, the idle look on release, and the click that follows a release over
// the label adds its own step.
bool REvuved::arrowEvent(QObject *watched, QEvent *event)
{
    ChartWidgets &w = d->widgets;
    const bool forward = watched == w.TimeForward;
    if (!forward && watched != w.TimeBackward)
        return false;
    QLabel *arrow = forward ? w.TimeForward : w.TimeBackward;
    QTimer *timer = forward ? w.Timer1 : w.Timer2;
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        setLook(arrow, true);
        timer->setInterval(RepeatInterval);
        timer->start();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        setLook(arrow, false);
        timer->stop();
        if (arrow->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            forward ? stepNewer() : stepOlder();
        return true;
    }
    return false;
}

}   // namespace quotechart
