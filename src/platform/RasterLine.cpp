#include "platform/RasterLine.h"

#include "platform/Segment.h"

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
    double x1 = from.x(), y1 = from.y(), x2 = to.x(), y2 = to.y();
    if (!clipSegment(x1, y1, x2, y2, -2, -2, target.width + 1, target.height + 1, &endCut))
        return false;
    from = QPoint(int(std::lround(x1)), int(std::lround(y1)));
    to = QPoint(int(std::lround(x2)), int(std::lround(y2)));
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
    uint32_t *pixel = target.pixels +
        (vertical ? qsizetype(first) * target.stride + fixed : qsizetype(fixed) * target.stride + first);
    const uint32_t value = colour | 0xFF000000u;
    const int period = dash.on + dash.off;
    if (period == 0 && !invert) {
        for (int p = first; p <= lastPixel; ++p, pixel += step)
            *pixel = value;
        return;
    }
    // Dashes count from the line's start, whichever way it runs: the phase
    // of the first pixel, then a step forward or back per pixel.
    int phase = period != 0 ? (direction * (first - a)) % period : 0;
    for (int p = first; p <= lastPixel; ++p, pixel += step) {
        if (period == 0 || phase < dash.on)
            *pixel = invert ? (*pixel ^ 0x00FFFFFFu) : value;
        if (period != 0)
            phase = direction > 0 ? (phase + 1 == period ? 0 : phase + 1) : (phase == 0 ? period - 1 : phase - 1);
    }
}

class PixelWriter {
public:
    PixelWriter(const RasterTarget &target, QRgb colour, bool invert)
        : target_(target), colour_(colour | 0xFF000000u), invert_(invert)
    {}

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

bool inside(const RasterTarget &target, QPoint p)
{
    return unsigned(p.x()) < unsigned(target.width) && unsigned(p.y()) < unsigned(target.height);
}

// A solid slanted line with both ends in the image, the most common kind (an
// average's segments): every pixel between lies inside too, so none needs
// checking. The walk's steps are taken on a pixel pointer; it makes one step
// per pixel along the longer axis, so it ends after that many, with no
// coordinates kept or compared.
void solidInside(const RasterTarget &target, QPoint from, QPoint to, QRgb colour, bool invert, LineEnd end)
{
    const uint32_t value = colour | 0xFF000000u;
    const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
    const qsizetype stepX = from.x() < to.x() ? 1 : -1;
    const qsizetype stepY = from.y() < to.y() ? target.stride : -target.stride;
    int pixels = std::max(dx, -dy) + (end == LineEnd::Painted ? 1 : 0);
    uint32_t *pixel = target.pixels + qsizetype(from.y()) * target.stride + from.x();
    int error = dx + dy;
    while (pixels-- > 0) {
        *pixel = invert ? (*pixel ^ 0x00FFFFFFu) : value;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            pixel += stepX;
        }
        if (twice <= dx) {
            error += dx;
            pixel += stepY;
        }
    }
}

}   // namespace

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
    const int period = dash.on + dash.off;
    if (period == 0 && inside(target, from) && inside(target, to)) {
        solidInside(target, from, to, colour, invert, end);
        return;
    }
    PixelWriter writer(target, colour, invert);
    int step = 0;
    walkSegment(from, to, [&](int x, int y) {
        if (end == LineEnd::Unpainted && x == to.x() && y == to.y())
            return false;
        if (period == 0 || step % period < dash.on)
            writer.put(x, y);
        ++step;
        return true;
    });
}

}   // namespace platform
