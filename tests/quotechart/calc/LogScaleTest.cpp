// The logarithmic price scale's arithmetic: decades of a price, the span of a
// range of prices, and the round values its ruler marks.

#include "calc/LogScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace quotechart::logscale;

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();
const double Margin = std::log10(SinglePriceMargin);

// Twips per decade that fit `range` into a ruler `height` twips high, as the
// chart fits it (50 twips free above and below).
double fitted(const DecadeRange &range, double height) { return (height - 100) / (range.high - range.low); }

}   // namespace

TEST(LogScale, OnlyPositiveFinitePricesHaveDecades)
{
    EXPECT_DOUBLE_EQ(*decadesOf(1000), 3);
    EXPECT_DOUBLE_EQ(*decadesOf(1), 0);
    EXPECT_DOUBLE_EQ(*decadesOf(0.5), -std::log10(2.0));
    EXPECT_NEAR(*decadesOf(1.4e-45), -44.85, 0.01);   // the smallest positive single
    for (double price : {0.0, -0.0, -1.0, NaN, Infinity, -Infinity})
        EXPECT_EQ(decadesOf(price), std::nullopt) << price;
}

TEST(LogScale, TheRangeSpansTheLowestToTheHighestPrice)
{
    const DecadeRange wide = *decadeRangeFor(10, 1000);
    EXPECT_DOUBLE_EQ(wide.low, 1);
    EXPECT_DOUBLE_EQ(wide.high, 3);
    const DecadeRange huge = *decadeRangeFor(1e-30, 1e30);
    EXPECT_NEAR(huge.low, -30, 1e-12);
    EXPECT_NEAR(huge.high, 30, 1e-12);
    // The highest is what counts: without it (or above the lowest) no range.
    EXPECT_EQ(decadeRangeFor(10, 0), std::nullopt);
    EXPECT_EQ(decadeRangeFor(10, -5), std::nullopt);
    EXPECT_EQ(decadeRangeFor(10, NaN), std::nullopt);
    EXPECT_EQ(decadeRangeFor(1000, 10), std::nullopt);
}

TEST(LogScale, ASinglePriceOrANarrowRangeKeepsAHeight)
{
    // min == max, and a lowest that has no logarithm: the price widened 1 % either way.
    for (double lowest : {50.0, 0.0, -3.0, NaN}) {
        const DecadeRange single = *decadeRangeFor(lowest, 50);
        EXPECT_DOUBLE_EQ(single.low, std::log10(50.0) - Margin) << lowest;
        EXPECT_DOUBLE_EQ(single.high, std::log10(50.0) + Margin) << lowest;
    }
    // Narrower than that: widened about its middle to the same height.
    const DecadeRange narrow = *decadeRangeFor(100, 100.5);
    EXPECT_NEAR(narrow.high - narrow.low, 2 * Margin, 1e-12);
    EXPECT_NEAR((narrow.high + narrow.low) / 2, (2 + std::log10(100.5)) / 2, 1e-12);
}

TEST(LogScale, AFewDecadesAreLabelledOneTwoFive)
{
    const DecadeRange range{1, 3};   // 10 .. 1000
    EXPECT_EQ(rulerValues(range, fitted(range, 3000), 400),
              (std::vector<double>{10, 20, 50, 100, 200, 500, 1000}));
    // Too short for 1-2-5: the powers of ten; finer ticks: 1 to 9 times them.
    EXPECT_EQ(rulerValues(range, fitted(range, 1500), 400), (std::vector<double>{10, 100, 1000}));
    const std::vector<double> ticks = rulerValues(range, fitted(range, 3000), 45);
    ASSERT_EQ(ticks.size(), 19u);
    EXPECT_EQ(ticks[2], 30);
    EXPECT_EQ(ticks[10], 200);
}

