#include "platform/SurfaceRegion.h"

#include "platform/PlainPaths.h"
#include "platform/RasterLine.h"
#include "platform/Rounding.h"
#include "platform/ScaledFont.h"
#include "platform/Segment.h"
#include "platform/TextExtent.h"
#include "platform/TextStamps.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

// Pixel coordinates beyond this are off any device; drawing there is clipped
// by hand so huge values never reach the rasteriser's fixed-point maths.
constexpr double FarAway = 1.0e6;

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

// The pixels from corner a to corner b inclusive, in whichever order they
// come. (QRect::normalized() would drop a row and a column of a rectangle
// given bottom-up or right to left.)
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

bool sameTarget(const RasterTarget &a, const RasterTarget &b)
{
    return a.pixels == b.pixels && a.width == b.width && a.height == b.height;
}

int pixelEdge(double twips, double twipsPerPixel)
{
    const double pixel = roundHalfEven(twips / twipsPerPixel);
    return std::isfinite(pixel) ? int(std::clamp(pixel, -FarAway, FarAway)) : 0;
}

}   // namespace

QFont defaultSurfaceFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.0);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

SurfaceRegion::SurfaceRegion(Canvas &canvas) : canvas_(canvas), font_(defaultSurfaceFont()) {}

SurfaceRegion::SurfaceRegion(SurfaceRegion &within, double x, double y, double width, double height)
    : canvas_(within.canvas_), font_(defaultSurfaceFont())
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const QRect outer = within.window();
    const QRect own(QPoint(pixelEdge(x, tx), pixelEdge(y, ty)),
                    QPoint(pixelEdge(x + width, tx) - 1, pixelEdge(y + height, ty) - 1));
    window_ = own.translated(outer.topLeft()).intersected(outer);
    if (window_->isEmpty())
        window_ = QRect(outer.topLeft(), QSize(0, 0));
}

QPainter &SurfaceRegion::painter() { return canvas_.painter(window()); }

// Pixels of the region that a drawing may have changed, for a repaint of
// just those.
void SurfaceRegion::changed(const QRect &pixels)
{
    const QRect w = window();
    if (!canvas_.changedAll(w))
        canvas_.markChanged(pixels.translated(w.topLeft()).intersected(w));
}

// A redraw starts by clearing, after which every line lies in what changed:
// the common case costs one comparison.
void SurfaceRegion::changed(QPoint from, QPoint to, int width)
{
    if (canvas_.changedAll(window()))
        return;
    const int reach = width / 2 + 1;
    changed(spanning(from, to).adjusted(-reach, -reach, reach, reach));
}

double SurfaceRegion::scaleWidth() const { return window().width() * twipsPerPixelX(); }
double SurfaceRegion::scaleHeight() const { return window().height() * twipsPerPixelY(); }

bool SurfaceRegion::toPixel(double x, double y, QPoint &pixel) const
{
    const double px = roundHalfEven(x / twipsPerPixelX());
    const double py = roundHalfEven(y / twipsPerPixelY());
    if (!std::isfinite(px) || !std::isfinite(py) || std::fabs(px) > FarAway || std::fabs(py) > FarAway)
        return false;
    pixel = QPoint(int(px), int(py));
    return true;
}

void SurfaceRegion::setFontSize(double points)
{
    if (points > 0 && std::isfinite(points))
        font_.setPointSizeF(points);
}

void SurfaceRegion::applyMode(QPainter &p)
{
    canvas_.setComposition(
        p, drawMode_ == DrawMode::Invert ? QPainter::RasterOp_NotDestination : QPainter::CompositionMode_SourceOver);
}

void SurfaceRegion::clear()
{
    currentX_ = currentY_ = 0;
    const QRect w = window();
    if (!canvas_.device() || w.isEmpty())
        return;
    const QRgb colour = backColor_.rgba();
    if (plainPaths() || !canvas_.holdsOnly(w, colour)) {
        QPainter &p = painter();
        canvas_.setComposition(p, QPainter::CompositionMode_Source);
        p.fillRect(QRect(QPoint(0, 0), w.size()), backColor_);
        canvas_.setFilled(w, colour);
    }
    changed(QRect(QPoint(0, 0), w.size()));
}

