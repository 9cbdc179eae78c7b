#pragma once
// Dates as history files write them, and the old framework's date formats.

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace platform {

// Accepts "2-Jan-01", "02-Jan-2001", "2001-01-02", "1/2/2001" (month/day/year),
// "Jan 2, 2001" and "2 Jan 2001" (month names in English, abbreviated or in
// full, any letter case). Two-digit years 00-29 are 2000-2029, 30-99 are
// 1930-1999. Anything else, and impossible dates such as 30-Feb-01, is empty.
std::optional<QDate> parseDate(QStringView text);

// Formats with the tokens d (day), dd (two-digit day), m (month number),
// mm (two-digit month), mmm (English abbreviation "Jan"), mmmm (full name),
// yy (two-digit year) and yyyy; other characters are copied:
// "dd,mmm,yyyy" -> "05,Mar,2001", "mmm,yy" -> "Jan,03", "d" -> "5".
QString formatDate(const QDate &date, QStringView pattern);

} // namespace platform
