#pragma once
// Reading a chart file back, item by item as it was written: lines 1 to 45
// by position, then every item naming Buy or Sell (in any letter case) as a
// transaction, renumbered from 1. An item is the text up to the next comma
// or the line end, leading blanks dropped and enclosing quotes removed; its
// value is the text after its first colon as a 16-bit whole number.
//
// The reader writes each value into the document as soon as it is read, so
// a failing file leaves the values read before the failure in place; errors
// are thrown as ControlError: 13 for a value that is no number, 6 for one
// beyond 16 bits, 62 for a file that ends before line 45.

#include "document/ChartDocument.h"

#include <QByteArrayView>

#include <functional>

namespace quotechart {

// `indicatorStored(k)` runs right after pane k's indicator (k = 0, 1, 2) is
// stored, while the pane's other values are still the old ones; it may
// change the document, and reading goes on from what it leaves. Beyond 250
// transactions of a kind, further ones are not stored.
void readChartFile(QByteArrayView text, ChartDocument &document,
                   const std::function<void(int k)> &indicatorStored = {});

}   // namespace quotechart
