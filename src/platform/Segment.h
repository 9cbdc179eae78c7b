#pragma once
// Line segments in pixels: cutting one to a box, and walking its pixels.

#include <QPoint>

#include <algorithm>
#include <cstdlib>

namespace platform {

// Cuts the segment to the box (Liang-Barsky). False when none of it lies
// inside; `endCut` says whether the end point had to move.
inline bool clipSegment(double &x1, double &y1, double &x2, double &y2, double minX, double minY, double maxX,
                        double maxY, bool *endCut = nullptr)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - minX, maxX - x1, y1 - minY, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    if (endCut)
        *endCut = t1 < 1.0;
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

// Visits the pixels of the segment from `from` to `to` (Bresenham), both
// ends included, in order; visit(x, y) returns false to stop early.
template <typename Visit> void walkSegment(QPoint from, QPoint to, Visit visit)
{
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (!visit(x, y) || (x == to.x() && y == to.y()))
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

}   // namespace platform
