#pragma once
// Number display formats of the old framework.
//
// The texts do not depend on the locale: '.' is the decimal point. Infinity
// and NaN, which checked calculations should never pass here, are written
// "Infinity", "-Infinity" and "NaN" rather than as digits.

#include <QString>
#include <QStringView>

namespace platform {

// Formats with a digit pattern: '0' is a required digit, '#' an optional one,
// '.' the decimal point; other characters before or after them are copied
// around the number. Integer digits are always written in full; '#'s after
// the point are decimals dropped when zero.
//   "####0.00": 12.5 -> "12.50", 0.5 -> "0.50", -3.14159 -> "-3.14"
//   "####0.0":  0.27 -> "0.3"
//   "###.00":   0.5 -> ".50", 12 -> "12.00" (no integer digit below 1)
// Rounding is half to even on the decimal value as a user reads it: a value
// that is exactly a single (prices are singles) is taken as the shortest
// decimal naming that single, any other at 15 significant digits. So 2.675
// and 2.675f give "2.68" (a tie, to the even 8) although both lie just below
// 2.675, and 0.125 gives "0.12". A minus sign leads negative values unless
// they round to zero: -0.001 gives "0.00".
QString formatNumber(double value, QStringView pattern);

// General number format: the value rounded to its precision (15 significant
// digits for double, 7 for single) with no trailing zeros or point:
// 12.5 -> "12.5", 1000 -> "1000", 0.15f -> "0.15", -0.02 -> "-0.02".
// Magnitudes from 1E+15 (1E+07 for single) up and below 0.0001 are written
// with an exponent: 1E+16, 1.5E-05.
QString formatGeneral(double value);
QString formatGeneral(float value);

}   // namespace platform
