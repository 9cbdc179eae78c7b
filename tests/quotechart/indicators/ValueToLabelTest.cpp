#include "indicators/ValueToLabel.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(ValueToLabel, SwitchesUnitAboveAHundredOfTheCurrentOne)
{
    const std::pair<float, const char *> cases[] = {
        {0, ""},
        {-5e6f, ""},
        {100, ""},
        {101, "0.1 T"},
        {150, "0.2 T"},
        {1e5f, "100.0 T"},
        {1e5f + 1, "0.1 M"},
        {2.5e6f, "2.5 M"},
        {1.5e9f, "1.50 B"},
        {3.2e9f, "3.20 B"},
        {1.5e11f, "150.00 B"},
        {28942700, "28.9 M"},
    };
    for (const auto &[value, label] : cases)
        EXPECT_EQ(quotechart::ValueToLabel(value), QString(label)) << value;
}
