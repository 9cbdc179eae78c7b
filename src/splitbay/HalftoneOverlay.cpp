#include "HalftoneOverlay.h"

#include "Halftone.h"

#include <QPainter>

namespace splitbay6 {

namespace {

// A tool tip window is unmanaged on X11 and stays above the application's
// windows; the rest keeps it out of the way of input and focus.
constexpr Qt::WindowFlags OverlayFlags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
    Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;

}   // namespace

HalftoneOverlay::HalftoneOverlay(const QRect &area) : QWidget(nullptr, OverlayFlags)
{
    setObjectName(QStringLiteral("splitbay6.ghostBar"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(area);
}

void HalftoneOverlay::paintEvent(QPaintEvent *)
{
    // What inverting a plain window face with the pattern looks like.
    const QColor face = palette().color(QPalette::Window);
    const QColor inverted(face.rgb() ^ 0x00FFFFFFu);
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(halftoneTile(face, inverted)));
}

}   // namespace splitbay6
