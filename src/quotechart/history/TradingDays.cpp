#include "history/TradingDays.h"

#include "platform/DateText.h"

#include <vector>

namespace quotechart {

namespace {

constexpr int Passes = 3;

// Every loaded day's date, or empty when one of them cannot be read.
std::optional<std::vector<QDate>> loadedDates(const PriceHistory &h, DayDates &cache)
{
    std::vector<QDate> dates(std::size_t(h.record_count) + 1);
    for (int i = 1; i <= h.record_count; ++i) {
        const std::optional<QDate> date = cache.at(h, i);
        if (!date)
            return std::nullopt;
        dates[i] = *date;
    }
    return dates;
}

} // namespace

int16_t dayOfDate(const PriceHistory &h, DayDates &cache, QStringView text)
{
    std::optional<QDate> wanted = platform::parseDate(text);
    if (!wanted || h.record_count < 1 || h.record_count > PriceHistory::capacity)
        return 0;
    const std::optional<std::vector<QDate>> dates = loadedDates(h, cache);
    if (!dates)
        return 0;
    if ((*dates)[h.record_count] > *wanted)
        return h.record_count;
    if ((*dates)[1] < *wanted)
        return 1;
    for (int pass = 0; pass < Passes; ++pass) {
        for (int i = 1; i <= h.record_count; ++i)
            if ((*dates)[i] == *wanted)
                return int16_t(i);
        wanted = wanted->addDays(-1);
    }
    return 0;
}

} // namespace quotechart
