#include "PaneExtent.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace splitbay6 {

int largestPaneExtent(const QWidget &pane, bool vertical)
{
    QSize room;
    if (const QWidget *container = pane.parentWidget())
        room = container->size();
    else if (const QScreen *screen = pane.screen())
        room = screen->geometry().size();
    return std::max(vertical ? room.height() : room.width(), 0);
}

}   // namespace splitbay6
