#include "platform/Canvas.h"

#include "platform/Twips.h"

#include <QImage>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Dots and dashes in screen pixels.
DashPattern screenDash(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash: return {18, 6};
    case LineStyle::Dot: return {3, 3};
    case LineStyle::Solid: break;
    }
    return {};
}

int scaledLength(int screenPixels, double devicePixelsPerScreenPixel)
{
    return std::max(1, int(std::lround(screenPixels * devicePixelsPerScreenPixel)));
}

}   // namespace

Canvas::Canvas(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY)
    : device_(device), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY),
      pixelsPerTwipX_(1 / twipsPerPixelX), pixelsPerTwipY_(1 / twipsPerPixelY),
      devicePixelsPerScreenPixel_(platform::twipsPerPixelX() / twipsPerPixelX)
{
    findDevice();
}

DashPattern Canvas::dash(LineStyle style) const
{
    const DashPattern screen = screenDash(style);
    if (screen.on == 0 || devicePixelsPerScreenPixel_ == 1 || !std::isfinite(devicePixelsPerScreenPixel_))
        return screen;
    return {scaledLength(screen.on, devicePixelsPerScreenPixel_),
            scaledLength(screen.off, devicePixelsPerScreenPixel_)};
}

Canvas::~Canvas() { flush(); }

void Canvas::setScale(double twipsPerPixelX, double twipsPerPixelY, double pixelRatio)
{
    flush();
    twipsPerPixelX_ = twipsPerPixelX;
    twipsPerPixelY_ = twipsPerPixelY;
    pixelsPerTwipX_ = 1 / twipsPerPixelX;
    pixelsPerTwipY_ = 1 / twipsPerPixelY;
    devicePixelsPerScreenPixel_ = platform::twipsPerPixelX() / twipsPerPixelX;
    pixelRatio_ = pixelRatio;
}

// Thin lines on an RGB32 image are written straight into its pixels; any
// other device (a printer) goes through the painter.
void Canvas::findDevice()
{
    deviceRect_ = device_ ? QRect(0, 0, device_->width(), device_->height()) : QRect();
    raster_ = nullptr;
    if (device_ && device_->devType() == QInternal::Image) {
        auto *image = static_cast<QImage *>(device_);
        if (image->format() == QImage::Format_RGB32)
            raster_ = image;
    }
}

void Canvas::setDevice(QPaintDevice *device)
{
    flush();
    filled_.reset();
    device_ = device;
    findDevice();
}

namespace {

qint64 area(const QRect &r) { return qint64(r.width()) * r.height(); }

}   // namespace

// A change close to the last one is passed on joined with it when the box
// round both holds at most twice their pixels: the crosshair's old and new
// columns a few pixels apart then repaint as one box, each row copied once
// instead of twice, where rows lie a page apart and visiting one costs more
// than copying a few more pixels of it.
void Canvas::markChanged(const QRect &pixels)
{
    if (pixels.isEmpty() || dirty_.contains(pixels))
        return;
    dirty_ |= pixels;
    const QRect joined = reported_ | pixels;
    const bool nearby = !reported_.isNull() && area(joined) <= 2 * (area(reported_) + area(pixels));
    reported_ = nearby ? joined : pixels;
    if (changed_)
        changed_(reported_);
}

void Canvas::flush()
{
    writePendingRuns();
    if (painter_)
        painter_->end();
    painter_.reset();
    painterWindow_.reset();
    penInUse_.reset();
    compositionInUse_ = QPainter::CompositionMode_SourceOver;
    target_.reset();   // a copy of the image may be taken until the next batch
    dirty_ = QRect();
    reported_ = QRect();
    covered_ = QRect();
}

std::optional<RasterTarget> Canvas::rasterTarget(const QRect &window)
{
    if (!raster_)
        return std::nullopt;
    filled_.reset();   // the pixels are about to be written
    if (!target_) {
        // Writing detaches a shared image; a painter active on it would go on
        // painting the old pixels, so it ends first and starts again later.
        if (!raster_->isDetached())
            flush();
        target_ = platform::rasterTarget(*raster_);
    }
    if (window == deviceRect_)
        return target_;
    const QRect inside = window.intersected(deviceRect_);
    if (inside.isEmpty())
        return RasterTarget{target_->pixels, target_->stride, 0, 0};
    return RasterTarget{target_->pixels + qsizetype(inside.top()) * target_->stride + inside.left(), target_->stride,
                        inside.width(), inside.height()};
}

void Canvas::writePendingRuns()
{
    if (!runs_.empty() && target_)
        runs_.writeAll(runsTarget_);
}

QPainter &Canvas::painter(const QRect &window)
{
    writePendingRuns();   // the painter draws over them, so they come first
    filled_.reset();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    if (painterWindow_ != window)
        useWindow(*painter_, window);
    return *painter_;
}

// A window other than the whole device moves the origin to its corner and
// clips to it; the whole device needs neither, as on a picture box.
void Canvas::useWindow(QPainter &p, const QRect &window)
{
    p.resetTransform();
    if (window.topLeft() != QPoint(0, 0))
        p.translate(window.topLeft());
    if (window == deviceRect())
        p.setClipping(false);
    else
        p.setClipRect(QRect(QPoint(0, 0), window.size()));
    painterWindow_ = window;
}

void Canvas::setComposition(QPainter &p, QPainter::CompositionMode mode)
{
    if (compositionInUse_ != mode) {
        p.setCompositionMode(mode);
        compositionInUse_ = mode;
    }
}

void Canvas::usePen(QPainter &p, const QColor &colour, int width, LineStyle style)
{
    const PenKey key{colour.rgba(), width, style};
    if (penInUse_ && *penInUse_ == key)
        return;
    QPen pen(colour, width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::SquareCap);
    if (const DashPattern pattern = dash(style); pattern.on != 0)
        pen.setDashPattern({qreal(pattern.on), qreal(pattern.off)});
    p.setPen(pen);
    penInUse_ = key;
}

}   // namespace platform
