#pragma once
// The values of a calculation that gives each day a value of its own,
// whatever the window shows (a day's RSI, the gap between a day's two
// exponential averages), kept per history and periods and filled as windows
// ask for days: a step or a page computes only the days it brings into view.
// Kept in a SeriesMemo, so a history changed by any route starts afresh, and
// the plain paths compute every value every time.

#include "calc/SeriesMemo.h"
#include "calc/Series.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quotechart::indicators {

class DayValues {
public:
    // Days 1 .. days - 1 are kept; any other day is computed on every call.
    explicit DayValues(std::size_t days) : values_(days, 0.0), known_(days, Unknown) {}

    // The value of the day, computed by compute(day) the first time.
    template <typename Compute> std::optional<double> at(int32_t day, Compute compute)
    {
        if (day < 1 || std::size_t(day) >= known_.size())
            return compute(Day(day));
        uint8_t &known = known_[std::size_t(day)];
        if (known == Unknown) {
            const std::optional<double> value = compute(Day(day));
            known = value ? Value : None;
            values_[std::size_t(day)] = value.value_or(0.0);
        }
        return known == Value ? std::optional<double>(values_[std::size_t(day)]) : std::nullopt;
    }

private:
    enum : uint8_t { Unknown, None, Value };
    std::vector<double> values_;
    std::vector<uint8_t> known_;
};

// The day values of one calculation (told apart by Tag) over this series
// with these periods.
template <typename Tag, typename... Periods> std::shared_ptr<DayValues> keptDayValues(Series series, Periods... periods)
{
    thread_local SeriesMemo<std::shared_ptr<DayValues>, Periods...> memo;
    return memo.get({memoInput(series)}, {periods...}, [&] { return std::make_shared<DayValues>(series.size() + 1); });
}

}   // namespace quotechart::indicators
