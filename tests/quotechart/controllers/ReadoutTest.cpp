// The crosshair's read-out texts.

#include "render/Readout.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quotechart;

namespace {

class Readout : public ::testing::Test {
protected:
    void SetUp() override
    {
        h->record_count = 3;
        day(1, "2001-03-05", 10.5f, 9.75f, 0.5f);
        day(2, "2001-03-02", 10.0f, 9.0f, 0.5f);
        day(3, "not a date", 12.0f, 11.0f, 0);
    }
    void day(int k, const char *date, float high, float low, float close)
    {
        h->date_array[k] = QString::fromLatin1(date);
        h->high_array[k] = high;
        h->low_array[k] = low;
        h->close_array[k] = close;
    }
    std::unique_ptr<PriceHistory> h = std::make_unique<PriceHistory>();
};

TEST_F(Readout, CaptionShowsThePricesAndTheDateInTheirFormats)
{
    EXPECT_EQ(captionText("Acme", *h, 1),
              QStringLiteral("Acme   High: $10.50   Low: $9.75   Close: $.50   Date: 05,Mar,2001"));
    EXPECT_EQ(captionText("", *h, 3), std::nullopt);   // the date does not read
    EXPECT_EQ(captionText("", *h, 0), std::nullopt);
    EXPECT_EQ(captionText("", *h, 4), std::nullopt);
}

TEST_F(Readout, ChangeUsesThePlusFormOnlyForARise)
{
    h->close_array[1] = 10.5f;
    h->close_array[2] = 10.0f;
    const auto rise = changeReadout(*h, 1);
    ASSERT_TRUE(rise);
    EXPECT_TRUE(rise->rise);
    EXPECT_EQ(rise->text, QStringLiteral("Change +$0.50   +5.00%"));

    h->close_array[1] = 10.0f;
    const auto same = changeReadout(*h, 1);
    EXPECT_FALSE(same->rise);
    EXPECT_EQ(same->text, QStringLiteral("Change -$0.00   -0.00%"));

    h->close_array[1] = 9.0f;
    EXPECT_EQ(changeReadout(*h, 1)->text, QStringLiteral("Change -$1.00   -10.00%"));
}

TEST_F(Readout, ChangeNeedsTheOlderDayAndSurvivesAZeroClose)
{
    EXPECT_EQ(changeReadout(*h, 3), std::nullopt);   // the oldest loaded day
    EXPECT_EQ(changeReadout(*h, 0), std::nullopt);
    h->close_array[2] = 1.0f;   // day 3's close is 0: no percentage to take
    EXPECT_EQ(changeReadout(*h, 2)->text, QStringLiteral("Change +$1.00   +0.00%"));
}

}   // namespace
