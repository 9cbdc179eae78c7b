#include "printing/PrintArrow.h"

#include "platform/SurfaceRegion.h"

#include <QPolygon>

namespace quotechart {

void PrintArrow(int x, int y, platform::SurfaceRegion &dc, bool is_buy)
{
    const int s = is_buy ? 1 : -1;
    const QPolygon shape({QPoint(x, y + s * 5), QPoint(x + 12, y + s * 25), QPoint(x + 4, y + s * 25),
                          QPoint(x + 4, y + s * 50), QPoint(x - 4, y + s * 50), QPoint(x - 4, y + s * 25),
                          QPoint(x - 12, y + s * 25)});
    dc.fillPolygonPixels(shape, is_buy ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

}   // namespace quotechart
