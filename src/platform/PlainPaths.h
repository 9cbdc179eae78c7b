#pragma once
// The plain way of drawing and calculating: every line stroked on its own,
// every clear filled, no calculation kept for the next redraw. The fast ways
// (batches of lines, a clear skipped where nothing was drawn, series kept
// per history and settings) give the same pixels; tests switch this on to
// prove it. Per thread; off unless a test asks.

namespace platform {

bool plainPaths();
void setPlainPaths(bool plain);

}   // namespace platform
