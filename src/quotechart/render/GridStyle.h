#pragma once
// The grid lines across the price pane: dotted, in a dark red that stays
// behind the bars.

#include "platform/SurfaceRegion.h"

#include <QColor>

namespace quotechart {

inline const QColor GridColour(150, 60, 60);

// Draws one grid line and leaves the pane drawing solid black lines again.
inline void drawGridLine(platform::SurfaceRegion &pane, double x1, double y1, double x2, double y2)
{
    pane.setDrawStyle(platform::LineStyle::Dot);
    pane.line(x1, y1, x2, y2, GridColour);
    pane.setForeColor(Qt::black);
    pane.setDrawStyle(platform::LineStyle::Solid);
}

}   // namespace quotechart
