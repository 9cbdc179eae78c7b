#include "render/PriceRange.h"

#include <algorithm>

namespace quotechart {

namespace {

template <typename Better>
float extreme(const PriceHistory &h, const std::array<float, PriceHistory::capacity + 1> &prices, int16_t from,
              int16_t to, Better better)
{
    const int first = std::max<int>(from, 1);
    const int last = std::min<int>(to, h.record_count);
    if (first > last)
        return 0;
    float result = prices[first];
    for (int k = first + 1; k <= last; ++k)
        if (better(prices[k], result))
            result = prices[k];
    return result;
}

}   // namespace

float highestHigh(const PriceHistory &h, int16_t from, int16_t to)
{
    return extreme(h, h.high_array, from, to, [](float a, float b) { return a > b; });
}

float lowestLow(const PriceHistory &h, int16_t from, int16_t to)
{
    return extreme(h, h.low_array, from, to, [](float a, float b) { return a < b; });
}

float lowestPositiveLow(const PriceHistory &h, int16_t from, int16_t to)
{
    float result = 0;
    for (int k = std::max<int>(from, 1); k <= std::min<int>(to, h.record_count); ++k)
        if (h.low_array[k] > 0 && (result == 0 || h.low_array[k] < result))
            result = h.low_array[k];
    return result;
}

}   // namespace quotechart
