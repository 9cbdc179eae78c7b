#pragma once
// The history file the chart reads: a header line, then one line a day,
// "date,open,high,low,close,volume", newest first.

#include "CsvHistory.h"

#include <QByteArray>
#include <QList>

// Dates as yyyy-mm-dd and numbers in the shortest form that reads back as the
// same value, never with an exponent; lines end in CR LF.
QByteArray standardHistoryText(const QList<HistoryDay> &days);
