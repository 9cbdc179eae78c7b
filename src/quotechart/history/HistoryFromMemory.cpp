#include "history/HistoryFromMemory.h"

#include <cmath>

namespace quotechart {

namespace {

// A price no file could hold (infinite, not a number) is stored as 0, so a
// day with such a high or low does not count, as a day of zeros does not.
float storable(float price) { return std::isfinite(price) ? price : 0.0f; }

bool newestFirstWithValidDates(const QList<DayPrices> &days)
{
    for (qsizetype i = 0; i < days.size(); ++i) {
        if (!days[i].date.isValid())
            return false;
        if (i > 0 && !(days[i].date < days[i - 1].date))
            return false;
    }
    return true;
}

void clearDay(PriceHistory &h, int k)
{
    h.date_array[std::size_t(k)].clear();
    h.open_array[std::size_t(k)] = h.high_array[std::size_t(k)] = h.low_array[std::size_t(k)] =
        h.close_array[std::size_t(k)] = 0;
    h.volume_array[std::size_t(k)] = 0;
}

}   // namespace

bool storeHistory(const QList<DayPrices> &newestFirst, PriceHistory &h)
{
    if (!newestFirstWithValidDates(newestFirst))
        return false;
    int k = 0;
    for (const DayPrices &day : newestFirst) {
        if (k == PriceHistory::capacity)
            break;
        if (storable(day.high) == 0 || storable(day.low) == 0)
            continue;
        ++k;
        const std::size_t slot = std::size_t(k);
        h.date_array[slot] = day.date.toString(Qt::ISODate);
        h.open_array[slot] = storable(day.open);
        h.high_array[slot] = day.high;
        h.low_array[slot] = day.low;
        h.close_array[slot] = storable(day.close);
        h.volume_array[slot] = day.volume;
    }
    h.record_count = int16_t(k);
    for (int above = k + 1; above <= PriceHistory::capacity; ++above)
        clearDay(h, above);
    return true;
}

}   // namespace quotechart
