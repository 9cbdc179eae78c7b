#pragma once
// "Time Range" hands the host its own time-range command: the keystroke
// Ctrl+T, queued to the window that has the keyboard focus as if typed, so
// the host's shortcuts see it. Returns at once; the key arrives later.

class QWidget;

namespace quotechart {

// `chart` is the widget whose menu sent it: while that menu is still the
// focus window (as it is on X11 when its entry runs), the key goes to the
// chart's own window instead, where the host's shortcuts are.
void sendTimeRangeKey(const QWidget &chart);

}   // namespace quotechart
