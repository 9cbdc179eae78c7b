#pragma once
// Reading numbers from text.
//
// Both readers take ASCII digits with '.' as the decimal point whatever the
// locale, since history files and dialog fields are written that way. Blanks
// are spaces, tabs and line ends. A number too large for a double is empty;
// one too small reads as 0. Texts of any length are read in linear time.

#include <QStringView>
#include <optional>

namespace platform {

// The number at the start of a field, as history files are read: leading
// blanks are skipped, then an optional sign, digits, a '.' and an exponent;
// reading stops at the first character that cannot continue the number.
// "12.5abc" -> 12.5, "abc" -> 0, "" -> 0, "-.5" -> -0.5, "1e3x" -> 1000,
// "1e" -> 1, "1.2.3" -> 1.2. Empty only when the number is too large for a
// double ("1e400").
std::optional<double> leadingNumber(QStringView text);

// A whole field that must be a number (blanks around it allowed): the check
// behind "Numeric expression required". "12.5" -> 12.5, " 7 " -> 7,
// "+5" -> 5, "1e3" -> 1000; "12.5abc", "", "abc", ".", "1e" -> empty.
std::optional<double> strictNumber(QStringView text);

}   // namespace platform
