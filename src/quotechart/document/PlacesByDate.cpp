#include "document/PlacesByDate.h"

#include <QDate>

#include <algorithm>
#include <utility>
#include <vector>

namespace quotechart {

namespace {

// The days of a history by date, oldest date first; of days sharing a date
// the newest counts, as a date typed by the user finds it.
class DaysByDate {
public:
    DaysByDate(const PriceHistory &history, DayDates &dates) : count_(history.record_count)
    {
        for (int k = count_; k >= 1; --k)
            if (const std::optional<QDate> date = dates.at(history, k))
                days_.emplace_back(*date, int16_t(k));
        std::stable_sort(days_.begin(), days_.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
    }

    int16_t dayOn(const std::optional<QDate> &date, int16_t oldNumber) const
    {
        if (!date || days_.empty())
            return std::clamp<int16_t>(oldNumber, 1, std::max<int16_t>(count_, 1));
        auto after = std::upper_bound(days_.begin(), days_.end(), *date,
                                      [](const QDate &d, const auto &day) { return d < day.first; });
        if (after == days_.begin())
            return count_;
        return std::prev(after)->second;
    }

private:
    int16_t count_;
    std::vector<std::pair<QDate, int16_t>> days_;
};

bool validDay(int16_t day, const PriceHistory &history) { return day >= 1 && day <= history.record_count; }

}   // namespace

PlacesByDate placesInNewHistory(const PriceHistory &was, DayDates &wasDates, const PriceHistory &now,
                                DayDates &nowDates, VisibleRange range, const TransactionTables &tables,
                                int16_t buys, int16_t sells)
{
    const DaysByDate days(now, nowDates);
    const auto moved = [&](int16_t day) {
        // A number outside the history is no day of it: it stays what it was.
        if (!validDay(day, was))
            return day;
        return days.dayOn(wasDates.at(was, day), day);
    };

    PlacesByDate places{range, tables};
    const int16_t newest = std::max<int16_t>(now.record_count, 1);
    if (range.s <= 1 || was.record_count < 1) {
        const int width = std::max(range.e - range.s, 0);
        places.range = {1, int16_t(std::min(1 + width, int(newest)))};
    } else {
        places.range.s = moved(range.s);
        places.range.e = std::max(moved(range.e), places.range.s);
    }
    const auto remap = [&](auto &days, int16_t count) {
        for (int i = 1; i <= std::min<int>(count, TransactionTables::capacity); ++i)
            days[i] = moved(days[i]);
    };
    remap(places.tables.buy_days, buys);
    remap(places.tables.sell_days, sells);
    return places;
}

}   // namespace quotechart
