// Price ranges whose ruler has tens of thousands of lines: the counts stop at
// the ends of 16 bits instead of keeping the previous range's, and lines on
// one pixel row are drawn once, with the same picture.

#include "PriceChartFixture.h"
#include "TextLog.h"
#include "render/GridStyle.h"
#include "render/PriceAxis.h"
#include "render/PriceRuler.h"
#include "render/PriceScaleMath.h"

namespace {

const QColor GridRed(150, 60, 60);

TEST(ExtremeRangeTicks, CountsStopAtTheEndsOf16Bits)
{
    using namespace quotechart;
    EXPECT_EQ(rulerHighTicksWithin16Bits(27.9f, 1), 28);   // as rulerHighTicks where it fits
    EXPECT_EQ(rulerLowTicksWithin16Bits(20.3f, 1), 20);
    EXPECT_EQ(rulerHighTicksWithin16Bits(32767000, 1000), 32767);   // 32767.5 rounds to 32768
    EXPECT_EQ(rulerLowTicksWithin16Bits(-32767000, 1000), -32768);
    EXPECT_EQ(rulerHighTicksWithin16Bits(1.0e9f, 0.02f), 32767);
    EXPECT_EQ(rulerLowTicksWithin16Bits(1.0e9f, 0.02f), 32767);
    EXPECT_EQ(rulerLowTicksWithin16Bits(-1.0e9f, 0.02f), -32768);
    EXPECT_EQ(rulerHighTicksWithin16Bits(10, 0), std::nullopt);
}

class ExtremeRange : public PriceChartFixture {
protected:
    void loadExtreme()
    {
        hist.write("WIDE.csv",
                   "Date,Open,High,Low,Close,Volume\n"
                   "2001-01-05,0,32767000,-32767000,0,100\n"
                   "2001-01-04,0,100,90,95,100\n");
        load("WIDE");
    }
};

TEST_F(ExtremeRange, AnOverflowingRangeDoesNotKeepThePreviousTicks)
{
    plainPane();
    redraw(1, 100);
    ASSERT_LT(quotechart::TestAccess::scale(*chart).ruler_high_ticks, 100);
    loadExtreme();
    redraw(1, 2);
    const auto &scale = quotechart::TestAccess::scale(*chart);
    EXPECT_EQ(scale.price_tick, 1000);
    EXPECT_EQ(scale.ruler_high_ticks, 32767);
    EXPECT_EQ(scale.ruler_low_ticks, -32768);
    const double H = box("PriceRuler")->scaleHeight();
    EXPECT_FLOAT_EQ(scale.price_scale, float((H - 100) / (65535.0 * 1000)));
    EXPECT_NEAR(priceYTwips(32767000), 50, 1);   // the high is the top line
}

TEST_F(ExtremeRange, DenseLinesDrawEachRowOnceWithTheSamePicture)
{
    // Drawn straight onto two surfaces of the ruler's and the pane's size.
    const QSize rulerSize = box("PriceRuler")->size(), paneSize = pane().size();
    QImage rulerImage(rulerSize, QImage::Format_RGB32), paneImage(paneSize, QImage::Format_RGB32);
    rulerImage.fill(Qt::white);
    paneImage.fill(Qt::white);
    platform::Surface ruler(&rulerImage, T, T), paneSurface(&paneImage, T, T);
    TextLog labels(ruler);
    quotechart::PriceScale scale;
    scale.ruler_low_ticks = 20;   // an earlier range
    scale.ruler_high_ticks = 28;
    scale = quotechart::fixPriceScale(ruler.scaleHeight(), -32767000, 32767000, scale);
    quotechart::drawPriceRuler(ruler, paneSurface, quotechart::PriceAxis(ruler.scaleHeight(), scale), true);
    ASSERT_EQ(scale.ruler_low_ticks, -32768);
    ASSERT_EQ(scale.ruler_high_ticks, 32767);

    // Every line's grid, drawn one by one, gives the same pane.
    QImage expected(paneSize, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        platform::Surface reference(&expected, T, T);
        const double H = ruler.scaleHeight();
        for (int j = -32768; j <= 32767; ++j) {
            const double y = H - 50 - (j - scale.ruler_low_ticks) * scale.price_tick * scale.price_scale;
            quotechart::drawGridLine(reference, 0, y, reference.scaleWidth(), y);
        }
        reference.flush();
    }
    paneSurface.flush();
    ruler.flush();
    EXPECT_EQ(paneImage, expected);

    // Every row from the top line to the bottom one has its tick; at most one
    // label a row.
    const int top = px(50), bottom = px(ruler.scaleHeight() - 50);
    for (int y = top; y <= bottom; ++y)
        ASSERT_NE(rulerImage.pixelColor(px(600), y), QColor(Qt::white)) << y;
    EXPECT_LE(int(labels.texts.size()), rulerSize.height());
    EXPECT_GT(int(labels.texts.size()), rulerSize.height() / 2);
}

}   // namespace
