// Fuzzing the number readers and formats: whatever the text, the readers
// agree with each other, and whatever they read, the formats write text that
// reads back as the value at the precision the format shows.

#include "FuzzEntries.h"
#include "FuzzInput.h"

#include "platform/NumberFormat.h"
#include "platform/NumberText.h"

#include <cfloat>
#include <cmath>

using namespace platform;

namespace {

bool within(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

void checkGeneralFormats(double value)
{
    const std::optional<double> general = strictNumber(formatGeneral(value));
    fuzzExpect(general && within(*general, value, std::fabs(value) * 1e-14 + DBL_TRUE_MIN),
               "general text reads back within 15 digits");
    if (std::fabs(value) > FLT_MAX)
        return;
    const float single = float(value);
    const std::optional<double> back = strictNumber(formatGeneral(single));
    fuzzExpect(back && within(*back, single, std::fabs(single) * 1e-6 + FLT_TRUE_MIN),
               "single general text reads back within 7 digits");
}

void checkDigitPatterns(double value)
{
    const struct {
        const char16_t *pattern;
        int places;
    } patterns[] = {{u"####0.00", 2}, {u"####0.0", 1}, {u"###.00", 2}};
    for (const auto &[pattern, places] : patterns) {
        const QString text = formatNumber(value, pattern);
        const std::optional<double> back = strictNumber(text);
        // Half a unit of the last place, and the difference between a single
        // and its shortest decimal.
        const double tolerance = 0.5 * std::pow(10.0, -places) * (1 + 1e-9) + std::fabs(value) * 1e-7;
        fuzzExpect(back && within(*back, value, tolerance), "pattern text reads back within its places");
        fuzzExpect(text.size() - text.indexOf(u'.') - 1 == places, "pattern text has its decimals");
        fuzzExpect(!(text.startsWith(u'-') && back && *back == 0), "a rounded zero has no sign");
    }
}

void checkFormats(double value)
{
    // The 15-digit text of the very largest doubles rounds past the range.
    if (!std::isfinite(value) || std::fabs(value) >= 1e300) {
        formatGeneral(value);
        formatNumber(value, u"####0.00");
        return;
    }
    checkGeneralFormats(value);
    checkDigitPatterns(value);
}

void checkReaders(const QString &text)
{
    const std::optional<double> leading = leadingNumber(text);
    const std::optional<double> strict = strictNumber(text);
    if (strict)
        fuzzExpect(leading == strict, "a whole number reads the same as a leading one");
    fuzzExpect(leadingNumber(text + u'x') == leading, "text after the number changes nothing");
    if (!leading)
        return;
    fuzzExpect(std::isfinite(*leading), "numbers read are finite");
    checkFormats(*leading);
    formatNumber(*leading, QStringView(text).left(32));
}

}   // namespace

int fuzzNumberText(const uint8_t *data, size_t size)
{
    for (const QString &text : textsOf(data, size))
        checkReaders(text);
    checkFormats(valueOf<double>(data, size));
    return 0;
}
