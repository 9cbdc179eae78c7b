#pragma once
// Where the visible days sit across a pane, and which day lies under a point.
//
// The visible days s (newest) .. e (oldest) divide the width W into
// e - s + 2 slots; day k sits at W - (k - s + 1) slots, so the newest day is
// one slot in from the right edge and day e + 1 falls on the left edge.
//
// The panes compute the slot in three ways whose roundings differ, and each
// keeps its own so that every pixel stays where it always was:
//   singleSlot  the price pane: the slot width kept in single precision
//   exactSlots  the indicator panes: (k - s + 1) * W / slots, one division a day
//   doubleSlot  the date ruler: the slot width in double precision

#include <cstdint>
#include <optional>

namespace quotechart {

class DayAxis {
public:
    // The price pane's slot width W / (e - s + 2), rounded to single
    // precision; empty when there are no slots.
    static std::optional<float> singleSlotWidth(double width, int16_t s, int16_t e);
    // An axis with a slot width already fixed (by the last chart drawing).
    static DayAxis singleSlot(double width, int16_t s, int16_t e, float slotWidth);
    // Empty when there are no slots or their count leaves 16 bits.
    static std::optional<DayAxis> exactSlots(double width, int16_t s, int16_t e);
    // No slots at all leaves the slot width at 0, as a failed division would.
    static DayAxis doubleSlot(double width, int16_t s, int16_t e);

    double width() const { return width_; }
    int16_t newest() const { return s_; }
    int16_t oldest() const { return e_; }
    double slotWidth() const { return slot_; }

    double x(int k) const   // inline: every day of every curve is placed here
    {
        const int slotsIn = k - s_ + 1;
        if (rounding_ == Rounding::ExactSlots)
            return width_ - slotsIn * width_ / slots_;
        return width_ - slotsIn * slot_;
    }
    // The day nearest to x: near((W - x) * (e - s + 2) / W + s) - 1, ties to
    // even. Empty when W is 0 or the day leaves the 16-bit range.
    std::optional<int16_t> dayAt(double x) const;

private:
    enum class Rounding { SingleSlot, ExactSlots, DoubleSlot };
    DayAxis(Rounding rounding, double width, int16_t s, int16_t e, double slot, int slots)
        : rounding_(rounding), width_(width), s_(s), e_(e), slot_(slot), slots_(slots)
    {}

    Rounding rounding_;
    double width_;
    int16_t s_;
    int16_t e_;
    double slot_;   // the slot width as the rounding keeps it
    int slots_;     // e - s + 2
};

}   // namespace quotechart
