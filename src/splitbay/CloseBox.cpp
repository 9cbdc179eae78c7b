#include "CloseBox.h"

#include "platform/Rounding.h"

#include <QPainter>
#include <QPalette>

namespace splitbay6 {

namespace {

std::optional<int32_t> pixel(double twips, double twipsPerPixel)
{
    const auto ratio = platform::divide(twips, twipsPerPixel);
    return ratio ? platform::toInt32(*ratio) : std::nullopt;
}

// One side pair of a frame: the top and left lines in one colour, then the
// bottom and right lines, corners included, in the other.
void drawBorder(QPainter &painter, const EdgeRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    painter.setPen(topLeft);
    painter.drawLine(r.left, r.top, r.right - 1, r.top);
    painter.drawLine(r.left, r.top, r.left, r.bottom - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left, r.bottom - 1, r.right - 1, r.bottom - 1);
    painter.drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1);
}

}   // namespace

std::optional<EdgeRect> closeBoxRect(double W, double twipsPerPixelX)
{
    const auto widthPixels = platform::divide(W, twipsPerPixelX);
    if (!widthPixels)
        return std::nullopt;
    const auto left = platform::toInt32(*widthPixels - 19);
    const auto right = platform::toInt32(*widthPixels - 4);
    if (!left || !right)
        return std::nullopt;
    return EdgeRect{*left, 0, *right, 14};
}

bool inCloseBoxHotZone(double W, double X, double Y) { return W - 250 < X && X < W && 0 < Y && Y < 165; }

bool inCloseBoxClickZone(double W, double X, double Y) { return 45 <= Y && Y <= 165 && W - 250 < X && X < W - 115; }

void drawCloseBox(QPainter &painter, double W, double twipsPerPixelX, double twipsPerPixelY, const QPalette &palette,
                  EdgeStyle style)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette.color(QPalette::WindowText));
    const auto line = [&](double x1, double y1, double x2, double y2) {
        const auto px1 = pixel(x1, twipsPerPixelX), py1 = pixel(y1, twipsPerPixelY);
        const auto px2 = pixel(x2, twipsPerPixelX), py2 = pixel(y2, twipsPerPixelY);
        if (px1 && py1 && px2 && py2)
            painter.drawLine(*px1, *py1, *px2, *py2);
    };
    line(W - 135, 45, W - 250, 165);
    line(W - 240, 45, W - 115, 165);
    if (const auto box = closeBoxRect(W, twipsPerPixelX))
        drawEdge(painter, *box, style, palette);
    painter.restore();
}

void drawEdge(QPainter &painter, const EdgeRect &rect, EdgeStyle style, const QPalette &palette)
{
    const QColor highlight = palette.color(QPalette::Light);
    const QColor light = palette.color(QPalette::Midlight);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor darkShadow = palette.color(QPalette::Shadow);
    const EdgeRect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (style == EdgeStyle::Raised) {
        drawBorder(painter, rect, light, darkShadow);
        drawBorder(painter, inner, highlight, shadow);
    } else {
        // Etched: a sunken outer line inside a raised inner one.
        drawBorder(painter, rect, shadow, highlight);
        drawBorder(painter, inner, highlight, shadow);
    }
    painter.restore();
}

}   // namespace splitbay6
