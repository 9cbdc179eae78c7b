#pragma once
// Work series: the single-precision, day-indexed arrays a pane routine builds
// before it draws. They are zero-filled when created and hold days 1 to their
// capacity (3000 for the indicator panes; the price pane's overlays size
// theirs to the history). A day outside has no slot: storing there and
// reading there both fail, so whatever depends on such a day is not drawn.

#include "calc/Series.h"

#include <algorithm>
#include <vector>

namespace quotechart::indicators {

// How far a routine that fills an output series got. It stops at its first
// failing step; what it stored before that stays.
enum class Fill { Complete, Stopped };

class WorkSeries {
public:
    static constexpr Day paneCapacity = 3000;

    // A negative capacity gives a series without slots.
    explicit WorkSeries(Day capacity = paneCapacity) : slots_(std::size_t(std::max<int32_t>(capacity, 0)) + 1, 0.0f) {}

    Day capacity() const { return Day(slots_.size() - 1); }

    bool store(int32_t day, float value)
    {
        if (day < 1 || day > capacity())
            return false;
        slots_[std::size_t(day)] = value;
        return true;
    }

    std::optional<float> read(int32_t day) const { return dayValue(view(), day); }

    // For the routines that take any series; slot 0 is unused.
    Series view() const { return slots_; }

private:
    std::vector<float> slots_;
};

}   // namespace quotechart::indicators
