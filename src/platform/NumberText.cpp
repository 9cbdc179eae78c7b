#include "platform/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform {
namespace {

// Halfway cases between two doubles have at most 767 significant digits, so
// keeping this many, plus one non-zero digit standing for any dropped
// non-zero ones, rounds every input exactly while memory stays fixed.
constexpr int keptDigits = 780;

// Exponent digits beyond this change nothing; the cap keeps the sum free of
// overflow for texts of any length.
constexpr int64_t exponentCap = 1'000'000'000'000'000;

// Decimal exponents beyond these are surely out of range or surely zero.
constexpr int64_t largestExponent = 310;
constexpr int64_t smallestExponent = -330;

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

qsizetype skipBlanks(QStringView text, qsizetype at)
{
    while (at < text.size() && isBlank(text[at].unicode()))
        ++at;
    return at;
}

// The significant digits of a mantissa read left to right: the value is
// 0.d1 d2 d3 ... x 10^exponent.
class SignificantDigits {
public:
    void addIntegerDigit(char16_t digit)
    {
        seen_ = true;
        if (count_ == 0 && digit == u'0')
            return;
        keep(digit);
        ++exponent_;
    }

    void addFractionDigit(char16_t digit)
    {
        seen_ = true;
        if (count_ == 0 && digit == u'0') {
            --exponent_;
            return;
        }
        keep(digit);
    }

    bool seen() const { return seen_; }

    // Empty when the magnitude is beyond the double range; results below the
    // smallest double read as 0.
    std::optional<double> toDouble(bool negative, int64_t exponent) const
    {
        if (count_ == 0)
            return 0.0;
        const int64_t scale = exponent_ + exponent;
        if (scale > largestExponent)
            return std::nullopt;
        if (scale < smallestExponent)
            return 0.0;

        std::array<char, keptDigits + 32> text;
        char *end = text.data();
        if (negative)
            *end++ = '-';
        *end++ = '0';
        *end++ = '.';
        std::memcpy(end, digits_.data(), size_t(count_));
        end += count_;
        if (dropped_)
            *end++ = '1';
        *end++ = 'e';
        end = std::to_chars(end, text.data() + text.size(), scale).ptr;

        double value = 0;
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error == std::errc::result_out_of_range)
            return scale > 0 ? std::nullopt : std::optional<double>(0.0);
        if (error != std::errc() || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

private:
    void keep(char16_t digit)
    {
        if (count_ < keptDigits)
            digits_[size_t(count_++)] = char(digit);
        else if (digit != u'0')
            dropped_ = true;
    }

    std::array<char, keptDigits> digits_;
    int count_ = 0;
    bool dropped_ = false;
    bool seen_ = false;
    int64_t exponent_ = 0;
};

struct NumberScan {
    qsizetype end = 0;             // first position after the number
    bool hasDigits = false;        // the mantissa has at least one digit
    std::optional<double> value;   // empty when too large for a double
};

// Reads [sign] digits [. digits] [e [sign] digits] from `at`, in one pass.
// An exponent is taken only when a digit follows its letter and sign.
NumberScan scanNumber(QStringView text, qsizetype at)
{
    const qsizetype size = text.size();
    bool negative = false;
    if (at < size && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    SignificantDigits digits;
    while (at < size && isDigit(text[at].unicode()))
        digits.addIntegerDigit(text[at++].unicode());
    if (at < size && text[at] == u'.') {
        ++at;
        while (at < size && isDigit(text[at].unicode()))
            digits.addFractionDigit(text[at++].unicode());
    }
    if (!digits.seen())
        return {at, false, 0.0};

    int64_t exponent = 0;
    if (at < size && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype next = at + 1;
        bool negativeExponent = false;
        if (next < size && (text[next] == u'+' || text[next] == u'-')) {
            negativeExponent = text[next] == u'-';
            ++next;
        }
        if (next < size && isDigit(text[next].unicode())) {
            while (next < size && isDigit(text[next].unicode())) {
                if (exponent < exponentCap)
                    exponent = exponent * 10 + (text[next].unicode() - u'0');
                ++next;
            }
            if (negativeExponent)
                exponent = -exponent;
            at = next;
        }
    }
    return {at, true, digits.toDouble(negative, exponent)};
}

}   // namespace

std::optional<double> leadingNumber(QStringView text)
{
    const NumberScan scan = scanNumber(text, skipBlanks(text, 0));
    return scan.hasDigits ? scan.value : 0.0;
}

std::optional<double> strictNumber(QStringView text)
{
    const NumberScan scan = scanNumber(text, skipBlanks(text, 0));
    if (!scan.hasDigits || skipBlanks(text, scan.end) != text.size())
        return std::nullopt;
    return scan.value;
}

}   // namespace platform
