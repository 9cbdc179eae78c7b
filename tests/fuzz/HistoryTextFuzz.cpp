// Fuzzing the history file reader: any bytes load at most 5000 days, every
// counted day has a high and a low, and loading never touches slot 0.

#include "FuzzEntries.h"

#include "history/HistoryText.h"

#include <memory>

using quotechart::PriceHistory;

int fuzzHistoryText(const uint8_t *data, size_t size)
{
    static const auto history = std::make_unique<PriceHistory>();
    history->high_array[0] = history->low_array[0] = -1;
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    const quotechart::HistoryHeader header = quotechart::readHistoryText(text, *history);
    fuzzExpect(history->record_count >= 0 && history->record_count <= PriceHistory::capacity,
               "record_count stays within 0..5000");
    for (int k = 1; k <= history->record_count; ++k)
        fuzzExpect(history->high_array[k] != 0 && history->low_array[k] != 0, "counted days have a high and a low");
    fuzzExpect(history->high_array[0] == -1 && history->low_array[0] == -1, "slot 0 is never written");
    fuzzExpect(header.longHeader || !header.companyName, "only a long header names the company");
    return 0;
}
