#pragma once
// The close box in the pane's top-right corner: an X in a small 3-D frame.
// Positions of the pointer are in twips of the pane (W its width); the frame
// is placed in pixels of the pane's window.

#include <QRect>

#include <cstdint>
#include <optional>

class QPainter;
class QPalette;

namespace splitbay6 {

// The frame styles, numbered as 3-D edge styles are.
enum class EdgeStyle : int { Raised = 5, Etched = 6 };

// Left, top, right, bottom in pixels; right and bottom lie just outside.
struct EdgeRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend constexpr bool operator==(const EdgeRect &, const EdgeRect &) = default;
};

// CloseBoxRect for a pane W twips wide; none when it cannot be computed.
std::optional<EdgeRect> closeBoxRect(double W, double twipsPerPixelX);

// The pointer is over the box: the frame is drawn raised.
bool inCloseBoxHotZone(double W, double X, double Y);
// A release here is a click on the X: narrower than the hot zone.
bool inCloseBoxClickZone(double W, double X, double Y);

// Draws the X in `foreground` and the frame around CloseBoxRect.
void drawCloseBox(QPainter &painter, double W, double twipsPerPixelX, double twipsPerPixelY, const QPalette &palette,
                  EdgeStyle style);
// A two-pixel 3-D frame on all four sides of `rect`.
void drawEdge(QPainter &painter, const EdgeRect &rect, EdgeStyle style, const QPalette &palette);

}   // namespace splitbay6
