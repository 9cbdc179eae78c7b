#pragma once
// Reading a chart file back, item by item as it was written: lines 1 to 45
// by position, then every item naming Buy or Sell (in any letter case) as a
// transaction, renumbered from 1. An item is the text up to the next comma
// or the line end, leading blanks dropped and enclosing quotes removed; its
// value is the text after its first colon as a 16-bit whole number.
//
// The reader writes each value into the target as soon as it is read, so a
// failing file leaves the values read before the failure in place; errors are
// thrown as ControlError: 13 for a value that is no number, 6 for one beyond
// 16 bits, 62 for a file that ends before line 45.

#include "document/PaneSettings.h"
#include "document/TransactionTables.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace quotechart {

struct ChartFileTarget {
    QString &ticker_name;
    std::array<PaneSettings, PaneCount> &pane_settings;
    int16_t &starting_date_local;
    int16_t &ending_date_local;
    int16_t &buy_number;
    int16_t &sell_number;
    TransactionTables &transactions;
    // Called right after pane k's indicator (k = 0, 1, 2) is stored, while
    // its other values are still the old ones.
    std::function<void(int k)> indicatorStored;
};

// Beyond 250 transactions of a kind, further ones are not stored.
void readChartFile(QByteArrayView text, ChartFileTarget &target);

}   // namespace quotechart
