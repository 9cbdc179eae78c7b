#include "platform/RasterLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace platform {

namespace {

// Cuts a long segment to a little more than the image, in floating point;
// the rounded ends may differ by a pixel from the uncut line's, which only
// happens where the line leaves the image anyway.
bool cutToImage(QPoint &from, QPoint &to, const RasterTarget &target, bool &endCut)
{
    const double lo = -2, hiX = target.width + 1, hiY = target.height + 1;
    double x1 = from.x(), y1 = from.y(), x2 = to.x(), y2 = to.y();
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - lo, hiX - x1, y1 - lo, hiY - y1};
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
    endCut = t1 < 1;
    from = QPoint(int(std::lround(x1 + t0 * dx)), int(std::lround(y1 + t0 * dy)));
    to = QPoint(int(std::lround(x1 + t1 * dx)), int(std::lround(y1 + t1 * dy)));
    return true;
}

// A straight run along one axis: the bulk of a chart's lines (bars, ticks,
// grid lines), done with a pointer step per pixel.
void axisRun(const RasterTarget &target, QPoint from, QPoint to, QRgb colour, bool invert, DashPattern dash,
             LineEnd end)
{
    const bool vertical = from.x() == to.x();
    const int fixed = vertical ? from.x() : from.y();
    if (unsigned(fixed) >= unsigned(vertical ? target.width : target.height))
        return;
    int a = vertical ? from.y() : from.x(), b = vertical ? to.y() : to.x();
    const int direction = a <= b ? 1 : -1;
    if (end == LineEnd::Unpainted)
        b -= direction;
    const int length = vertical ? target.height : target.width;
    const int first = std::clamp(std::min(a, b), 0, length), lastPixel = std::clamp(std::max(a, b), -1, length - 1);
    if (first > lastPixel)
        return;
    const qsizetype step = vertical ? target.stride : 1;
    uint32_t *pixel = target.pixels + (vertical ? qsizetype(first) * target.stride + fixed
                                                : qsizetype(fixed) * target.stride + first);
    const uint32_t value = colour | 0xFF000000u;
    const int period = dash.on + dash.off;
    if (period == 0 && !invert) {
        for (int p = first; p <= lastPixel; ++p, pixel += step)
            *pixel = value;
        return;
    }
    for (int p = first; p <= lastPixel; ++p, pixel += step) {
        // Dashes count from the line's start, whichever way it runs.
        if (period != 0 && (direction * (p - a)) % period >= dash.on)
            continue;
        *pixel = invert ? (*pixel ^ 0x00FFFFFFu) : value;
    }
}

class PixelWriter {
public:
    PixelWriter(const RasterTarget &target, QRgb colour, bool invert)
        : target_(target), colour_(colour | 0xFF000000u), invert_(invert)
    {
    }

    void put(int x, int y)
    {
        if (unsigned(x) >= unsigned(target_.width) || unsigned(y) >= unsigned(target_.height))
            return;
        uint32_t *pixel = target_.pixels + qsizetype(y) * target_.stride + x;
        *pixel = invert_ ? (*pixel ^ 0x00FFFFFFu) : colour_;
    }

private:
    const RasterTarget &target_;
    uint32_t colour_;
    bool invert_;
};

} // namespace

RasterTarget rasterTarget(QImage &image)
{
    return {reinterpret_cast<uint32_t *>(image.bits()), image.bytesPerLine() / 4, image.width(), image.height()};
}

void rasterLine(const RasterTarget &target, QPoint from, QPoint to, QRgb colour, bool invert, DashPattern dash,
                LineEnd end)
{
    const int longest = 4 * (target.width + target.height);
    if (std::abs(to.x() - from.x()) > longest || std::abs(to.y() - from.y()) > longest) {
        bool endCut = false;
        if (!cutToImage(from, to, target, endCut))
            return;
        if (endCut)
            end = LineEnd::Painted;   // the real end lies outside the image
    }
    if (from.x() == to.x() || from.y() == to.y()) {
        if (from == to && end == LineEnd::Unpainted)
            return;
        axisRun(target, from, to, colour, invert, dash, end);
        return;
    }
    PixelWriter writer(target, colour, invert);
    const int period = dash.on + dash.off;
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    for (int step = 0;; ++step) {
        const bool last = x == to.x() && y == to.y();
        if (last && end == LineEnd::Unpainted)
            return;
        if (period == 0 || step % period < dash.on)
            writer.put(x, y);
        if (last)
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

} // namespace platform
