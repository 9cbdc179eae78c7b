#include "platform/Surface.h"

#include "platform/RasterLine.h"
#include "platform/Rounding.h"
#include "platform/Segment.h"
#include "platform/TextExtent.h"
#include "platform/TextStamps.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <utility>

namespace platform {

namespace {

// Pixel coordinates beyond this are off any device; drawing there is clipped
// by hand so huge values never reach the rasteriser's fixed-point maths.
constexpr double FarAway = 1.0e6;

DashPattern rasterDash(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash: return {18, 6};
    case LineStyle::Dot: return {3, 3};
    case LineStyle::Solid: break;
    }
    return {};
}

// The same pattern for the painter (printers), so both paths dash alike.
QVector<qreal> dashPattern(LineStyle style)
{
    const DashPattern dash = rasterDash(style);
    return dash.on == 0 ? QVector<qreal>{} : QVector<qreal>{qreal(dash.on), qreal(dash.off)};
}

// The pixels of a segment from `from` towards `to`, without `to` itself.
QVector<QPoint> segmentPixels(QPoint from, QPoint to)
{
    QVector<QPoint> pixels;
    walkSegment(from, to, [&](int x, int y) {
        if (x == to.x() && y == to.y())
            return false;
        pixels.append(QPoint(x, y));
        return true;
    });
    return pixels;
}

} // namespace

QFont defaultSurfaceFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.0);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Surface::Surface(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY)
    : device_(device), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY),
      pixelsPerTwipX_(1 / twipsPerPixelX), pixelsPerTwipY_(1 / twipsPerPixelY), font_(defaultSurfaceFont())
{
    findRasterImage();
}

// Thin lines on an RGB32 image are written straight into its pixels; any
// other device (a printer) goes through the painter.
void Surface::findRasterImage()
{
    raster_ = nullptr;
    if (device_ && device_->devType() == QInternal::Image) {
        auto *image = static_cast<QImage *>(device_);
        if (image->format() == QImage::Format_RGB32)
            raster_ = image;
    }
}

const RasterTarget *Surface::rasterTarget()
{
    if (!raster_)
        return nullptr;
    if (!target_) {
        // Writing detaches a shared image; a painter active on it would go on
        // painting the old pixels, so it ends first and starts again later.
        if (!raster_->isDetached())
            flush();
        target_ = platform::rasterTarget(*raster_);
    }
    return &*target_;
}

Surface::~Surface() { flush(); }

void Surface::flush()
{
    writePendingRuns();
    if (painter_)
        painter_->end();
    painter_.reset();
    penInUse_.reset();
    compositionInUse_ = QPainter::CompositionMode_SourceOver;
    target_.reset();   // a copy of the image may be taken until the next batch
    dirty_ = false;
}

void Surface::setDevice(QPaintDevice *device)
{
    flush();
    device_ = device;
    findRasterImage();
}

QPainter &Surface::painter()
{
    writePendingRuns();   // the painter draws over them, so they come first
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(device_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void Surface::markChanged()
{
    if (!dirty_) {
        dirty_ = true;
        if (changed_)
            changed_();
    }
}

double Surface::scaleWidth() const { return device_ ? device_->width() * twipsPerPixelX_ : 0.0; }
double Surface::scaleHeight() const { return device_ ? device_->height() * twipsPerPixelY_ : 0.0; }

bool Surface::toPixel(double x, double y, QPoint &pixel) const
{
    const double px = roundHalfEven(x / twipsPerPixelX_);
    const double py = roundHalfEven(y / twipsPerPixelY_);
    if (!std::isfinite(px) || !std::isfinite(py) || std::fabs(px) > FarAway || std::fabs(py) > FarAway)
        return false;
    pixel = QPoint(int(px), int(py));
    return true;
}

void Surface::setFontSize(double points)
{
    if (points > 0 && std::isfinite(points))
        font_.setPointSizeF(points);
}

void Surface::applyMode(QPainter &p)
{
    setComposition(p, drawMode_ == DrawMode::Invert ? QPainter::RasterOp_NotDestination
                                                    : QPainter::CompositionMode_SourceOver);
}

void Surface::setComposition(QPainter &p, QPainter::CompositionMode mode)
{
    if (compositionInUse_ != mode) {
        p.setCompositionMode(mode);
        compositionInUse_ = mode;
    }
}

void Surface::clear()
{
    if (!device_)
        return;
    QPainter &p = painter();
    setComposition(p, QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, device_->width(), device_->height()), backColor_);
    currentX_ = currentY_ = 0;
    markChanged();
}

void Surface::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, foreColor_); }

