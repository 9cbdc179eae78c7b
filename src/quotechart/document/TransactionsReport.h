#pragma once
// The transactions as plain text for the host to print or show: the company,
// one line per list entry, an empty line and the two gain labels as they
// read. Lines end in a line feed alone.
//
//   ACME
//   Bought on:   2-Jan-01<TAB><TAB> at: $10.00
//   Sold on:     5-Jan-01<TAB><TAB> at: $11.00<TAB> Gain:10.0%
//
//   Summarized gain: 10.0 %
//   Cumulative gain: 10.0 %

#include "document/TransactionEntries.h"

#include <QString>

#include <span>

namespace quotechart {

QString transactionsReport(const QString &companyName, std::span<const ListEntry> list, const QString &sumGain,
                           const QString &cumGain);

}   // namespace quotechart
