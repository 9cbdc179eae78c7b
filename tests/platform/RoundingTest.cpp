#include "platform/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace platform;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(roundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(roundHalfEven(19.8), 20.0);
}

TEST(Rounding, SixteenBitConversionFailsOutsideItsRange)
{
    EXPECT_EQ(toInt16(32767.4), int16_t(32767));
    EXPECT_EQ(toInt16(32767.5), std::nullopt);       // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), int16_t(-32768));   // ties to even
    EXPECT_EQ(toInt16(-32769), std::nullopt);
    EXPECT_EQ(toInt16(12.5), int16_t(12));
    EXPECT_EQ(toInt16(13.5), int16_t(14));
    EXPECT_EQ(toInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(toInt16(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(Rounding, LongConversionFailsOutsideItsRange)
{
    EXPECT_EQ(toInt32(2147483647.0), int32_t(2147483647));
    EXPECT_EQ(toInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(toInt32(-2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(toInt32(1e12), std::nullopt);
    EXPECT_EQ(toInt32(22351900.5), int32_t(22351900));
}

TEST(Rounding, SixteenBitArithmeticReportsOverflow)
{
    EXPECT_EQ(add16(32000, 767), int16_t(32767));
    EXPECT_EQ(add16(32000, 768), std::nullopt);
    EXPECT_EQ(sub16(-32000, 769), std::nullopt);
    EXPECT_EQ(sub16(5, 10), int16_t(-5));
    EXPECT_EQ(mul16(200, 164), std::nullopt);
    EXPECT_EQ(mul16(-2, 16384), int16_t(-32768));
}

TEST(Rounding, DivisionByZeroAndOverflowFail)
{
    EXPECT_EQ(divide(1.0, 0.0), std::nullopt);
    EXPECT_EQ(divide(0.0, 0.0), std::nullopt);
    EXPECT_EQ(divide(1e308, 1e-308), std::nullopt);
    EXPECT_EQ(divide(3.0f, 0.0f), std::nullopt);
    EXPECT_EQ(divide(1.0, 4.0), 0.25);
}

TEST(Rounding, SingleConversionFailsBeyondFloatRange)
{
    EXPECT_EQ(toSingle(1e39), std::nullopt);
    EXPECT_EQ(toSingle(-1e39), std::nullopt);
    EXPECT_EQ(toSingle(3.4e38), 3.4e38f);
    EXPECT_EQ(toSingle(12.34), 12.34f);
}