void Surface::line(double x1, double y1, double x2, double y2, const QColor &color)
{
    // As the old Line statement did, the current position moves to the end point.
    currentX_ = x2;
    currentY_ = y2;
    double px1 = x1 * pixelsPerTwipX_, py1 = y1 * pixelsPerTwipY_;
    double px2 = x2 * pixelsPerTwipX_, py2 = y2 * pixelsPerTwipY_;
    const bool near = std::fabs(px1) < FarAway && std::fabs(py1) < FarAway && std::fabs(px2) < FarAway &&
                      std::fabs(py2) < FarAway;
    if (!near) {
        if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2))
            return;
        if (!clipSegment(px1, py1, px2, py2, -FarAway, -FarAway, FarAway, FarAway))
            return;
    }
    strokeLine(QPoint(pixelOf(px1, x1, twipsPerPixelX_), pixelOf(py1, y1, twipsPerPixelY_)),
               QPoint(pixelOf(px2, x2, twipsPerPixelX_), pixelOf(py2, y2, twipsPerPixelY_)), color);
}

// The pixel of a position already multiplied by the inverse factor. A
// product can land a hair off an exact half where the quotient is exact, and
// halves round to even, so near a half the position is divided instead.
int Surface::pixelOf(double scaled, double twips, double twipsPerPixel)
{
    const double nearest = roundHalfEven(scaled);
    if (std::fabs(std::fabs(scaled - nearest) - 0.5) < 1e-7 && std::fabs(twips) < FarAway * twipsPerPixel)
        return int(roundHalfEven(twips / twipsPerPixel));
    return int(nearest);
}

void Surface::strokeLine(QPoint from, QPoint to, const QColor &color)
{
    if (!device_)
        return;
    if (drawWidth_ <= 1) {
        if (const RasterTarget *target = rasterTarget()) {
            rasterStroke(*target, from, to, color.rgb());
            markChanged();
            return;
        }
    }
    QPainter &p = painter();
    applyMode(p);
    usePen(p, color, drawWidth_, drawWidth_ <= 1 ? drawStyle_ : LineStyle::Solid);   // wide pens draw solid
    if (from == to)
        p.drawPoint(from);
    else
        p.drawLine(from, to);
    markChanged();
}

// Thin lines straight into the image. Solid vertical runs in copy mode wait
// in `runs_` to be written once per pixel column; anything else of another
// colour or mode sends them to the image first, so drawing order holds.
void Surface::rasterStroke(const RasterTarget &target, QPoint from, QPoint to, QRgb rgb)
{
    const bool copy = drawMode_ == DrawMode::CopyPen, solid = drawStyle_ == LineStyle::Solid;
    if (!runs_.empty() && (!copy || runs_.colour() != rgb))
        runs_.writeAll(target);
    if (copy && solid && from.x() == to.x()) {
        if (runs_.empty())
            runs_.start(rgb, target.width);
        runs_.add(target, from.x(), std::min(from.y(), to.y()), std::max(from.y(), to.y()));
        return;
    }
    rasterLine(target, from, to, rgb, !copy, rasterDash(drawStyle_), LineEnd::Painted);
}

void Surface::writePendingRuns()
{
    if (!runs_.empty() && target_)
        runs_.writeAll(*target_);
}

// Sets the pen only when it differs from the one in use: a redraw strokes
// thousands of lines with a handful of pens.
void Surface::usePen(QPainter &p, const QColor &color, int width, LineStyle style)
{
    const PenKey key{color.rgba(), width, style};
    if (penInUse_ && *penInUse_ == key)
        return;
    QPen pen(color, width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::SquareCap);
    if (style != LineStyle::Solid)
        pen.setDashPattern(dashPattern(style));
    p.setPen(pen);
    penInUse_ = key;
}

void Surface::box(double x1, double y1, double x2, double y2) { box(x1, y1, x2, y2, foreColor_); }

