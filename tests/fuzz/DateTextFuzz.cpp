// Fuzzing the date parser and formats: a date read from any text is a real
// date in range, and every form the formats write reads back as that date.

#include "FuzzEntries.h"
#include "FuzzInput.h"

#include "platform/DateText.h"

using namespace platform;

namespace {

void checkReadsBack(const QDate &date)
{
    if (date.year() < 100 || date.year() > 9999)
        return;
    for (const char16_t *pattern : {u"d-mmm-yyyy", u"dd mmm yyyy", u"yyyy-mm-dd", u"m/d/yyyy", u"mmmm d, yyyy"})
        fuzzExpect(parseDate(formatDate(date, pattern)) == date, "a formatted date reads back");
    if (date.year() >= 1930 && date.year() <= 2029)
        fuzzExpect(parseDate(formatDate(date, u"d-mmm-yy")) == date, "a two-digit year reads back");
}

void checkParse(const QString &text)
{
    const std::optional<QDate> date = parseDate(text);
    formatDate(QDate(2001, 3, 5), QStringView(text).left(64));
    if (!date)
        return;
    fuzzExpect(date->isValid() && date->year() >= 100 && date->year() <= 9999,
               "dates read are valid, in years 100 to 9999");
    fuzzExpect(parseDate(u' ' + text + u'\t') == date, "blanks around a date change nothing");
    checkReadsBack(*date);
}

}   // namespace

int fuzzDateText(const uint8_t *data, size_t size)
{
    for (const QString &text : textsOf(data, size))
        checkParse(text);
    // Any day QDate knows, as a formatting argument.
    const QDate date = QDate::fromJulianDay(valueOf<int32_t>(data, size));
    formatDate(date, u"dddd dd,mmmm,yyyy yy m");
    checkReadsBack(date);
    return 0;
}
