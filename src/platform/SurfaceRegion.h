#pragma once
// SurfaceRegion: a rectangle of a drawing surface with the drawing state and
// operations of the old framework's picture boxes and printer, in its own
// coordinates: (0, 0) is its top-left corner, scaleWidth() and scaleHeight()
// its own size, clear() erases only it, and nothing drawn leaves it.
//
// Positions are in twips; each is turned into a pixel of the region by
// dividing by the twips per pixel and rounding half to even, then moved by the
// region's pixel origin, so a drawing is the same pixels wherever its region
// sits. Raster drawing is aliased so every pixel is predictable.
//
// A Surface (one whole device) is itself a region; renderers take regions, so
// the screen hands them a picture box and printing hands them parts of a page.

#include "platform/Canvas.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace platform {

enum class DrawMode {
    CopyPen,   // the pen's colour replaces the pixels
    Invert,    // each pixel under the pen is inverted: drawing twice restores
};

class SurfaceRegion {
public:
    // The part of `within` from (x, y) of the given size, all in twips of
    // `within`; its edges round to pixels half to even and it is cut to
    // `within`. The region draws on `within`'s device and must not outlive it.
    SurfaceRegion(SurfaceRegion &within, double x, double y, double width, double height);
    ~SurfaceRegion() = default;
    SurfaceRegion(const SurfaceRegion &) = delete;
    SurfaceRegion &operator=(const SurfaceRegion &) = delete;

    // Told every text printed, with its position in twips (for read-outs of
    // what a surface shows, such as tests of ruler labels).
    using TextObserver = std::function<void(const QString &text, double x, double y)>;
    void setTextObserver(TextObserver observer) { textObserver_ = std::move(observer); }

    // Size in twips.
    double scaleWidth() const;
    double scaleHeight() const;
    double twipsPerPixelX() const { return canvas_.twipsPerPixelX(); }
    double twipsPerPixelY() const { return canvas_.twipsPerPixelY(); }
    // Where the region lies on its device, in device pixels.
    QRect deviceRect() const { return window(); }
    // Twips to pixels of the region, rounded half to even; false when not
    // finite or far outside any device (a statement the caller skips).
    bool toPixel(double x, double y, QPoint &pixel) const;

    // Drawing state.
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor &colour) { foreColor_ = colour; }
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &colour) { backColor_ = colour; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    LineStyle drawStyle() const { return drawStyle_; }
    void setDrawStyle(LineStyle style) { drawStyle_ = style; }
    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode) { drawMode_ = mode; }
    double fontSize() const { return font_.pointSizeF(); }
    void setFontSize(double points);
    QFont font() const { return font_; }
    void setFont(const QFont &font) { font_ = font; }
    bool fontBold() const { return font_.bold(); }
    void setFontBold(bool bold) { font_.setBold(bold); }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrent(double x, double y)
    {
        currentX_ = x;
        currentY_ = y;
    }

    // Drawing in twips. Lines paint both end points and move the current
    // position to their end; boxes cover both corners.
    void clear();   // fills the region with the back colour; the current position goes to (0, 0)
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, const QColor &colour);
    // Many lines in the fore colour, each exactly as line() draws it: from
    // each point to the next, or each segment from its p1 to its p2. Thin
    // solid lines on an image are drawn as a batch, in any order (they are
    // all one colour), a pixel column's runs once as their union.
    void polyline(std::span<const QPointF> points);
    void lines(std::span<const QLineF> segments);
    void box(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, const QColor &colour);
    void fillBox(double x1, double y1, double x2, double y2);
    void fillBox(double x1, double y1, double x2, double y2, const QColor &colour);
    // A vertical bar in the fore colour, `width` twips wide and centred on x,
    // from the row of y1 to the row of y2 (both painted, as a line's ends
    // are). It covers the pixel columns whose centres lie inside it, so it is
    // as wide in twips on any device, with no gaps however fine its pixels.
    void bar(double x, double width, double y1, double y2);
    // Text at the current position (its top-left) in the fore colour, with a
    // transparent background; afterwards the position is at the start of the
    // next line, as the old Print did.
    void print(const QString &text);
    double textWidth(const QString &text) const;
    double textHeight() const;

    // Drawing in pixels of the region, for routines that work on a device
    // context. Lines leave their end point unpainted.
    void pixelLine(QPoint from, QPoint to, const QColor &colour, int width);
    void fillPolygonPixels(const QPolygon &polygon, const QColor &colour);

protected:
    // The whole of the canvas's device, whatever size it has.
    explicit SurfaceRegion(Canvas &canvas);

private:
    QRect window() const { return window_ ? *window_ : canvas_.deviceRect(); }
    QFont deviceFont() const;   // the font at the canvas's text scale
    QPainter &painter();
    std::optional<RasterTarget> rasterTarget() { return canvas_.rasterTarget(window()); }
    static int pixelOf(double scaled, double twips, double twipsPerPixel);
    // The pixel line() puts a point at; false when the point lies far off
    // any device (line() cuts such a line first).
    bool nearPixel(double x, double y, QPoint &pixel) const;
    void rasterStroke(const RasterTarget &target, QPoint from, QPoint to, QRgb rgb);
    class ThinBatch;
    std::optional<ThinBatch> thinBatch();
    void applyMode(QPainter &painter);
    void strokeLine(QPoint from, QPoint to, const QColor &colour);
    void fillPixels(const QRect &rect, const QColor &colour);
    void changed(const QRect &pixels);
    void changed(QPoint from, QPoint to, int width);   // a stroke between two pixels

    Canvas &canvas_;
    std::optional<QRect> window_;   // device pixels; none: the whole device
    TextObserver textObserver_;

    QColor foreColor_ = Qt::black;
    QColor backColor_ = Qt::white;
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
    DrawMode drawMode_ = DrawMode::CopyPen;
    QFont font_;
    double currentX_ = 0;
    double currentY_ = 0;
};

// A pen selected into a region's device context for pixel drawing, with the
// device context's current position: move-to, then line-to that leaves its
// end point unpainted. The region's draw mode applies.
class PixelPen {
public:
    PixelPen(SurfaceRegion &region, const QColor &colour, int width = 1)
        : region_(region), colour_(colour), width_(width)
    {}

    void moveTo(int x, int y) { position_ = QPoint(x, y); }
    void lineTo(int x, int y)
    {
        region_.pixelLine(position_, QPoint(x, y), colour_, width_);
        position_ = QPoint(x, y);
    }

private:
    SurfaceRegion &region_;
    QColor colour_;
    int width_;
    QPoint position_;
};

// The font every surface starts with.
QFont defaultSurfaceFont();

}   // namespace platform
