#pragma once
// The chart file: the ticker, the three panes' indicator and thirteen of
// their periods (the money-flow period is not kept), the visible range, and
// the transaction days, one labelled line each, every line ended by CR LF.

#include "document/ChartDocument.h"

#include <QByteArray>

namespace quotechart {

// The labels of a pane block's fourteen lines, in file order.
extern const char *const PaneBlockLabels[14];

// Whether the file can hold a ticker: the reader ends an item at a comma or
// a line end, so one of those would cut the ticker and shift every line after.
bool chartFileHolds(const QString &ticker);

// The file's text for a document. Transactions on day 0 are left out; the
// numbers of the others are kept, gaps and all.
QByteArray chartFileText(const ChartDocument &document);

}   // namespace quotechart
