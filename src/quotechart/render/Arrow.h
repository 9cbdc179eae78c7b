#pragma once
// The buy and sell arrows, drawn in device pixels on a surface's device
// context: a buy arrow hangs below its tip and points up (green), a sell
// arrow stands above its tip and points down (red).

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// Draws one arrow with its tip at (x, y) pixels: a shaft three pixels wide and
// twelve long, and a head widening from one pixel at the tip to nine pixels
// four rows away. Each coordinate is rounded after its offset is added.
void DrawArrow(float &x, float &y, platform::SurfaceRegion &dc, bool is_buy);

}   // namespace quotechart
