#pragma once
// The printed page's frame, its grey bands and its dividing lines.

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PageLayout;

void drawPaperFrame(platform::SurfaceRegion &page, const PageLayout &layout);

}   // namespace quotechart
