#include "PaneLayout.h"

namespace splitbay6 {

std::optional<BarAlong> barAlong(int alignment, const ScaleRect &pane)
{
    if (!isDockEdge(alignment))
        return std::nullopt;
    if (sizedVertically(alignment))
        return BarAlong{pane.left, pane.width};
    return BarAlong{pane.top, pane.height};
}

std::optional<double> barAcross(int alignment, const ScaleRect &pane, double barThickness)
{
    switch (alignment) {
    case DockTop: return pane.height - barThickness;
    case DockBottom: return pane.top;
    case DockLeft: return pane.width - barThickness;
    case DockRight: return pane.left;
    default: return std::nullopt;
    }
}

std::optional<FreeArea> freeAreaFor(int alignment, const ScaleRect &pane, double barWidth, double barHeight)
{
    switch (alignment) {
    case DockTop: return FreeArea{pane.height - barHeight, pane.left, pane.top, pane.width};
    case DockBottom: return FreeArea{pane.height - barHeight, pane.left, barHeight + pane.top, pane.width};
    case DockLeft: return FreeArea{pane.height, pane.left, pane.top, pane.width - barWidth};
    case DockRight: return FreeArea{pane.height, barWidth + pane.left, pane.top, pane.width - barWidth};
    default: return std::nullopt;
    }
}

}   // namespace splitbay6
