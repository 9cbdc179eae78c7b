#pragma once
// Canvas: the device side of drawing, shared by every region drawn on one
// paint device (a picture box's image, or a printer's page): the painter of
// the current batch, the image's pixels for the raster fast path, the pen and
// composition in use, and the batch's change notice.
//
// A device can have only one active painter, so the regions of a printed
// page draw through one canvas; each region gets the painter translated to
// its origin and clipped to its rectangle.

#include "platform/ColumnRuns.h"
#include "platform/RasterLine.h"

#include <QPainter>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QPaintDevice;

namespace platform {

enum class LineStyle { Solid, Dash, Dot };

class Canvas {
public:
    Canvas(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    QPaintDevice *device() const { return device_; }
    QRect deviceRect() const { return deviceRect_; }   // in device pixels
    // Points the canvas at another device of the same kind (a resized image).
    void setDevice(QPaintDevice *device);
    // Device pixels per logical pixel (2 on a 2x screen): texts are rendered
    // at this scale so they keep their size in twips.
    double pixelRatio() const { return pixelRatio_; }
    // Point sizes are multiplied by this on this device, so that a picture
    // of a window at another scale keeps its texts in proportion. Once set,
    // texts are drawn as text at the device's resolution, never stamped.
    double textScale() const { return textScale_; }
    void setTextScale(double scale)
    {
        textScale_ = scale > 0 && scale < 1e6 ? scale : 1;
        stampsTexts_ = false;
    }
    // True when texts are stamped from images rendered once (a picture box).
    bool stampsTexts() const { return raster_ != nullptr && stampsTexts_; }
    // New scale factors, for a device that moved to a screen of another ratio.
    void setScale(double twipsPerPixelX, double twipsPerPixelY, double pixelRatio);
    double twipsPerPixelX() const { return twipsPerPixelX_; }
    double twipsPerPixelY() const { return twipsPerPixelY_; }
    double pixelsPerTwipX() const { return pixelsPerTwipX_; }
    double pixelsPerTwipY() const { return pixelsPerTwipY_; }
    // The dots and dashes of a line style in device pixels. They are measured
    // in the screen's pixels, as the old framework's were, so a device with
    // finer pixels (a 2x screen, a printer) draws them as long as the screen
    // does rather than too short to see.
    DashPattern dash(LineStyle style) const;

    // Told the device pixels a drawing changed, whenever they reach beyond
    // what the batch had changed before (so a repaint can cover just them).
    void setChangedCallback(std::function<void(const QRect &)> changed) { changed_ = std::move(changed); }
    void markChanged(const QRect &pixels);
    // True when the batch has changed all of `window` already. Asked for
    // every line of a redraw, so the window last found covered is kept.
    bool changedAll(const QRect &window)
    {
        if (window == covered_)
            return true;
        if (!dirty_.contains(window))
            return false;
        covered_ = window;
        return true;
    }
    // Ends the current batch: the device holds everything drawn so far.
    void flush();

    // Whether `window` holds nothing but `colour`, as a fill left it with
    // nothing drawn since: a redraw clears some regions twice over, and the
    // second fill would change no pixel. Kept for images only (a printer
    // records every fill).
    bool holdsOnly(const QRect &window, QRgb colour) const
    {
        return filled_ && filledColour_ == colour && filled_->contains(window);
    }
    void setFilled(const QRect &window, QRgb colour)
    {
        if (raster_) {
            filled_ = window;
            filledColour_ = colour;
        }
    }

    // True when thin lines and texts go straight into an RGB32 image.
    bool isRaster() const { return raster_ != nullptr; }
    // The pixels of `window` (device pixels) for this batch, or none when the
    // device is not such an image.
    std::optional<RasterTarget> rasterTarget(const QRect &window);
    // Starts the painter of a batch; false when the device refuses it.
    bool begin() { return painter(deviceRect_).isActive(); }
    // The painter with window-relative coordinates, clipped to the window.
    QPainter &painter(const QRect &window);

    // Vertical runs waiting to be written, and the target they belong to.
    ColumnRuns &runs() { return runs_; }
    const RasterTarget &runsTarget() const { return runsTarget_; }
    void setRunsTarget(const RasterTarget &target) { runsTarget_ = target; }
    void writePendingRuns();

    void setComposition(QPainter &painter, QPainter::CompositionMode mode);
    // Sets the pen only when it differs from the one in use: a redraw strokes
    // thousands of lines with a handful of pens.
    void usePen(QPainter &painter, const QColor &colour, int width, LineStyle style);
    void forgetPen() { penInUse_.reset(); }

private:
    void findDevice();
    void useWindow(QPainter &painter, const QRect &window);

    QPaintDevice *device_;
    QRect deviceRect_;                     // asked once: a paint device answers through a virtual call
    QImage *raster_ = nullptr;             // the device, when thin lines can be written into its pixels
    std::optional<RasterTarget> target_;   // its pixels, for the current batch
    ColumnRuns runs_;
    RasterTarget runsTarget_;
    std::unique_ptr<QPainter> painter_;
    std::optional<QRect> painterWindow_;   // the window the painter is set up for
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    double pixelsPerTwipX_;   // the inverses, as a redraw converts a great many positions
    double pixelsPerTwipY_;
    double devicePixelsPerScreenPixel_;
    double pixelRatio_ = 1;
    double textScale_ = 1;
    bool stampsTexts_ = true;
    std::function<void(const QRect &)> changed_;
    QRect dirty_;     // changed in this batch
    QRect reported_;  // the last change passed on in this batch
    std::optional<QRect> filled_;   // all of one colour since its fill: nothing drew since
    QRgb filledColour_ = 0;
    QRect covered_;   // a window all of which dirty_ holds
    struct PenKey {
        QRgb rgba;
        int width;
        LineStyle style;
        bool operator==(const PenKey &) const = default;
    };
    std::optional<PenKey> penInUse_;
    QPainter::CompositionMode compositionInUse_ = QPainter::CompositionMode_SourceOver;
};

}   // namespace platform
