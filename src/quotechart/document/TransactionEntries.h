#pragma once
// The transaction list's entries as texts: what a buy or a sell shows in the
// list's four columns. The gains and the report read these texts back, so
// they are the one place the list's formats live.

#include "quotechart/PriceHistory.h"

#include <QColor>
#include <QString>

#include <cstdint>

namespace quotechart {

struct ListEntry {
    QString text;      // "B" or "S"
    QString price;     // the day's close, "####0.00"
    QString date;      // the day's date text as the history holds it
    QString percent;   // sells only: the gain against the paired buy, "####0.0"
};

inline const QString BuyText = QStringLiteral("B");
inline const QString SellText = QStringLiteral("S");
inline const QColor BuyEntryColour{0, 200, 0};
inline const QColor SellEntryColour{200, 0, 0};

// A day outside the history's arrays leaves the price and the date empty,
// and a gain that cannot be computed (a buy day outside the arrays, a close
// of 0) leaves the percentage empty: the entry is still listed, so that the
// list keeps pairing buys with sells.
ListEntry buyEntry(const PriceHistory &history, int16_t day);
ListEntry sellEntry(const PriceHistory &history, int16_t day, int16_t buyDay);

}   // namespace quotechart
