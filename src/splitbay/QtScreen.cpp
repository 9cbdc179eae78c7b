#include "QtScreen.h"

#include "HalftoneOverlay.h"

#include <QApplication>
#include <QCursor>
#include <QMdiArea>
#include <QMouseEvent>

#include <atomic>

namespace splitbay6 {

namespace {

// Handles are never reused in a process, so one kept beyond its window's
// life can never name another window.
int32_t nextHandleValue()
{
    static std::atomic<int32_t> next{0};
    return ++next;
}

ScreenRect toScreenRect(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}   // namespace

Screen::~Screen() = default;

std::shared_ptr<Screen> defaultScreen()
{
    static thread_local std::weak_ptr<Screen> shared;
    if (auto screen = shared.lock())
        return screen;
    auto screen = std::make_shared<QtScreen>();
    shared = screen;
    return screen;
}

QtScreen::QtScreen()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

QtScreen::~QtScreen() = default;

WindowHandle QtScreen::handleOf(QWidget *window) { return issueHandle(window); }

WindowHandle QtScreen::issueHandle(QWidget *window) const
{
    if (!window)
        return {};
    if (const int32_t known = handles_.value(window, 0))
        return WindowHandle(known);
    const int32_t value = nextHandleValue();
    windows_.insert(value, window);
    handles_.insert(window, value);
    connect(window, &QObject::destroyed, this, [this, value](QObject *gone) {
        windows_.remove(value);
        handles_.remove(gone);
    });
    return WindowHandle(value);
}

QWidget *QtScreen::windowOf(WindowHandle window) const
{
    return window.isNull() ? nullptr : windows_.value(window.value()).data();
}

std::optional<ScreenRect> QtScreen::windowRect(WindowHandle window) const
{
    const QWidget *widget = windowOf(window);
    if (!widget)
        return std::nullopt;
    if (widget->isWindow())
        return toScreenRect(widget->frameGeometry());
    return toScreenRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

WindowHandle QtScreen::documentArea(WindowHandle container) const
{
    const QWidget *parent = windowOf(container);
    if (!parent)
        return {};
    // Direct children only, so an MDI area inside a pane or a document is not taken.
    return issueHandle(parent->findChild<QMdiArea *>(QString(), Qt::FindDirectChildrenOnly));
}

QPoint QtScreen::cursorPos() const
{
    // QCursor follows the real pointer where the platform reports it; where
    // it does not (offscreen, some compositors) the last mouse event is the
    // best knowledge. Whichever changed last wins.
    const QPoint cursor = QCursor::pos();
    if (lastEventPos_ && cursor == cursorAtLastEvent_)
        return *lastEventPos_;
    return cursor;
}

bool QtScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        if (watched->isWidgetType()) {
            lastEventPos_ = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            cursorAtLastEvent_ = QCursor::pos();
        }
        break;
    default: break;
    }
    return false;
}

WindowHandle QtScreen::captureOwner() const { return issueHandle(QWidget::mouseGrabber()); }

void QtScreen::setCapture(WindowHandle window)
{
    if (QWidget *widget = windowOf(window))
        widget->grabMouse();
}

void QtScreen::releaseCapture(WindowHandle window)
{
    QWidget *widget = windowOf(window);
    if (widget && QWidget::mouseGrabber() == widget)
        widget->releaseMouse();
}

void QtScreen::invertHalftone(const QRect &area)
{
    if (area.isEmpty())
        return;
    // Inverting an area that shows a ghost bar takes the bar away.
    for (auto ghost = ghosts_.begin(); ghost != ghosts_.end(); ++ghost) {
        if (ghost->first == area) {
            ghosts_.erase(ghost);
            return;
        }
    }
    auto overlay = std::make_unique<HalftoneOverlay>(area);
    overlay->show();
    overlay->raise();
    ghosts_.emplace_back(area, std::move(overlay));
}

void QtScreen::repaintAll()
{
    ghosts_.clear();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->update();
}

QList<QRect> QtScreen::ghostAreas() const
{
    QList<QRect> areas;
    for (const auto &ghost : ghosts_)
        areas.append(ghost.first);
    return areas;
}

}   // namespace splitbay6
