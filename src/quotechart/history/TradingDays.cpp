#include "history/TradingDays.h"

#include "platform/DateText.h"

namespace quotechart {

namespace {

constexpr int Passes = 3;

// A day's date takes part only when a step compares it: a stored date that
// does not read fails the lookup there and nowhere else.
enum class Comparison { Less, Equal, Greater, Unreadable };

Comparison compare(const PriceHistory &h, DayDates &cache, int k, const QDate &wanted)
{
    const std::optional<QDate> date = cache.at(h, k);
    if (!date)
        return Comparison::Unreadable;
    if (*date < wanted)
        return Comparison::Less;
    return *date == wanted ? Comparison::Equal : Comparison::Greater;
}

}   // namespace

int16_t dayOfDate(const PriceHistory &h, DayDates &cache, QStringView text)
{
    std::optional<QDate> wanted = platform::parseDate(text);
    if (!wanted || h.record_count < 1 || h.record_count > PriceHistory::capacity)
        return 0;
    const Comparison oldest = compare(h, cache, h.record_count, *wanted);
    if (oldest == Comparison::Unreadable)
        return 0;
    if (oldest == Comparison::Greater)
        return h.record_count;
    const Comparison newest = compare(h, cache, 1, *wanted);
    if (newest == Comparison::Unreadable)
        return 0;
    if (newest == Comparison::Less)
        return 1;
    for (int pass = 0; pass < Passes; ++pass) {
        for (int i = 1; i <= h.record_count; ++i) {
            const Comparison day = compare(h, cache, i, *wanted);
            if (day == Comparison::Unreadable)
                return 0;
            if (day == Comparison::Equal)
                return int16_t(i);
        }
        wanted = wanted->addDays(-1);
    }
    return 0;
}

}   // namespace quotechart
