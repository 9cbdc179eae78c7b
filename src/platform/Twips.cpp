#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

double factor(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? (horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) : 96.0;
    return dpi > 0 ? TwipsPerInch / dpi : 15.0;
}

}   // namespace

double twipsPerPixelX() { return factor(true); }
double twipsPerPixelY() { return factor(false); }

}   // namespace platform
