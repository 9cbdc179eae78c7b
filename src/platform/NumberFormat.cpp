#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace platform {
namespace {

// A finite value as its significant decimal digits, 0.d1 d2 ... dn x 10^point,
// with no leading or trailing zeros (no digits at all for zero).
struct Decimal {
    std::array<char, 32> digits{};
    int count = 0;
    int64_t point = 0;

    // The digit at an index counted from d1; zeros outside the stored ones.
    QChar at(int64_t index) const
    {
        return index >= 0 && index < count ? QChar::fromLatin1(digits[size_t(index)]) : QChar(u'0');
    }
};

// Reads the "d.ddde+XX" text of std::to_chars.
Decimal fromScientific(const char *begin, const char *end)
{
    Decimal decimal;
    const char *p = begin;
    if (*p == '-')
        ++p;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            decimal.digits[size_t(decimal.count++)] = *p;
    }
    int exponent = 0;
    if (p != end && ++p != end && *p == '+')
        ++p;
    std::from_chars(p, end, exponent);
    while (decimal.count > 0 && decimal.digits[size_t(decimal.count - 1)] == '0')
        --decimal.count;
    decimal.point = decimal.count > 0 ? exponent + 1 : 0;
    return decimal;
}

// The digits a user sees for a value. A value that is exactly a single (the
// chart's prices are singles) is read as the shortest decimal naming that
// single, so 2.675f is 2.675 and not 2.6749999523...; any other value as its
// 15 significant digits, so 2.675 is 2.675 although the double lies below it.
Decimal visibleDigits(double value)
{
    std::array<char, 64> text;
    char *const last = text.data() + text.size();
    std::to_chars_result written;
    if (std::fabs(value) <= FLT_MAX && double(float(value)) == value)
        written = std::to_chars(text.data(), last, float(value), std::chars_format::scientific);
    else
        written = std::to_chars(text.data(), last, value, std::chars_format::scientific, 14);
    return fromScientific(text.data(), written.ptr);
}

// Adds one unit in the place of the last of `count` digits, carrying left.
void addUnitInLastPlace(Decimal &decimal)
{
    int index = decimal.count - 1;
    while (index >= 0 && decimal.digits[size_t(index)] == '9')
        --index;
    if (index < 0) {
        decimal.digits[0] = '1';
        decimal.count = 1;
        ++decimal.point;
        return;
    }
    ++decimal.digits[size_t(index)];
    decimal.count = index + 1;
}

// Rounds half to even at `places` decimals. The digits are exact decimals,
// so a 5 with nothing after it is a true tie.
void roundToPlaces(Decimal &decimal, int64_t places)
{
    const int64_t kept = decimal.point + places;
    if (kept >= decimal.count)
        return;
    if (kept < 0) {
        decimal.count = 0;
        return;
    }
    const int keep = int(kept);
    const char next = decimal.digits[size_t(keep)];
    const bool tie = next == '5' && keep + 1 == decimal.count;
    const bool lastOdd = keep > 0 && (decimal.digits[size_t(keep - 1)] - '0') % 2 == 1;
    decimal.count = keep;
    if ((next >= '5' && !tie) || (tie && lastOdd))
        addUnitInLastPlace(decimal);
    while (decimal.count > 0 && decimal.digits[size_t(decimal.count - 1)] == '0')
        --decimal.count;
}

// A digit pattern: text before the first and after the last of '#', '0' and
// '.' is copied around the number.
struct DigitPattern {
    QStringView prefix;
    QStringView suffix;
    qsizetype integerDigits = 0;    // '0's before the point: digits always written
    qsizetype places = 0;           // '#'s and '0's after it: decimals at most
    qsizetype requiredPlaces = 0;   // up to the last '0' after it: decimals always written
};

DigitPattern readPattern(QStringView pattern)
{
    const auto isPlaceholder = [](QChar c) { return c == u'#' || c == u'0' || c == u'.'; };
    const qsizetype first = std::find_if(pattern.begin(), pattern.end(), isPlaceholder) - pattern.begin();
    qsizetype last = pattern.size();
    while (last > first && !isPlaceholder(pattern[last - 1]))
        --last;

    DigitPattern result;
    result.prefix = pattern.first(first);
    result.suffix = pattern.sliced(last);
    bool afterPoint = false;
    for (const QChar c : pattern.sliced(first, last - first)) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u'0' || c == u'#') {
            if (afterPoint) {
                ++result.places;
                if (c == u'0')
                    result.requiredPlaces = result.places;
            } else if (c == u'0') {
                ++result.integerDigits;
            }
        }
    }
    return result;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

template <typename Real> QString generalText(Real value, int precision)
{
    if (!std::isfinite(value))
        return nonFiniteText(double(value));
    if (value == 0)
        return QStringLiteral("0");   // also for -0
    std::array<char, 48> text;
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, precision);
    std::replace(text.data(), written.ptr, 'e', 'E');
    return QString::fromLatin1(text.data(), written.ptr - text.data());
}

}   // namespace

QString formatNumber(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DigitPattern digits = readPattern(pattern);
    Decimal decimal = visibleDigits(value);
    roundToPlaces(decimal, digits.places);

    qsizetype places = digits.places;
    while (places > digits.requiredPlaces && decimal.at(decimal.point + places - 1) == u'0')
        --places;
    const qsizetype integerDigits = qsizetype(std::max<int64_t>(decimal.point, 0));

    QString text;
    text.reserve(digits.prefix.size() + digits.suffix.size() + 2 + std::max(integerDigits, digits.integerDigits) +
                 places);
    if (value < 0 && decimal.count > 0)   // a value rounded to zero has no sign
        text += u'-';
    text += digits.prefix;
    for (qsizetype i = integerDigits; i < digits.integerDigits; ++i)
        text += u'0';
    for (qsizetype i = 0; i < integerDigits; ++i)
        text += decimal.at(i);
    if (places > 0) {
        text += u'.';
        for (qsizetype i = 0; i < places; ++i)
            text += decimal.at(decimal.point + i);
    }
    text += digits.suffix;
    return text;
}

QString formatGeneral(double value) { return generalText(value, 15); }

QString formatGeneral(float value) { return generalText(value, 7); }

}   // namespace platform
