#pragma once
// A history file read again for a chart that follows it. A downloader
// writing the file in place is caught at any moment, so only a file that
// looks whole is taken: one that ends with a line end and holds a day.

#include "history/HistoryText.h"
#include "quotechart/PriceHistory.h"

#include <QString>

#include <memory>
#include <optional>

namespace quotechart {

struct CompleteHistory {
    std::unique_ptr<PriceHistory> history;
    HistoryHeader header;
};

// None when the file cannot be read, its last line has no line end (a
// writer is still at it) or it holds no day that counts.
std::optional<CompleteHistory> readCompleteHistory(const QString &path);

}   // namespace quotechart
