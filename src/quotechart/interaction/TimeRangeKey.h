#pragma once
// "Time Range" hands the host its own time-range command: the keystroke
// Ctrl+T, queued to the window that has the keyboard focus as if typed, so
// the host's shortcuts see it. Returns at once; the key arrives later.

namespace quotechart {

void sendTimeRangeKey();

}   // namespace quotechart
