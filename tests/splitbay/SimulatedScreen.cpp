#include "SimulatedScreen.h"

#include "Halftone.h"

#include <QWidget>

using splitbay6::ScreenRect;
using splitbay6::WindowHandle;

SimulatedScreen::SimulatedScreen(QSize size) : desktop_(size, QImage::Format_RGB32)
{
    // A desktop with no two neighbouring pixels alike, so any change shows.
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            desktop_.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    framebuffer_ = desktop_;
}

WindowHandle SimulatedScreen::addWindow(const ScreenRect &rect)
{
    const WindowHandle window(nextHandle_++);
    rects_.insert(window.value(), rect);
    return window;
}

void SimulatedScreen::setWindowRect(WindowHandle window, const ScreenRect &rect)
{
    rects_.insert(window.value(), rect);
}

void SimulatedScreen::setDocumentArea(WindowHandle container, WindowHandle area)
{
    documentAreas_.insert(container.value(), area.value());
}

WindowHandle SimulatedScreen::handleOf(QWidget *window)
{
    if (!window)
        return {};
    if (!widgets_.contains(window)) {
        widgetOf_.insert(nextHandle_, window);
        widgets_.insert(window, nextHandle_++);
    }
    return WindowHandle(widgets_.value(window));
}

std::optional<ScreenRect> SimulatedScreen::windowRect(WindowHandle window) const
{
    if (window.isNull())
        return std::nullopt;
    if (const auto found = rects_.find(window.value()); found != rects_.end())
        return *found;
    if (const QWidget *widget = widgetOf_.value(window.value())) {
        const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
        return ScreenRect{origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
    }
    return std::nullopt;
}

WindowHandle SimulatedScreen::documentArea(WindowHandle container) const
{
    return WindowHandle(documentAreas_.value(container.value(), 0));
}

void SimulatedScreen::setCapture(WindowHandle window)
{
    capture_ = window;
    journal << QStringLiteral("capture %1").arg(window.value());
}

void SimulatedScreen::releaseCapture(WindowHandle window)
{
    if (capture_ != window)
        return;
    capture_ = {};
    journal << QStringLiteral("release %1").arg(window.value());
}

void SimulatedScreen::invertHalftone(const QRect &area)
{
    splitbay6::invertHalftone(framebuffer_, area);
    journal << inversionText(area);
}

void SimulatedScreen::repaintAll()
{
    framebuffer_ = desktop_;
    ++repaints;
    journal << QStringLiteral("repaint");
}

QString inversionText(const QRect &area)
{
    return QStringLiteral("invert %1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}
