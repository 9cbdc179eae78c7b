#include "platform/Surface.h"

namespace platform {

Surface::Surface(QPaintDevice *device, double twipsPerPixelX, double twipsPerPixelY)
    : detail::CanvasHolder{{device, twipsPerPixelX, twipsPerPixelY}}, SurfaceRegion(canvas)
{}

Surface::~Surface() { canvas.flush(); }

}   // namespace platform
