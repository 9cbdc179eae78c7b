#pragma once
// The screen-level calls the dock pane and its splitter bar make: window
// rectangles and the cursor in screen pixels, the mouse capture, the ghost bar
// inverted over all windows, and repainting everything. Behind this seam the
// controls run on Qt (QtScreen) or on a simulated screen in tests.

#include <QMetaType>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <memory>
#include <optional>

class QWidget;

namespace splitbay6 {

// A window as the controls name it: a 32-bit number that only the screen
// which issued it can resolve. 0 is no window.
class WindowHandle {
public:
    constexpr WindowHandle() = default;
    constexpr explicit WindowHandle(int32_t value) : value_(value) {}

    constexpr int32_t value() const { return value_; }
    constexpr bool isNull() const { return value_ == 0; }
    friend constexpr bool operator==(WindowHandle, WindowHandle) = default;

private:
    int32_t value_ = 0;
};

// A screen rectangle in pixels; right and bottom lie just outside it.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend constexpr bool operator==(const ScreenRect &, const ScreenRect &) = default;
};

class Screen {
public:
    virtual ~Screen();

    // The handle of a widget's window (issued on first use); 0 for none.
    virtual WindowHandle handleOf(QWidget *window) = 0;
    // The window's rectangle on the screen, frame included; none when the
    // handle names no living window.
    virtual std::optional<ScreenRect> windowRect(WindowHandle window) const = 0;
    // The document-area window among the direct children of `container`.
    virtual WindowHandle documentArea(WindowHandle container) const = 0;

    virtual QPoint cursorPos() const = 0;
    virtual WindowHandle captureOwner() const = 0;
    virtual void setCapture(WindowHandle window) = 0;
    // The framework's release when the last button goes up; a window that
    // does not hold the capture releases nothing.
    virtual void releaseCapture(WindowHandle window) = 0;

    // Inverts `area` with the halftone pattern, its origin at the area's
    // top-left corner; inverting the same area again restores the screen.
    virtual void invertHalftone(const QRect &area) = 0;
    // Every window repaints itself, which wipes out any inverted area.
    virtual void repaintAll() = 0;
};

// The Qt screen the controls use unless they are given another; one is shared
// by all controls of the thread while any of them lives.
std::shared_ptr<Screen> defaultScreen();

}   // namespace splitbay6

Q_DECLARE_METATYPE(splitbay6::WindowHandle)
