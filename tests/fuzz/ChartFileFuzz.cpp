// Fuzzing the chart file reader: any bytes either read or fail with one of
// its errors; the counts stay within the tables, slot 0 of the tables is
// never written, and a read that passed line 45 set both counts.

#include "FuzzEntries.h"

#include "chartfile/ChartFileReader.h"
#include "quotechart/ControlError.h"

#include <memory>

using namespace quotechart;

int fuzzChartFile(const uint8_t *data, size_t size)
{
    static const auto document = std::make_unique<ChartDocument>();
    TransactionTables *tables = &document->state.transactions;
    tables->buy_days[0] = tables->sell_days[0] = -7;
    int16_t &buys = document->buy_number, &sells = document->sell_number;
    buys = sells = -1;
    int indicatorsStored = 0;
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    bool read = false;
    try {
        readChartFile(text, *document, [&](int) { ++indicatorsStored; });
        read = true;
    } catch (const ControlError &error) {
        fuzzExpect(error.number() == 6 || error.number() == 13 || error.number() == 62, "only the reader's errors");
    }
    fuzzExpect(buys <= TransactionTables::capacity && sells <= TransactionTables::capacity,
               "counts stay within the tables");
    fuzzExpect(tables->buy_days[0] == -7 && tables->sell_days[0] == -7, "slot 0 is never written");
    fuzzExpect(!read || (buys >= 0 && sells >= 0 && indicatorsStored == 3), "a whole read sets every count");
    fuzzExpect(indicatorsStored <= 3, "three panes at most");
    return 0;
}
