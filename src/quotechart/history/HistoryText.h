#pragma once
// Reading a history file's text into the per-day arrays.
//
// Two layouts, told apart by the first line: shorter than 40 characters it is
// a column header and every later line is "date,open,high,low,close,volume";
// 40 or more, the first five lines are a header whose third line carries the
// company name (plus four characters that are cut off) and every later line is
// "date,high,low,close,volume". Newest day first.

#include "quotechart/PriceHistory.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace quotechart {

struct HistoryHeader {
    bool longHeader = false;
    std::optional<QString> companyName;   // only from a long header with a readable third line
};

// Stores the rows from slot 1 on and sets record_count. A row whose stored high
// or low is 0 does not count (the next row overwrites its slot); a line under 17
// characters is replaced by the line after it; a field that fails to convert
// (a number too large for its type) leaves the slot's previous value; at most
// 5000 rows are stored; slots above record_count are not cleared.
HistoryHeader readHistoryText(QByteArrayView text, PriceHistory &history);

}   // namespace quotechart
