#pragma once
// Moving and resizing the visible window of days s (newest) .. e (oldest)
// over a history of N days, in 16-bit arithmetic. Paging and zoom clamp at
// the ends of the history; the five-day steps refuse a step that would leave
// it. A result that would leave 16 bits leaves the window as it was (the
// step: refused).

#include <cstdint>
#include <optional>

namespace quotechart {

struct VisibleRange {
    int16_t s = 1;
    int16_t e = 200;
    bool operator==(const VisibleRange &) const = default;
};

// One window width toward older days, the old oldest day becoming the newest.
VisibleRange pagedBackward(VisibleRange range, int16_t recordCount);
// One window width toward newer days, sharing one day likewise.
VisibleRange pagedForward(VisibleRange range);
// 30 % of the width (rounded half to even) off the oldest end.
VisibleRange zoomedIn(VisibleRange range);
// The width added on each side, within 1 .. N; a one-day window grows by one.
VisibleRange zoomedOut(VisibleRange range, int16_t recordCount);
// `steps` zooms in (positive) or out (negative) one after the other. They
// stop at the first that changes nothing, so a wheel turned 273 notches at
// once costs no more than the steps that move the window.
VisibleRange zoomedBySteps(VisibleRange range, int16_t recordCount, int steps);

inline constexpr int16_t ArrowStep = 5;
std::optional<VisibleRange> steppedOlder(VisibleRange range, int16_t recordCount);
std::optional<VisibleRange> steppedNewer(VisibleRange range);

}   // namespace quotechart
