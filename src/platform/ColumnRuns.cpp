#include "platform/ColumnRuns.h"

#include "platform/Segment.h"

#include <algorithm>

namespace platform {

void ColumnRuns::start(QRgb colour, int width)
{
    colour_ = colour;
    if (int(top_.size()) != width) {
        top_.assign(std::size_t(width), 1);
        bottom_.assign(std::size_t(width), 0);
    }
}

void ColumnRuns::add(const RasterTarget &target, int x, int top, int bottom)
{
    if (unsigned(x) >= unsigned(target.width) || std::size_t(x) >= top_.size())
        return;
    top = std::max(top, 0);
    bottom = std::min(bottom, target.height - 1);
    if (top > bottom)
        return;
    int &pendingTop = top_[std::size_t(x)];
    int &pendingBottom = bottom_[std::size_t(x)];
    if (pendingTop > pendingBottom) {
        touched_.push_back(x);
    } else if (top > pendingBottom + 1 || bottom < pendingTop - 1) {
        write(target, x);   // apart from the pending run: that one goes first
    } else {
        pendingTop = std::min(pendingTop, top);
        pendingBottom = std::max(pendingBottom, bottom);
        return;
    }
    pendingTop = top;
    pendingBottom = bottom;
}

void ColumnRuns::addSegment(const RasterTarget &target, QPoint from, QPoint to)
{
    int column = from.x(), top = from.y(), bottom = from.y();
    walkSegment(from, to, [&](int x, int y) {
        if (x != column) {
            add(target, column, top, bottom);
            column = x;
            top = bottom = y;
        } else {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        return true;
    });
    add(target, column, top, bottom);
}

void ColumnRuns::write(const RasterTarget &target, int x)
{
    const int top = top_[std::size_t(x)], bottom = bottom_[std::size_t(x)];
    const uint32_t value = colour_ | 0xFF000000u;
    uint32_t *pixel = target.pixels + qsizetype(top) * target.stride + x;
    for (int y = top; y <= bottom; ++y, pixel += target.stride)
        *pixel = value;
}

void ColumnRuns::writeAll(const RasterTarget &target)
{
    for (const int x : touched_) {
        write(target, x);
        top_[std::size_t(x)] = 1;
        bottom_[std::size_t(x)] = 0;
    }
    touched_.clear();
}

}   // namespace platform
