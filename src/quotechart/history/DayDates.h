#pragma once
// The calendar dates of the loaded days, each read from its text once per
// load: a redraw of the date ruler asks for thousands of them.

#include "quotechart/PriceHistory.h"

#include <QDate>

#include <optional>
#include <vector>

namespace quotechart {

class DayDates {
public:
    // Forgets every date read: the history was loaded anew.
    void reset();
    // The date of day k (1..5000), or none when its text is no date.
    std::optional<QDate> at(const PriceHistory &history, int k);

private:
    enum class Read : unsigned char { NotYet, Date, NoDate };
    std::vector<QDate> dates_;
    std::vector<Read> read_;
};

}   // namespace quotechart