void SurfaceRegion::line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, foreColor_); }

bool SurfaceRegion::nearPixel(double x, double y, QPoint &pixel) const
{
    const double px = x * canvas_.pixelsPerTwipX(), py = y * canvas_.pixelsPerTwipY();
    if (!(std::fabs(px) < FarAway && std::fabs(py) < FarAway))
        return false;
    pixel = QPoint(pixelOf(px, x, twipsPerPixelX()), pixelOf(py, y, twipsPerPixelY()));
    return true;
}

// Thin solid lines of one colour in copy mode on an image, as strokeLine
// draws each: vertical and steep segments join the canvas's column runs (a
// column's runs are written once as their union), the others are written at
// once. What they touched is reported once, at the end.
class SurfaceRegion::ThinBatch {
public:
    ThinBatch(SurfaceRegion &region, const RasterTarget &target, QRgb rgb)
        : region_(region), target_(target), rgb_(rgb), runs_(region.canvas_.runs()),
          longest_(4 * (target.width + target.height)), tracking_(!region.canvas_.changedAll(region.window()))
    {
        Canvas &canvas = region.canvas_;
        if (!runs_.empty() && (runs_.colour() != rgb || !sameTarget(canvas.runsTarget(), target)))
            canvas.writePendingRuns();
        if (runs_.empty()) {
            runs_.start(rgb, target.width);
            canvas.setRunsTarget(target);
        }
    }
    ThinBatch(const ThinBatch &) = delete;
    ThinBatch &operator=(const ThinBatch &) = delete;
    ~ThinBatch()
    {
        if (column_.pending)
            runs_.add(target_, column_.x, column_.top, column_.bottom);
        if (tracking_ && !touched_.isNull())
            region_.changed(touched_);
    }

    void stroke(QPoint from, QPoint to)
    {
        const int dx = std::abs(to.x() - from.x()), dy = std::abs(to.y() - from.y());
        if (dx == 0)
            vertical(from.x(), std::min(from.y(), to.y()), std::max(from.y(), to.y()));
        else if (dy >= dx && dy <= longest_)
            runs_.addSegment(target_, from, to);
        else
            rasterLine(target_, from, to, rgb_, false, {}, LineEnd::Painted);
        if (tracking_)
            touched_ |= spanning(from, to).adjusted(-1, -1, 1, 1);
    }

private:
    // Runs one after another in one column (the days of a bar chart where
    // several share a column) are joined here before the column runs see
    // them: all are one colour, so only the union of pixels matters.
    void vertical(int x, int top, int bottom)
    {
        Column &c = column_;
        if (c.pending && x == c.x && top <= c.bottom + 1 && bottom >= c.top - 1) {
            c.top = std::min(c.top, top);
            c.bottom = std::max(c.bottom, bottom);
            return;
        }
        if (c.pending)
            runs_.add(target_, c.x, c.top, c.bottom);
        c = {true, x, top, bottom};
    }

    struct Column {
        bool pending = false;
        int x = 0, top = 0, bottom = 0;
    };

    SurfaceRegion &region_;
    RasterTarget target_;
    QRgb rgb_;
    ColumnRuns &runs_;
    int longest_;   // rasterLine cuts longer lines to the image first
    bool tracking_;
    QRect touched_;
    Column column_;
};

std::optional<SurfaceRegion::ThinBatch> SurfaceRegion::thinBatch()
{
    if (!canvas_.device() || drawWidth_ > 1 || drawMode_ != DrawMode::CopyPen || drawStyle_ != LineStyle::Solid ||
        plainPaths())
        return std::nullopt;
    const std::optional<RasterTarget> target = rasterTarget();
    if (!target)
        return std::nullopt;
    return std::optional<ThinBatch>(std::in_place, *this, *target, foreColor_.rgb());
}

