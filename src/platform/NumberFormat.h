#pragma once
// Number display formats of the old framework.

#include <QString>
#include <QStringView>

namespace platform {

// Formats with a digit pattern: '0' is a required digit, '#' an optional one,
// '.' the decimal point; the value is rounded half to even to the number of
// decimals shown and a minus sign leads negative values.
//   "####0.00": 12.5 -> "12.50", 0.5 -> "0.50", -3.14159 -> "-3.14"
//   "####0.0":  0.27 -> "0.3"
//   "###.00":   0.5 -> ".50", 12 -> "12.00"
QString formatNumber(double value, QStringView pattern);

// General number format: the shortest decimal text that reads back as the
// value at its precision (7 significant digits for single, 15 for double),
// no trailing zeros or point: 12.5 -> "12.5", 1000 -> "1000", 0.15f -> "0.15".
QString formatGeneral(double value);
QString formatGeneral(float value);

} // namespace platform
