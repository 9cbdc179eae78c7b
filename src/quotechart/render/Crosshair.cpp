#include "render/Crosshair.h"

#include "platform/SurfaceRegion.h"

namespace quotechart {

void invertVerticalLine(const VerticalLineSurfaces &surfaces, double x)
{
    for (platform::SurfaceRegion *surface : surfaces)
        surface->setDrawMode(platform::DrawMode::Invert);
    for (platform::SurfaceRegion *surface : surfaces)
        surface->line(x, 0, x, surface->scaleHeight());
}

void invertVerticalLine(platform::SurfaceRegion &surface, double x)
{
    surface.setDrawMode(platform::DrawMode::Invert);
    surface.line(x, 0, x, surface.scaleHeight());
}

void invertHorizontalLine(platform::SurfaceRegion &pane, double y)
{
    pane.setDrawMode(platform::DrawMode::Invert);
    pane.setDrawStyle(platform::LineStyle::Dash);
    pane.line(0, y, pane.scaleWidth(), y);
}

void restoreCopyPen(const VerticalLineSurfaces &surfaces)
{
    for (platform::SurfaceRegion *surface : surfaces)
        surface->setDrawMode(platform::DrawMode::CopyPen);
}

void restoreSolidCopyPen(platform::SurfaceRegion &pane)
{
    pane.setDrawMode(platform::DrawMode::CopyPen);
    pane.setDrawStyle(platform::LineStyle::Solid);
}

}   // namespace quotechart
