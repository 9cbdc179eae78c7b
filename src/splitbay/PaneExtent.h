#pragma once
// How far the pane may grow across its bar.

class QWidget;

namespace splitbay6 {

// In pixels: its container's height (or width), or the screen's for a pane
// without one.
int largestPaneExtent(const QWidget &pane, bool vertical);

}   // namespace splitbay6
