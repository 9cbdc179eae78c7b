#pragma once
// The recorded transactions: the day index of every buy and every sell, in
// recording order. Only entries 1 to the counts (buy_number, sell_number,
// public on the chart) are meaningful; the i-th sell closes the i-th buy.

#include <array>
#include <cstdint>

namespace quotechart {

struct TransactionTables {
    static constexpr int16_t capacity = 250;
    std::array<int16_t, capacity + 1> buy_days{};   // entry 0 unused
    std::array<int16_t, capacity + 1> sell_days{};
};

}   // namespace quotechart
