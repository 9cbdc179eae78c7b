#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace platform;

namespace {

struct Formatted {
    double value;
    const char *pattern;
    const char *text;
};

void expectFormats(std::initializer_list<Formatted> cases)
{
    for (const Formatted &c : cases)
        EXPECT_EQ(formatNumber(c.value, QString::fromLatin1(c.pattern)), QLatin1String(c.text))
            << c.value << " as " << c.pattern;
}

constexpr double infinity = std::numeric_limits<double>::infinity();

}   // namespace

TEST(FormatNumber, ControlPatternsWriteTheirDigits)
{
    expectFormats({
        {12.5, "####0.00", "12.50"},
        {0.5, "####0.00", "0.50"},
        {-3.14159, "####0.00", "-3.14"},
        {0, "####0.00", "0.00"},
        {1234567.891, "####0.00", "1234567.89"},
        {0.27, "####0.0", "0.3"},
        {12.5, "####0.0", "12.5"},
        {-7.25, "####0.0", "-7.2"},
        {99.96, "####0.0", "100.0"},
        {0.5, "###.00", ".50"},
        {12, "###.00", "12.00"},
        {0, "###.00", ".00"},
        {-0.5, "###.00", "-.50"},
        {0.995, "###.00", "1.00"},
    });
}

TEST(FormatNumber, TiesGoToTheEvenDigitOfTheVisibleDecimal)
{
    expectFormats({
        {0.125, "0.00", "0.12"},   // exact tie
        {0.375, "0.00", "0.38"},
        {2.675, "0.00", "2.68"},   // the double lies below 2.675
        {2.665, "0.00", "2.66"},   // and this one above 2.665
        {1.005, "0.00", "1.00"},
        {1.015, "0.00", "1.02"},
        {0.05, "0.0", "0.0"},
        {0.15, "0.0", "0.2"},
        {2.5, "0", "2"},
        {3.5, "0", "4"},
        {-2.5, "0", "-2"},
        {0.005, "0.00", "0.00"},
        {0.0051, "0.00", "0.01"},
        {9.995, "0.00", "10.00"},   // tie, carry through the nines
    });
}

TEST(FormatNumber, SinglesAreReadAsTheirShortestDecimal)
{
    expectFormats({
        {double(2.675f), "0.00", "2.68"},     // 2.67499995... as a double
        {double(43.205f), "0.00", "43.20"},   // 43.2050018... as a double
        {double(10.125f), "0.00", "10.12"},
        {double(19.99f), "###.00", "19.99"},
        {double(3 * 0.05f), "0.00", "0.15"},
    });
}

TEST(FormatNumber, RoundedZeroHasNoSign)
{
    expectFormats({
        {-0.0, "####0.00", "0.00"},
        {-0.004, "####0.00", "0.00"},
        {-0.04, "####0.0", "0.0"},
        {-0.06, "####0.0", "-0.1"},
        {-0.001, "###.00", ".00"},
        {-0.4, "0", "0"},
    });
}

TEST(FormatNumber, OtherDigitPatterns)
{
    expectFormats({
        {5, "000.0", "005.0"},
        {1234, "00", "1234"},
        {1.5, "#.##", "1.5"},
        {2, "#.##", "2"},
        {0.333, "#.##", ".33"},
        {1.25, "0.0#", "1.25"},
        {1.2, "0.0#", "1.2"},
        {0, "###", ""},
        {7, "", "7"},
        {1.5, "$0.00", "$1.50"},
        {-1.5, "$0.00", "-$1.50"},
        {12.5, "0.0 %", "12.5 %"},
        {1e-30, "0.00", "0.00"},
    });
}

TEST(FormatNumber, HugeAndNonFiniteValuesGiveText)
{
    expectFormats({
        {1e20, "####0.00", "100000000000000000000.00"},
        {double(FLT_MAX), "####0.0", "340282350000000000000000000000000000000.0"},
        {123456789012345678.0, "0", "123456789012346000"},
        {std::nan(""), "####0.00", "NaN"},
        {infinity, "####0.00", "Infinity"},
        {-infinity, "###.00", "-Infinity"},
    });
    const QString largest = formatNumber(DBL_MAX, u"####0.00");
    EXPECT_EQ(largest.size(), 309 + 3);
    EXPECT_TRUE(largest.startsWith(QLatin1String("179769313486232000")));
    EXPECT_EQ(formatNumber(1.5, QString(100000, u'0').prepend(u"0.")).size(), 100002);
}

TEST(FormatGeneral, DoublesUpToFifteenDigits)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {12.5, "12.5"},
        {1000, "1000"},
        {-0.02, "-0.02"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {999999999999999.9, "1E+15"},
        {1e16, "1E+16"},
        {-1.5e300, "-1.5E+300"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.25e-7, "1.25E-07"},
        {std::nan(""), "NaN"},
        {-infinity, "-Infinity"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatGeneral(c.value), QLatin1String(c.text)) << c.value;
}

TEST(FormatGeneral, SinglesUpToSevenDigits)
{
    const struct {
        float value;
        const char *text;
    } cases[] = {
        {3 * 0.05f, "0.15"},       {3 * 0.02f, "0.06"},    {7 * 2.5f, "17.5"},           {0.1f, "0.1"},
        {12.5f, "12.5"},           {1234567.f, "1234567"}, {16777217.f, "1.677722E+07"}, {1e7f, "1E+07"},
        {FLT_MAX, "3.402823E+38"}, {-0.0f, "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatGeneral(c.value), QLatin1String(c.text)) << c.value;
}
