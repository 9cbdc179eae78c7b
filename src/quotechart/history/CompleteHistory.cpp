#include "history/CompleteHistory.h"

#include "history/HistoryFile.h"

namespace quotechart {

std::optional<CompleteHistory> readCompleteHistory(const QString &path)
{
    const std::optional<QByteArray> text = readHistoryFile(path);
    if (!text || !text->endsWith('\n'))
        return std::nullopt;
    CompleteHistory read{std::make_unique<PriceHistory>(), {}};
    read.header = readHistoryText(*text, *read.history);
    if (read.history->record_count < 1)
        return std::nullopt;
    return read;
}

}   // namespace quotechart
