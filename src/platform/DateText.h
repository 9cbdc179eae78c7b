#pragma once
// Dates as history files write them, and the old framework's date formats.
// Month and weekday names are English whatever the locale, as history files
// and the chart's labels use them.

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace platform {

// Accepts "2-Jan-01", "02-Jan-2001", "2 Jan 2001", "2001-01-02", "1/2/2001"
// (month/day/year), "Jan 2, 2001" and "Jan 2 2001", with blanks around the
// text and around its separators; the numeric forms also take '/' or '-'
// for both separators. Month names are English, the first three letters or
// in full, in any letter case. Days and months have one or two digits, years
// two or four: two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999, and
// four-digit years start at 100. Anything else, and impossible dates such as
// 30-Feb-01 or 2001-13-01, is empty.
std::optional<QDate> parseDate(QStringView text);

// Formats with the tokens d (day), dd (two-digit day), ddd and dddd (weekday
// "Mon", "Monday"), m (month number), mm (two-digit month), mmm ("Jan"),
// mmmm ("January"), yy (two-digit year) and yyyy (four-digit year). A longer
// run of a letter is read as tokens from the longest; a lone 'y' and every
// other character are copied: "dd,mmm,yyyy" -> "05,Mar,2001",
// "mmm,yy" -> "Jan,03", "d" -> "5". An invalid date gives an empty text.
QString formatDate(const QDate &date, QStringView pattern);

}   // namespace platform
