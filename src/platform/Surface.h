#pragma once
// Surface: the drawing state and operations of the old framework's picture
// boxes and printer over any QPaintDevice (a picture box's image or a printer).
//
// Positions are in twips; each is turned into a device pixel by dividing by
// the surface's twips per pixel and rounding half to even. Raster drawing is
// aliased so every pixel is predictable. The painter stays open across calls
// (one batch of drawing, one repaint); flush() ends the batch.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QString>

#include "platform/ColumnRuns.h"
#include "platform/RasterLine.h"

#include <functional>
#include <memory>
#include <optional>

class QPaintDevice;

namespace platform {

enum class LineStyle { Solid, Dash, Dot };
enum class DrawMode {
    CopyPen,   // the pen's colour replaces the pixels
    Invert,    // each pixel under the pen is inverted: drawing twice restores
};

class Surface {
public:
    // `twipsPerPixelX/Y` scale the surface's units to `device` pixels.
    Surface(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    // Called once when the first change after a flush() happens.
    void setChangedCallback(std::function<void()> changed) { changed_ = std::move(changed); }
    // Told every text printed, with its position in twips (for read-outs of
    // what a surface shows, such as tests of ruler labels).
    using TextObserver = std::function<void(const QString &text, double x, double y)>;
    void setTextObserver(TextObserver observer) { textObserver_ = std::move(observer); }

    // Ends the current batch: the device holds everything drawn so far.
    void flush();
    // Points the surface at another device of the same kind (a resized image).
    void setDevice(QPaintDevice *device);

    // Size in twips.
    double scaleWidth() const;
    double scaleHeight() const;
    double twipsPerPixelX() const { return twipsPerPixelX_; }
    double twipsPerPixelY() const { return twipsPerPixelY_; }
    // Twips to device pixels, rounded half to even; false when not finite or
    // far outside any device (a statement the caller skips).
    bool toPixel(double x, double y, QPoint &pixel) const;

    // Drawing state.
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor &color) { foreColor_ = color; }
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &color) { backColor_ = color; }
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
    void clear();   // fills with the back colour; the current position goes to (0, 0)
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void box(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, const QColor &color);
    void fillBox(double x1, double y1, double x2, double y2);
    void fillBox(double x1, double y1, double x2, double y2, const QColor &color);
    // Text at the current position (its top-left) in the fore colour, with a
    // transparent background; afterwards the position is at the start of the
    // next line, as the old Print did.
    void print(const QString &text);
    double textWidth(const QString &text) const;
    double textHeight() const;

    // Drawing in device pixels, for routines that work on a device context.
    // Lines leave their end point unpainted.
    void pixelLine(QPoint from, QPoint to, const QColor &color, int width);
    void fillPolygonPixels(const QPolygon &polygon, const QColor &color);

private:
    QPainter &painter();
    static int pixelOf(double scaled, double twips, double twipsPerPixel);
    void findRasterImage();
    const RasterTarget *rasterTarget();
    void rasterStroke(const RasterTarget &target, QPoint from, QPoint to, QRgb rgb);
    void writePendingRuns();
    void markChanged();
    void applyMode(QPainter &painter);
    void setComposition(QPainter &painter, QPainter::CompositionMode mode);
    void usePen(QPainter &painter, const QColor &color, int width, LineStyle style);
    void strokeLine(QPoint from, QPoint to, const QColor &color);
    void fillPixels(const QRect &rect, const QColor &color);

    QPaintDevice *device_;
    QImage *raster_ = nullptr;   // the device, when thin lines can be written into its pixels
    std::optional<RasterTarget> target_;   // its pixels, for the current batch
    ColumnRuns runs_;
    std::unique_ptr<QPainter> painter_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    double pixelsPerTwipX_;   // the inverses, as a redraw converts a great many positions
    double pixelsPerTwipY_;
    std::function<void()> changed_;
    TextObserver textObserver_;
    bool dirty_ = false;
    struct PenKey {
        QRgb rgba;
        int width;
        LineStyle style;
        bool operator==(const PenKey &) const = default;
    };
    std::optional<PenKey> penInUse_;
    QPainter::CompositionMode compositionInUse_ = QPainter::CompositionMode_SourceOver;

    QColor foreColor_ = Qt::black;
    QColor backColor_ = Qt::white;
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
    DrawMode drawMode_ = DrawMode::CopyPen;
    QFont font_;
    double currentX_ = 0;
    double currentY_ = 0;
};

// A pen selected into a surface's device context for pixel drawing, with the
// device context's current position: move-to, then line-to that leaves its
// end point unpainted. The surface's draw mode applies.
class PixelPen {
public:
    PixelPen(Surface &surface, const QColor &color, int width = 1)
        : surface_(surface), color_(color), width_(width)
    {
    }

    void moveTo(int x, int y) { position_ = QPoint(x, y); }
    void lineTo(int x, int y)
    {
        surface_.pixelLine(position_, QPoint(x, y), color_, width_);
        position_ = QPoint(x, y);
    }

private:
    Surface &surface_;
    QColor color_;
    int width_;
    QPoint position_;
};

// The font every surface starts with.
QFont defaultSurfaceFont();

} // namespace platform
