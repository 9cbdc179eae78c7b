#pragma once
// Surface: the whole of one paint device (a picture box's image or a
// printer's page) as a drawing region, owning the device's canvas. The
// painter stays open across calls (one batch of drawing, one repaint);
// flush() ends the batch. Parts of it are SurfaceRegions.

#include "platform/Canvas.h"
#include "platform/SurfaceRegion.h"

class QPaintDevice;

namespace platform {

namespace detail {
struct CanvasHolder {
    Canvas canvas;
};
}   // namespace detail

class Surface : private detail::CanvasHolder, public SurfaceRegion {
public:
    // `twipsPerPixelX/Y` scale the surface's units to `device` pixels.
    Surface(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY);
    ~Surface();

    // Told the pixels each drawing changed beyond what the batch had changed.
    void setChangedCallback(std::function<void(const QRect &)> changed)
    {
        canvas.setChangedCallback(std::move(changed));
    }
    // Ends the current batch: the device holds everything drawn so far.
    void flush() { canvas.flush(); }
    // Starts a batch now; false when the device cannot be painted (a
    // printer that cannot start its job).
    bool begin() { return canvas.begin(); }
    void setScale(double twipsPerPixelX, double twipsPerPixelY, double pixelRatio)
    {
        canvas.setScale(twipsPerPixelX, twipsPerPixelY, pixelRatio);
    }
    void setTextScale(double scale) { canvas.setTextScale(scale); }
    // Points the surface at another device of the same kind (a resized image).
    void setDevice(QPaintDevice *device) { canvas.setDevice(device); }
};

}   // namespace platform