void SurfaceRegion::polyline(std::span<const QPointF> points)
{
    if (points.size() < 2)
        return;
    std::optional<ThinBatch> batch = thinBatch();
    QPoint from;
    bool fromNear = batch && nearPixel(points[0].x(), points[0].y(), from);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF &a = points[i - 1], &b = points[i];
        QPoint to;
        const bool toNear = batch && nearPixel(b.x(), b.y(), to);
        if (fromNear && toNear)
            batch->stroke(from, to);
        else
            line(a.x(), a.y(), b.x(), b.y(), foreColor_);   // cut first, or not thin
        from = to;
        fromNear = toNear;
    }
    currentX_ = points.back().x();
    currentY_ = points.back().y();
}

void SurfaceRegion::lines(std::span<const QLineF> segments)
{
    if (segments.empty())
        return;
    std::optional<ThinBatch> batch = thinBatch();
    // A curve's segments share their ends (one segment's start is the next
    // one's end, or the other way round): a point placed once is reused.
    bool known = false;
    QPointF knownStart, knownEnd;
    QPoint startPixel, endPixel;
    const auto place = [&](const QPointF &point, QPoint &pixel) {
        if (known && point.x() == knownStart.x() && point.y() == knownStart.y())
            pixel = startPixel;
        else if (known && point.x() == knownEnd.x() && point.y() == knownEnd.y())
            pixel = endPixel;
        else
            return nearPixel(point.x(), point.y(), pixel);
        return true;
    };
    for (const QLineF &segment : segments) {
        QPoint from, to;
        if (batch && place(segment.p1(), from) && place(segment.p2(), to)) {
            known = true;
            knownStart = segment.p1();
            knownEnd = segment.p2();
            startPixel = from;
            endPixel = to;
            batch->stroke(from, to);
        } else {
            line(segment.x1(), segment.y1(), segment.x2(), segment.y2(), foreColor_);
        }
    }
    currentX_ = segments.back().x2();
    currentY_ = segments.back().y2();
}

void SurfaceRegion::line(double x1, double y1, double x2, double y2, const QColor &colour)
{
    // As the old Line statement did, the current position moves to the end point.
    currentX_ = x2;
    currentY_ = y2;
    const double sx = canvas_.pixelsPerTwipX(), sy = canvas_.pixelsPerTwipY();
    double px1 = x1 * sx, py1 = y1 * sy;
    double px2 = x2 * sx, py2 = y2 * sy;
    const bool near =
        std::fabs(px1) < FarAway && std::fabs(py1) < FarAway && std::fabs(px2) < FarAway && std::fabs(py2) < FarAway;
    if (!near) {
        if (!std::isfinite(px1) || !std::isfinite(py1) || !std::isfinite(px2) || !std::isfinite(py2))
            return;
        if (!clipSegment(px1, py1, px2, py2, -FarAway, -FarAway, FarAway, FarAway))
            return;
    }
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    strokeLine(QPoint(pixelOf(px1, x1, tx), pixelOf(py1, y1, ty)), QPoint(pixelOf(px2, x2, tx), pixelOf(py2, y2, ty)),
               colour);
}

// The pixel of a position already multiplied by the inverse factor. A
// product can land a hair off an exact half where the quotient is exact, and
// halves round to even, so near a half the position is divided instead.
int SurfaceRegion::pixelOf(double scaled, double twips, double twipsPerPixel)
{
    const double nearest = roundHalfEven(scaled);
    if (std::fabs(std::fabs(scaled - nearest) - 0.5) < 1e-7 && std::fabs(twips) < FarAway * twipsPerPixel)
        return int(roundHalfEven(twips / twipsPerPixel));
    return int(nearest);
}

void SurfaceRegion::strokeLine(QPoint from, QPoint to, const QColor &colour)
{
    if (!canvas_.device())
        return;
    if (drawWidth_ <= 1) {
        if (const std::optional<RasterTarget> target = rasterTarget()) {
            rasterStroke(*target, from, to, colour.rgb());
            changed(from, to, 1);
            return;
        }
    }
    QPainter &p = painter();
    applyMode(p);
    // Wide pens draw solid.
    canvas_.usePen(p, colour, drawWidth_, drawWidth_ <= 1 ? drawStyle_ : LineStyle::Solid);
    if (from == to)
        p.drawPoint(from);
    else
        p.drawLine(from, to);
    changed(from, to, drawWidth_);
}