void Surface::box(double x1, double y1, double x2, double y2, const QColor &color)
{
    QPoint a, b;
    if (!device_ || !toPixel(x1, y1, a) || !toPixel(x2, y2, b))
        return;
    const QRect corners = QRect(a, b).normalized();
    if (corners.width() == 1 || corners.height() == 1) {
        strokeLine(corners.topLeft(), corners.bottomRight(), color);
        return;
    }
    if (const RasterTarget *target = rasterTarget()) {
        writePendingRuns();
        // Each pixel of the outline once, so that no corner is inverted twice.
        const bool invert = drawMode_ == DrawMode::Invert;
        const QRgb rgb = color.rgb();
        const int l = corners.left(), r = corners.right(), t = corners.top(), b = corners.bottom();
        rasterLine(*target, {l, t}, {r, t}, rgb, invert, {}, LineEnd::Painted);
        rasterLine(*target, {l, b}, {r, b}, rgb, invert, {}, LineEnd::Painted);
        if (b - t > 1) {
            rasterLine(*target, {l, t + 1}, {l, b - 1}, rgb, invert, {}, LineEnd::Painted);
            rasterLine(*target, {r, t + 1}, {r, b - 1}, rgb, invert, {}, LineEnd::Painted);
        }
        markChanged();
        return;
    }
    // One stroke of the whole outline, so that no corner is inverted twice.
    QPainter &p = painter();
    applyMode(p);
    usePen(p, color, 1, LineStyle::Solid);
    p.drawRect(corners.adjusted(0, 0, -1, -1));
    markChanged();
}

void Surface::fillBox(double x1, double y1, double x2, double y2) { fillBox(x1, y1, x2, y2, foreColor_); }

void Surface::fillBox(double x1, double y1, double x2, double y2, const QColor &color)
{
    QPoint a, b;
    if (!toPixel(x1, y1, a) || !toPixel(x2, y2, b))
        return;
    fillPixels(QRect(a, b).normalized(), color);
}

void Surface::fillPixels(const QRect &rect, const QColor &color)
{
    if (!device_)
        return;
    const QRect visible = rect.intersected(QRect(0, 0, device_->width(), device_->height()));
    if (visible.isEmpty())
        return;
    QPainter &p = painter();
    applyMode(p);
    p.fillRect(visible, color);
    markChanged();
}

void Surface::print(const QString &text)
{
    if (textObserver_)
        textObserver_(text, currentX_, currentY_);
    QPoint origin;
    if (device_ && !text.isEmpty() && toPixel(currentX_, currentY_, origin)) {
        QPainter &p = painter();
        setComposition(p, QPainter::CompositionMode_SourceOver);
        // Nothing past the device's right edge is laid out.
        const int room = device_->width() - origin.x();
        if (raster_) {
            // Picture boxes stamp texts rendered once; a printer gets real text.
            const TextStamp &stamp = textStamp(visiblePart(text, font_, room), font_, foreColor_);
            p.drawImage(origin + stamp.offset, stamp.image);
        } else {
            p.setFont(font_);
            usePen(p, foreColor_, 1, LineStyle::Solid);
            const QFontMetricsF metrics(font_, device_);
            p.drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), visiblePart(text, font_, room, device_));
        }
        markChanged();
    }
    currentX_ = 0;
    currentY_ += textHeight();
}

double Surface::textWidth(const QString &text) const
{
    if (!device_)
        return 0;
    return QFontMetricsF(font_, device_).horizontalAdvance(text) * twipsPerPixelX_;
}

double Surface::textHeight() const
{
    if (!device_)
        return 0;
    return QFontMetricsF(font_, device_).height() * twipsPerPixelY_;
}

void Surface::pixelLine(QPoint from, QPoint to, const QColor &color, int width)
{
    if (!device_ || from == to)
        return;
    if (width <= 1) {
        if (const RasterTarget *target = rasterTarget()) {
            writePendingRuns();
            rasterLine(*target, from, to, color.rgb(), drawMode_ == DrawMode::Invert, {}, LineEnd::Unpainted);
            markChanged();
            return;
        }
    }
    const QVector<QPoint> pixels = segmentPixels(from, to);
    QPainter &p = painter();
    applyMode(p);
    if (width <= 1) {
        usePen(p, color, 1, LineStyle::Solid);
        p.drawPoints(pixels.constData(), int(pixels.size()));
    } else {
        QPen pen(color, width);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        penInUse_.reset();
        p.drawLine(from, pixels.last());
    }
    markChanged();
}

void Surface::fillPolygonPixels(const QPolygon &polygon, const QColor &color)
{
    if (!device_ || polygon.isEmpty())
        return;
    QPainter &p = painter();
    applyMode(p);
    p.setPen(Qt::NoPen);
    penInUse_.reset();
    p.setBrush(color);
    p.drawPolygon(polygon, Qt::OddEvenFill);
    p.setBrush(Qt::NoBrush);
    markChanged();
}

} // namespace platform