TEST(LogScale, ARangeWithinADecadeIsLabelledFiner)
{
    const DecadeRange half{std::log10(0.5), std::log10(2.0)};   // 0.5 .. 2
    EXPECT_EQ(rulerValues(half, fitted(half, 3000), 400), (std::vector<double>{0.5, 1, 1.5, 2}));
    // A taller ruler takes finer steps; each value is the round decimal.
    EXPECT_EQ(rulerValues(half, fitted(half, 7500), 400),
              (std::vector<double>{0.6, 0.8, 1, 1.2, 1.4, 1.6, 1.8, 2}));
    const DecadeRange narrow{std::log10(95.0), std::log10(105.0)};
    EXPECT_EQ(rulerValues(narrow, fitted(narrow, 3000), 400), (std::vector<double>{96, 98, 100, 102, 104}));
    const DecadeRange tenths{std::log10(0.25), std::log10(0.45)};
    EXPECT_EQ(rulerValues(tenths, fitted(tenths, 3000), 400), (std::vector<double>{0.25, 0.3, 0.35, 0.4, 0.45}));
}

TEST(LogScale, HugeRangesAreLabelledEveryFewPowersOfTen)
{
    const DecadeRange huge = *decadeRangeFor(1e-30, 1e30);
    const std::vector<double> values = rulerValues(huge, fitted(huge, 6100), 400);   // 100 twips a decade
    ASSERT_EQ(values.size(), 13u);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_NEAR(std::log10(values[i]), -30 + 5.0 * double(i), 1e-9) << i;
    // The widest singles: every fifty decades are all that fit a short ruler.
    const DecadeRange singles = *decadeRangeFor(1.4e-45, 3.4e38);
    EXPECT_EQ(rulerValues(singles, fitted(singles, 400), 400).size(), 1u);
}

TEST(LogScale, EveryRulerStaysInsideItsRangeAscendingAndApart)
{
    const std::pair<double, double> ranges[] = {{10, 1000},  {0.5, 2},      {95, 105}, {1e-30, 1e30},
                                                {50, 50},    {0.01, 0.013}, {1, 1e6},  {3.2e38, 3.4e38},
                                                {1.4e-45, 2e-45}, {7, 7000}};
    for (const auto &[lowest, highest] : ranges)
        for (double height : {400.0, 1500.0, 3000.0, 9000.0}) {
            SCOPED_TRACE(testing::Message() << lowest << " .. " << highest << " on " << height);
            const DecadeRange range = *decadeRangeFor(lowest, highest);
            const double perDecade = fitted(range, height);
            const std::vector<double> values = rulerValues(range, perDecade, 400);
            ASSERT_FALSE(values.empty());
            EXPECT_LE(int(values.size()), MaxRulerValues);
            for (std::size_t i = 0; i < values.size(); ++i) {
                EXPECT_GE(std::log10(values[i]), range.low - 1e-9);
                EXPECT_LE(std::log10(values[i]), range.high + 1e-9);
                if (i > 0 && height >= 3000)
                    EXPECT_GE((std::log10(values[i]) - std::log10(values[i - 1])) * perDecade, 400 - 1e-6);
                if (i > 0)
                    EXPECT_LT(values[i - 1], values[i]);
            }
        }
}

TEST(LogScale, ARulerTooShortForTwoLabelsLabelsOne)
{
    const DecadeRange range{1, 3};
    EXPECT_EQ(rulerValues(range, 10, 400), (std::vector<double>{100}));   // every second power of ten
}

TEST(LogScale, NoRulerWithoutAHeightOrAScale)
{
    EXPECT_TRUE(rulerValues({2, 2}, 1000, 400).empty());
    EXPECT_TRUE(rulerValues({3, 1}, 1000, 400).empty());
    EXPECT_TRUE(rulerValues({NaN, 1}, 1000, 400).empty());
    EXPECT_TRUE(rulerValues({-400, 1}, 1000, 400).empty());   // beyond the doubles' decades
    EXPECT_TRUE(rulerValues({1, 400}, 1000, 400).empty());
    for (double perDecade : {0.0, -5.0, NaN, Infinity})
        EXPECT_TRUE(rulerValues({1, 3}, perDecade, 400).empty()) << perDecade;
}
