#pragma once
// The filled shape of a printed transaction arrow: a seven-point polygon in
// device pixels of the region, green pointing up below a buy's tip, red
// pointing down above a sell's.

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

void PrintArrow(int x, int y, platform::SurfaceRegion &dc, bool is_buy);

}   // namespace quotechart
