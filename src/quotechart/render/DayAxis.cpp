#include "render/DayAxis.h"

#include "platform/Rounding.h"

namespace quotechart {

std::optional<float> DayAxis::singleSlotWidth(double width, int16_t s, int16_t e)
{
    const int slotCount = e - s + 2;
    if (slotCount == 0)
        return std::nullopt;
    return platform::toSingle(width / slotCount);
}

DayAxis DayAxis::singleSlot(double width, int16_t s, int16_t e, float slotWidth)
{
    return DayAxis(Rounding::SingleSlot, width, s, e, double(slotWidth), e - s + 2);
}

std::optional<DayAxis> DayAxis::exactSlots(double width, int16_t s, int16_t e)
{
    const std::optional<int16_t> slotCount = platform::add16(e - s, 2);
    if (!slotCount || *slotCount == 0)
        return std::nullopt;
    return DayAxis(Rounding::ExactSlots, width, s, e, width / *slotCount, *slotCount);
}

DayAxis DayAxis::doubleSlot(double width, int16_t s, int16_t e)
{
    const int slotCount = e - s + 2;
    return DayAxis(Rounding::DoubleSlot, width, s, e, slotCount != 0 ? width / slotCount : 0.0, slotCount);
}

std::optional<int16_t> DayAxis::dayAt(double x) const
{
    const std::optional<double> slotCount = platform::divide((width_ - x) * slots_, width_);
    if (!slotCount)
        return std::nullopt;
    const std::optional<int16_t> nearest = platform::toInt16(*slotCount + s_);
    return nearest ? platform::sub16(*nearest, 1) : std::nullopt;
}

}   // namespace quotechart
