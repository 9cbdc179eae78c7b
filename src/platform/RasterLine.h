#pragma once
// One-pixel aliased lines written straight into an RGB32 image: the drawing
// that fills a chart (bars, averages, indicator lines) done without the
// general painter's per-call work, with exactly predictable pixels.

#include <QImage>
#include <QPoint>

#include <cstdint>

namespace platform {

// Pixels on and off along a dashed or dotted line; {0, 0} is solid.
struct DashPattern {
    int on = 0;
    int off = 0;
};

enum class LineEnd { Painted, Unpainted };

// The pixels of an RGB32 image, taken once for a batch of lines.
struct RasterTarget {
    uint32_t *pixels = nullptr;
    qsizetype stride = 0;   // pixels from one row to the next
    int width = 0;
    int height = 0;
};

// Detaches the image from any copy sharing it, so the pixels can be written.
RasterTarget rasterTarget(QImage &image);

// Draws from `from` to `to` (Bresenham), in `colour` or inverting each pixel.
// Pixels outside the image are skipped; a line much longer than the image is
// cut to it first so it costs only its visible part.
void rasterLine(const RasterTarget &target, QPoint from, QPoint to, QRgb colour, bool invert, DashPattern dash,
                LineEnd end);

}   // namespace platform
