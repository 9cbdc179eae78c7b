#include "history/DayDates.h"

#include "platform/DateText.h"

namespace quotechart {

void DayDates::reset()
{
    dates_.clear();
    read_.clear();
}

std::optional<QDate> DayDates::at(const PriceHistory &history, int k)
{
    if (k < 1 || k > PriceHistory::capacity)
        return std::nullopt;
    if (read_.empty()) {
        dates_.resize(PriceHistory::capacity + 1);
        read_.assign(PriceHistory::capacity + 1, Read::NotYet);
    }
    if (read_[k] == Read::NotYet) {
        const std::optional<QDate> date = platform::parseDate(history.date_array[k]);
        read_[k] = date ? Read::Date : Read::NoDate;
        if (date)
            dates_[k] = *date;
    }
    return read_[k] == Read::Date ? std::optional<QDate>(dates_[k]) : std::nullopt;
}

}   // namespace quotechart
