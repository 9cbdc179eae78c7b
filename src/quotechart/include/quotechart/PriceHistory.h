#pragma once
/// \file
/// The per-day price history of one ticker.

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace quotechart {

/// One trading day's prices, as a host hands them to REvuved::loadHistory.
struct DayPrices {
    QDate date;         ///< The trading day.
    float open = 0;     ///< Its opening price; 0 when there is none.
    float high = 0;     ///< Its high; 0 leaves the day out.
    float low = 0;      ///< Its low; 0 leaves the day out.
    float close = 0;    ///< Its closing price.
    int32_t volume = 0;   ///< Its volume, in shares.
};

/// The per-day price history of one ticker, as REvuved::ReadDataFile (or
/// REvuved::loadHistory) loads it.
///
/// Day k: 1 is the newest loaded day, record_count the oldest; slot 0 is unused.
/// Slots above record_count keep whatever an earlier file load left there.
struct PriceHistory {
    static constexpr int16_t capacity = 5000;   ///< The most days a history holds.
    int16_t record_count = 0;                   ///< How many days are loaded.
    /// Each day's date as the history file gives it (for example "2001-01-02" or "2-Jan-01").
    std::array<QString, capacity + 1> date_array;
    /// Each day's opening price; 0 where the source has none (a history file
    /// with the long header).
    std::array<float, capacity + 1> open_array{};
    std::array<float, capacity + 1> high_array{};       ///< Each day's high price.
    std::array<float, capacity + 1> low_array{};        ///< Each day's low price.
    std::array<float, capacity + 1> close_array{};      ///< Each day's closing price.
    std::array<int32_t, capacity + 1> volume_array{};   ///< Each day's volume, in shares.
};

}   // namespace quotechart
