#include "platform/NumberText.h"

#include <QString>

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>

using namespace platform;

namespace {

struct Read {
    QString text;
    std::optional<double> value;
};

void expectLeading(std::initializer_list<Read> cases)
{
    for (const Read &c : cases)
        EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text.toStdString() << '"';
}

void expectStrict(std::initializer_list<Read> cases)
{
    for (const Read &c : cases)
        EXPECT_EQ(strictNumber(c.text), c.value) << '"' << c.text.toStdString() << '"';
}

QString repeated(const char *piece, qsizetype times) { return QString::fromLatin1(piece).repeated(times); }

}   // namespace

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAField)
{
    expectLeading({
        {"12.5abc", 12.5},
        {"43.20", 43.2},
        {"28942700\r", 28942700},
        {"  7", 7},
        {"\t-3", -3},
        {"-.5", -0.5},
        {"+5", 5},
        {"5.", 5},
        {"1e3x", 1000},
        {"2.5E-2", 0.025},
        {"1e", 1},
        {"1e+", 1},
        {"1.2.3", 1.2},
        {"1,000", 1},
        {"007", 7},
    });
}

TEST(LeadingNumber, AFieldWithoutANumberIsZero)
{
    expectLeading({
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {".", 0},
        {"-", 0},
        {"- 5", 0},
        {"e5", 0},
        {"$12", 0},
        {QString::fromUtf16(u"\u0661\u0662"), 0},   // digits of another script
    });
    EXPECT_FALSE(std::signbit(*leadingNumber(u"-0")));
}

TEST(LeadingNumber, OnlyNumbersBeyondTheDoubleRangeAreEmpty)
{
    expectLeading({
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1.8e308", std::nullopt},
        {"1e99999999999999999999999", std::nullopt},
        {"1.7976931348623157e308", DBL_MAX},
        {"4.9e-324", 4.9e-324},
        {"1e-400", 0},
        {"0e99999", 0},
        {"0.001e-99999999999999999999", 0},
    });
}

TEST(LeadingNumber, LongFieldsAreReadWhole)
{
    EXPECT_EQ(leadingNumber(repeated("9", 1 << 20)), std::nullopt);
    EXPECT_EQ(leadingNumber(repeated("0", 1 << 20) + "5"), 5);
    EXPECT_EQ(leadingNumber("0." + repeated("0", 1 << 20) + "1"), 0);
    EXPECT_EQ(leadingNumber("1" + repeated("0", 300) + "e-300"), 1);
    EXPECT_EQ(leadingNumber(repeated(" ", 1 << 20) + "7"), 7);
    EXPECT_EQ(leadingNumber("1" + repeated("x", 1 << 20)), 1);
    EXPECT_EQ(leadingNumber("1" + repeated(".", 1 << 20)), 1);
}

TEST(LeadingNumber, RoundsToTheNearestDoubleWhateverTheLength)
{
    // 2^53 + 1 lies halfway between two doubles: even wins, unless any later
    // digit, however far out, puts it above the halfway point.
    expectLeading({
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993." + repeated("0", 2000) + "1", 9007199254740994.0},
        {"9007199254740992." + repeated("9", 2000), 9007199254740992.0},
        {"0.1", 0.1},
        {"0.30000000000000004", 0.1 + 0.2},
    });
}

TEST(StrictNumber, TheWholeFieldMustBeANumber)
{
    expectStrict({
        {"12.5", 12.5},
        {" 7 ", 7},
        {"+5", 5},
        {"-.5", -0.5},
        {"1e3", 1000},
        {"5.", 5},
        {"1E-05", 1e-5},
        {"12.5abc", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1e", std::nullopt},
        {"1 2", std::nullopt},
        {"1,5", std::nullopt},
        {"1e400", std::nullopt},
        {QString::fromUtf16(u"1\u00a0"), std::nullopt},   // no-break space is not a blank
    });
}
