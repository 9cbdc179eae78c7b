#pragma once
// A screen for tests: a framebuffer where the halftone inversion really
// inverts pixels, windows with scripted rectangles (widgets without one are
// measured where they are), a scripted cursor and capture owner, and a
// journal of what the controls did to the screen.

#include "Screen.h"

#include <QHash>
#include <QImage>
#include <QStringList>

class SimulatedScreen : public splitbay6::Screen {
public:
    explicit SimulatedScreen(QSize size = QSize(640, 480));

    // Scripting.
    splitbay6::WindowHandle addWindow(const splitbay6::ScreenRect &rect);
    void setWindowRect(splitbay6::WindowHandle window, const splitbay6::ScreenRect &rect);
    void setDocumentArea(splitbay6::WindowHandle container, splitbay6::WindowHandle area);
    void setCursor(QPoint at) { cursor_ = at; }
    void setCaptureOwner(splitbay6::WindowHandle window) { capture_ = window; }

    // What the screen shows, and what it showed before any inversion.
    const QImage &framebuffer() const { return framebuffer_; }
    const QImage &desktop() const { return desktop_; }
    // "invert x,y wxh", "repaint", "capture N", "release N", in order; tests
    // may add their own entries to see the order of events.
    QStringList journal;
    int repaints = 0;

    splitbay6::WindowHandle handleOf(QWidget *window) override;
    std::optional<splitbay6::ScreenRect> windowRect(splitbay6::WindowHandle window) const override;
    splitbay6::WindowHandle documentArea(splitbay6::WindowHandle container) const override;
    QPoint cursorPos() const override { return cursor_; }
    splitbay6::WindowHandle captureOwner() const override { return capture_; }
    void setCapture(splitbay6::WindowHandle window) override;
    void releaseCapture(splitbay6::WindowHandle window) override;
    void invertHalftone(const QRect &area) override;
    void repaintAll() override;

private:
    QImage desktop_;
    QImage framebuffer_;
    int32_t nextHandle_ = 1000;
    QHash<const QWidget *, int32_t> widgets_;
    QHash<int32_t, QWidget *> widgetOf_;
    QHash<int32_t, splitbay6::ScreenRect> rects_;
    QHash<int32_t, int32_t> documentAreas_;
    QPoint cursor_;
    splitbay6::WindowHandle capture_;
};

QString inversionText(const QRect &area);
