#pragma once
// Per-day arrays laid out as the chart holds them (5001 slots, slot 0 unused,
// day 1 the newest), and checks of the points a pane would draw.

#include "calc/PlotSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace indicatortest {

inline constexpr std::size_t chartSlots = 5001;

// The values from day 1 on; every later slot holds 0, as never-loaded days do.
template <typename T> std::vector<T> newestFirst(std::initializer_list<T> values)
{
    std::vector<T> days(chartSlots, T{});
    std::size_t day = 1;
    for (const T value : values)
        days[day++] = value;
    return days;
}

template <typename T> std::vector<T> constantDays(T value)
{
    std::vector<T> days(chartSlots, value);
    days[0] = T{};
    return days;
}

struct History {
    std::vector<float> highs = std::vector<float>(chartSlots);
    std::vector<float> lows = std::vector<float>(chartSlots);
    std::vector<float> closes = std::vector<float>(chartSlots);
    std::vector<int32_t> volumes = std::vector<int32_t>(chartSlots);
};

// 5000 days of a price that wanders by up to 2 % a day, in cents.
inline History randomWalk(unsigned seed)
{
    std::mt19937 generator(seed);
    const auto unit = [&generator] { return double(generator()) / 4294967296.0; };
    History history;
    double close = 40.0;
    for (std::size_t day = chartSlots - 1; day >= 1; --day) {
        close *= 1.0 + (unit() - 0.5) * 0.04;
        const double cents = std::round(close * 100.0) / 100.0;
        history.closes[day] = float(cents);
        history.highs[day] = float(cents + std::round(unit() * 80.0) / 100.0);
        history.lows[day] = float(cents - std::round(unit() * 80.0) / 100.0);
        history.volumes[day] = int32_t(100000 + unit() * 900000);
    }
    return history;
}

using Points = std::vector<std::pair<int32_t, double>>;

inline void expectPoints(const quotechart::indicators::PlotSeries &plot, const Points &expected,
                         double relativeTolerance = 1e-5)
{
    for (const auto &[day, value] : expected) {
        SCOPED_TRACE(testing::Message() << "day " << day);
        const auto point = plot.at(day);
        ASSERT_TRUE(point.has_value());
        EXPECT_NEAR(*point, value, relativeTolerance * std::max(1.0, std::fabs(value)));
    }
}

inline void expectNoPoints(const quotechart::indicators::PlotSeries &plot, std::initializer_list<int32_t> days)
{
    for (const int32_t day : days)
        EXPECT_FALSE(plot.at(day).has_value()) << "day " << day;
}

}   // namespace indicatortest