// Thin lines straight into the image. Solid vertical runs in copy mode wait
// to be written once per pixel column; anything else of another colour, mode
// or region sends them to the image first, so drawing order holds.
void SurfaceRegion::rasterStroke(const RasterTarget &target, QPoint from, QPoint to, QRgb rgb)
{
    ColumnRuns &runs = canvas_.runs();
    const bool copy = drawMode_ == DrawMode::CopyPen, solid = drawStyle_ == LineStyle::Solid;
    if (!runs.empty() && (!copy || runs.colour() != rgb || !sameTarget(canvas_.runsTarget(), target)))
        canvas_.writePendingRuns();
    if (copy && solid && from.x() == to.x()) {
        if (runs.empty()) {
            runs.start(rgb, target.width);
            canvas_.setRunsTarget(target);
        }
        runs.add(target, from.x(), std::min(from.y(), to.y()), std::max(from.y(), to.y()));
        return;
    }
    rasterLine(target, from, to, rgb, !copy, canvas_.dash(drawStyle_), LineEnd::Painted);
}

void SurfaceRegion::box(double x1, double y1, double x2, double y2) { box(x1, y1, x2, y2, foreColor_); }

void SurfaceRegion::box(double x1, double y1, double x2, double y2, const QColor &colour)
{
    QPoint a, b;
    if (!canvas_.device() || !toPixel(x1, y1, a) || !toPixel(x2, y2, b))
        return;
    const QRect corners = spanning(a, b);
    if (corners.width() == 1 || corners.height() == 1) {
        strokeLine(corners.topLeft(), corners.bottomRight(), colour);
        return;
    }
    if (const std::optional<RasterTarget> target = rasterTarget()) {
        canvas_.writePendingRuns();
        // Each pixel of the outline once, so that no corner is inverted twice.
        const bool invert = drawMode_ == DrawMode::Invert;
        const QRgb rgb = colour.rgb();
        const int l = corners.left(), r = corners.right(), t = corners.top(), b = corners.bottom();
        rasterLine(*target, {l, t}, {r, t}, rgb, invert, {}, LineEnd::Painted);
        rasterLine(*target, {l, b}, {r, b}, rgb, invert, {}, LineEnd::Painted);
        if (b - t > 1) {
            rasterLine(*target, {l, t + 1}, {l, b - 1}, rgb, invert, {}, LineEnd::Painted);
            rasterLine(*target, {r, t + 1}, {r, b - 1}, rgb, invert, {}, LineEnd::Painted);
        }
        changed(corners);
        return;
    }
    // One stroke of the whole outline, so that no corner is inverted twice.
    QPainter &p = painter();
    applyMode(p);
    canvas_.usePen(p, colour, 1, LineStyle::Solid);
    p.drawRect(corners.adjusted(0, 0, -1, -1));
    changed(corners);
}

void SurfaceRegion::fillBox(double x1, double y1, double x2, double y2) { fillBox(x1, y1, x2, y2, foreColor_); }

void SurfaceRegion::fillBox(double x1, double y1, double x2, double y2, const QColor &colour)
{
    QPoint a, b;
    if (!toPixel(x1, y1, a) || !toPixel(x2, y2, b))
        return;
    fillPixels(spanning(a, b), colour);
}

void SurfaceRegion::bar(double x, double width, double y1, double y2)
{
    // An edge a rounding error past a pixel's centre still takes that pixel.
    constexpr double Nudge = 1e-9;
    const double tx = twipsPerPixelX();
    const double first = std::ceil((x - width / 2) / tx - Nudge), last = std::ceil((x + width / 2) / tx - Nudge) - 1;
    QPoint top, bottom;
    if (!(std::fabs(first) < FarAway) || !(std::fabs(last) < FarAway) || !toPixel(x, y1, top) ||
        !toPixel(x, y2, bottom))
        return;
    const int left = int(first), right = std::max(left, int(last));
    fillPixels(QRect(QPoint(left, std::min(top.y(), bottom.y())), QPoint(right, std::max(top.y(), bottom.y()))),
               foreColor_);
}

