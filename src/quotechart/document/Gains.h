#pragma once
// The two gain totals under the transaction list, computed from the list's
// texts: entries 2i - 1 and 2i are buy i and sell i, and their Price texts
// (the closes rounded to cents) are the prices the pair traded at.
//
// A pair counts only when both entries are there, the first is a buy and the
// second a sell, and both prices read as numbers with a nonzero buy: any
// other pair (after a buy following a buy, say) adds nothing to the sum and
// multiplies the product by nothing. A step that would overflow the single
// precision total is skipped, the total keeping its value.

#include "document/TransactionEntries.h"

#include <QString>

#include <cstdint>
#include <span>

namespace quotechart {

// The sum of the pairs' percentage gains, over pairs 1 to sellCount.
float summarizedGain(std::span<const ListEntry> list, int16_t sellCount);
// The pairs' gains compounded, in percent.
float cumulativeGain(std::span<const ListEntry> list, int16_t sellCount);

// The labels' texts: "Summarized gain: 30.0 %", "Cumulative gain: 32.0 %";
// a negative count (only a host can write one) gives the caption alone.
QString summarizedGainText(std::span<const ListEntry> list, int16_t sellCount);
QString cumulativeGainText(std::span<const ListEntry> list, int16_t sellCount);

inline const QString SumGainCaption = QStringLiteral("Summarized gain");
inline const QString CumGainCaption = QStringLiteral("Cumulative gain");

}   // namespace quotechart
