#pragma once
// The per-day price history of one ticker.

#include <QString>

#include <array>
#include <cstdint>

namespace quotechart {

// Day k: 1 is the newest loaded day, record_count the oldest; slot 0 is unused.
// Slots above record_count keep whatever an earlier load left there.
struct PriceHistory {
    static constexpr int16_t capacity = 5000;
    int16_t record_count = 0;
    std::array<QString, capacity + 1> date_array;
    std::array<float, capacity + 1> high_array{};
    std::array<float, capacity + 1> low_array{};
    std::array<float, capacity + 1> close_array{};
    std::array<int32_t, capacity + 1> volume_array{};
};

}   // namespace quotechart
