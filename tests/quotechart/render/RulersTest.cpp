// The price ruler's lines, labels and grid, and the date ruler's styles.

#include "PriceChartFixture.h"
#include "TextLog.h"
#include "render/DateRuler.h"
#include "render/PriceScaleMath.h"

#include <QDate>

namespace {

const QColor GridRed(150, 60, 60);

class Rulers : public PriceChartFixture {
protected:
    // A history of weekdays from the newest date back, closes around 25.
    void loadDays(const QString &newest, int count, double base = 25) { loadRows(syntheticRows(count, base, newest)); }
};

TEST_F(Rulers, PriceRulerFixesItsScaleAndLabelsEveryLineWithinReach)
{
    plainPane();
    TextLog labels(box("PriceRuler")->surface());
    int16_t s = 1, e = 100;
    chart->Clear();
    chart->DrawPriceRuler(s, e);
    const auto &scale = this->scale();
    const float max = chart->MaximumPrice(), min = chart->MinimumPrice();
    const float tick = quotechart::priceTickFor(max - min);
    EXPECT_FLOAT_EQ(scale.price_tick, tick);
    EXPECT_FLOAT_EQ(scale.ruler_high_ticks, std::nearbyint(max / tick + 0.5f));
    EXPECT_FLOAT_EQ(scale.ruler_low_ticks, std::nearbyint(min / tick - 0.5f));
    const double H = box("PriceRuler")->scaleHeight();
    EXPECT_FLOAT_EQ(scale.price_scale, float((H - 100) / ((scale.ruler_high_ticks - scale.ruler_low_ticks) * tick)));
    EXPECT_EQ(chart->starting_date_local, 1);
    EXPECT_EQ(chart->ending_date_local, 100);

    // Every line but those too near the top gets "$ " and its price, 180 twips above it.
    const int lines = int(scale.ruler_high_ticks - scale.ruler_low_ticks) + 1;
    EXPECT_GE(int(labels.texts.size()), lines - 1);
    const PrintedText *lowest = labels.find(QStringLiteral("$ %1").arg(scale.ruler_low_ticks * tick));
    ASSERT_NE(lowest, nullptr) << labels.strings().join('|').toStdString();
    EXPECT_DOUBLE_EQ(lowest->x, 10);
    EXPECT_DOUBLE_EQ(lowest->y, H - 50 - 180);
    for (const PrintedText &label : labels.texts)
        EXPECT_GT(label.y, 45);
}

TEST_F(Rulers, PriceRulerTicksAndTheHorizontalGrid)
{
    plainPane();
    document().switches.horizontal_grid_flag = true;
    redraw(1, 100);
    const int y = px(box("PriceRuler")->scaleHeight() - 50);   // the lowest line
    platform::PictureBox &ruler = *box("PriceRuler");
    EXPECT_EQ(pixelAt(ruler, px(50), y), QColor(Qt::white));
    EXPECT_EQ(pixelAt(ruler, ruler.width() - 1, y), QColor(Qt::white));
    EXPECT_GT(countInRow(pane(), y, GridRed), pane().width() / 3);   // dotted
    EXPECT_LT(countInRow(pane(), y, GridRed), pane().width());

    document().switches.horizontal_grid_flag = false;
    redraw(1, 100);
    EXPECT_EQ(countInRow(pane(), y, GridRed), 0);
}

TEST_F(Rulers, EqualPricesKeepThePreviousScaleAndDrawOneLine)
{
    std::vector<HistoryRow> rows(20);
    for (int i = 0; i < 20; ++i)
        rows[i] = {QDate(2001, 3, 30).addDays(-i).toString(Qt::ISODate), 10, 10, 10, 100};
    hist.writeStandard("FLAT", rows);
    plainPane();
    redraw(1, 100);
    const float previous = scale().price_scale;
    load("FLAT");
    TextLog labels(box("PriceRuler")->surface());
    int16_t s = 1, e = 20;
    chart->DrawPriceRuler(s, e);
    // Range 0: step 0.02; 10 / 0.02 = 500, so both counts round to 500.
    EXPECT_FLOAT_EQ(scale().ruler_high_ticks, scale().ruler_low_ticks);
    EXPECT_FLOAT_EQ(scale().price_scale, previous);
    EXPECT_EQ(labels.strings(), QStringList{"$ 10"});
}

TEST(DateRulerStyle, ChangesAtTheDocumentedCounts)
{
    using quotechart::DateRulerStyle;
    using quotechart::dateRulerStyle;
    EXPECT_EQ(dateRulerStyle(1), DateRulerStyle::EveryDate);
    EXPECT_EQ(dateRulerStyle(8), DateRulerStyle::EveryDate);
    EXPECT_EQ(dateRulerStyle(9), DateRulerStyle::DayNumbers);
    EXPECT_EQ(dateRulerStyle(29), DateRulerStyle::DayNumbers);
    EXPECT_EQ(dateRulerStyle(30), DateRulerStyle::Months);
    EXPECT_EQ(dateRulerStyle(299), DateRulerStyle::Months);
    EXPECT_EQ(dateRulerStyle(300), DateRulerStyle::QuarterNames);
    EXPECT_EQ(dateRulerStyle(499), DateRulerStyle::QuarterNames);
    EXPECT_EQ(dateRulerStyle(500), DateRulerStyle::QuarterLetters);
}

TEST_F(Rulers, FewDaysShowTheirDateTextsAndDayNumbers)
{
    loadDays("2001-03-09", 40);
    TextLog labels(box("DateRuler")->surface());
    int16_t s = 1, e = 8;
    chart->DrawDateRuler(s, e);
    EXPECT_EQ(labels.strings().size(), 8);
    EXPECT_EQ(labels.strings().front(), h().date_array[8]);   // oldest first
    EXPECT_EQ(labels.strings().back(), "2001-03-09");
    const double slot = box("DateRuler")->scaleWidth() / 9;
    EXPECT_DOUBLE_EQ(labels.texts.back().x, box("DateRuler")->scaleWidth() - slot - 20 * T);
    EXPECT_DOUBLE_EQ(labels.texts.back().y, 100);

    labels.texts.clear();
    e = 9;
    chart->DrawDateRuler(s, e);
    // Days 9..1: Feb 26, 27, 28, Mar 1, 2, 5, 6, 7, 8, 9 less one: a month starts on Mar 1.
    EXPECT_EQ(labels.strings(), (QStringList{"27", "28", "Mar", "2", "5", "6", "7", "8", "9"}));
}

TEST_F(Rulers, AMonthStartingOnTheNewestDayIsNamed)
{
    loadDays("2001-03-01", 40);
    TextLog labels(box("DateRuler")->surface());
    int16_t s = 1, e = 12;
    chart->DrawDateRuler(s, e);
    EXPECT_EQ(labels.strings().back(), "Mar");
    EXPECT_EQ(labels.strings().front(), "14");   // Feb 14 is the oldest of the twelve
}

TEST_F(Rulers, MonthsAndQuartersAtMonthStarts)
{
    loadDays("2003-12-31", 1200);
    TextLog labels(box("DateRuler")->surface());
    int16_t s = 1, e = 200;   // style C: the months of 2003 from March on
    chart->DrawDateRuler(s, e);
    EXPECT_TRUE(labels.strings().contains("Jul,03")) << labels.strings().join('|').toStdString();
    EXPECT_TRUE(labels.strings().contains("Aug"));
    const PrintedText *july = labels.find("Jul,03");
    const PrintedText *august = labels.find("Aug");
    EXPECT_DOUBLE_EQ(july->y, 100);
    EXPECT_NE(august, nullptr);

    labels.texts.clear();
    e = 400;   // style D
    chart->DrawDateRuler(s, e);
    EXPECT_TRUE(labels.strings().contains("J,03"));
    EXPECT_TRUE(labels.strings().contains("Apr"));
    EXPECT_FALSE(labels.strings().contains("May"));

    labels.texts.clear();
    e = 1000;   // style E
    chart->DrawDateRuler(s, e);
    EXPECT_TRUE(labels.strings().contains("J,02"));
    EXPECT_TRUE(labels.strings().contains("O"));
    EXPECT_FALSE(labels.strings().contains("Apr"));
}

TEST_F(Rulers, VerticalGridLinesFollowTheStyle)
{
    loadDays("2003-12-31", 300);
    plainPane();
    document().switches.vertical_grid_flag = true;
    redraw(1, 20);   // style B: a grid line at every day
    EXPECT_GT(countInColumn(pane(), px(dayXTwips(5)), GridRed), 10);
    redraw(1, 100);   // style C: only at month starts
    int gridColumns = 0;
    for (int x = 0; x < pane().width(); ++x)
        gridColumns += countInColumn(pane(), x, GridRed) > 10;
    EXPECT_GE(gridColumns, 4);
    EXPECT_LE(gridColumns, 6);
}

}   // namespace