void SurfaceRegion::fillPixels(const QRect &rect, const QColor &colour)
{
    if (!canvas_.device())
        return;
    const QRect visible = rect.intersected(QRect(QPoint(0, 0), window().size()));
    if (visible.isEmpty())
        return;
    QPainter &p = painter();
    applyMode(p);
    p.fillRect(visible, colour);
    changed(visible);
}

void SurfaceRegion::print(const QString &text)
{
    if (textObserver_)
        textObserver_(text, currentX_, currentY_);
    QPoint origin;
    if (canvas_.device() && !text.isEmpty() && toPixel(currentX_, currentY_, origin)) {
        QPainter &p = painter();
        canvas_.setComposition(p, QPainter::CompositionMode_SourceOver);
        QRect touched(QPoint(0, 0), window().size());   // a printer's text: the page is not shown anyway
        // Nothing past the region's right edge is laid out.
        const int room = window().width() - origin.x();
        const QFont font = deviceFont();
        if (canvas_.stampsTexts()) {
            // Picture boxes stamp texts rendered once; a printer gets real text.
            const TextStamp &stamp = textStamp(visiblePart(text, font, room), font, foreColor_, canvas_.pixelRatio());
            p.drawImage(origin + stamp.offset, stamp.image);
            touched = QRect(origin + stamp.offset, stamp.image.size());
        } else {
            // No ligatures: a printed "ff" stays two letters for whoever reads the text back.
            QFont plain = font;
            plain.setStyleStrategy(QFont::StyleStrategy(plain.styleStrategy() | QFont::PreferNoShaping));
            p.setFont(plain);
            canvas_.usePen(p, foreColor_, 1, LineStyle::Solid);
            const QFontMetricsF metrics(font, canvas_.device());
            p.drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), visiblePart(text, font, room, canvas_.device()));
        }
        changed(touched);
    }
    currentX_ = 0;
    currentY_ += textHeight();
}

double SurfaceRegion::textWidth(const QString &text) const
{
    if (!canvas_.device())
        return 0;
    return QFontMetricsF(deviceFont(), canvas_.device()).horizontalAdvance(text) * canvas_.pixelRatio() * twipsPerPixelX();
}

double SurfaceRegion::textHeight() const
{
    if (!canvas_.device())
        return 0;
    return QFontMetricsF(deviceFont(), canvas_.device()).height() * canvas_.pixelRatio() * twipsPerPixelY();
}

QFont SurfaceRegion::deviceFont() const { return scaledFont(font_, canvas_.textScale()); }

void SurfaceRegion::pixelLine(QPoint from, QPoint to, const QColor &colour, int width)
{
    if (!canvas_.device() || from == to)
        return;
    if (width <= 1) {
        if (const std::optional<RasterTarget> target = rasterTarget()) {
            canvas_.writePendingRuns();
            rasterLine(*target, from, to, colour.rgb(), drawMode_ == DrawMode::Invert, {}, LineEnd::Unpainted);
            changed(from, to, 1);
            return;
        }
    }
    const QVector<QPoint> pixels = segmentPixels(from, to);
    QPainter &p = painter();
    applyMode(p);
    if (width <= 1) {
        canvas_.usePen(p, colour, 1, LineStyle::Solid);
        p.drawPoints(pixels.constData(), int(pixels.size()));
    } else {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        canvas_.forgetPen();
        p.drawLine(from, pixels.last());
    }
    changed(from, to, width);
}

void SurfaceRegion::fillPolygonPixels(const QPolygon &polygon, const QColor &colour)
{
    if (!canvas_.device() || polygon.isEmpty())
        return;
    QPainter &p = painter();
    applyMode(p);
    p.setPen(Qt::NoPen);
    canvas_.forgetPen();
    p.setBrush(colour);
    p.drawPolygon(polygon, Qt::OddEvenFill);
    p.setBrush(Qt::NoBrush);
    changed(polygon.boundingRect());
}

}   // namespace platform
