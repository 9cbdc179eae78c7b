// Fuzzing the host's CSV history import: any bytes give at most 5000 days,
// newest first and once per date, each one the chart counts; the file written
// from them reads back as the same days, and the chart's own reader loads
// every one of them as it was read.

#include "FuzzEntries.h"

#include "CsvHistory.h"
#include "StandardHistory.h"
#include "history/HistoryText.h"

#include <memory>

using quotechart::PriceHistory;

namespace {

void checkDays(const CsvHistory &history)
{
    fuzzExpect(history.error.isEmpty() || history.days.isEmpty(), "a file that cannot be read gives no day");
    fuzzExpect(history.days.size() <= HistoryCapacity, "at most the chart's capacity");
    for (qsizetype i = 0; i < history.days.size(); ++i) {
        const HistoryDay &day = history.days[i];
        fuzzExpect(day.date.isValid() && day.date.year() >= 100 && day.date.year() <= 9999, "dates are real dates");
        fuzzExpect(i == 0 || history.days[i - 1].date > day.date, "newest first, once per date");
        fuzzExpect(float(day.high) != 0 && float(day.low) != 0, "the chart counts every day");
        fuzzExpect(day.volume >= 0, "volumes are not negative");
    }
    for (const SkippedLines &skipped : history.skipped)
        fuzzExpect(skipped.count >= skipped.firstLines.size() && skipped.firstLines.size() <= SkippedLines::KeptLines &&
                       std::is_sorted(skipped.firstLines.begin(), skipped.firstLines.end()),
                   "skipped lines are counted and the first few named in order");
}

void checkWritten(const CsvHistory &history)
{
    const QByteArray text = standardHistoryText(history.days);
    const CsvHistory again = readCsvHistory(text);
    fuzzExpect(again.error.isEmpty() && again.skippedCount() == 0 && again.days.size() == history.days.size(),
               "the written file reads back whole");
    for (qsizetype i = 0; i < again.days.size() && i < history.days.size(); ++i) {
        const HistoryDay &a = history.days[i], &b = again.days[i];
        fuzzExpect(a.date == b.date && a.open == b.open && a.high == b.high && a.low == b.low && a.close == b.close &&
                       a.volume == b.volume,
                   "the written file reads back as the same days");
    }
    static const auto chart = std::make_unique<PriceHistory>();
    quotechart::readHistoryText(text, *chart);
    fuzzExpect(chart->record_count == history.days.size(), "the chart loads every day written");
    for (int k = 1; k <= chart->record_count && k <= history.days.size(); ++k) {
        const HistoryDay &day = history.days[k - 1];
        fuzzExpect(chart->date_array[k] == day.date.toString(Qt::ISODate) && chart->high_array[k] == float(day.high) &&
                       chart->low_array[k] == float(day.low) && chart->close_array[k] == float(day.close) &&
                       chart->volume_array[k] == day.volume,
                   "the chart reads each day as it was read");
    }
}

}   // namespace

int fuzzCsvHistory(const uint8_t *data, size_t size)
{
    const CsvHistory history = readCsvHistory(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkDays(history);
    checkWritten(history);
    return 0;
}
