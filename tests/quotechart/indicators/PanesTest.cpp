// The three indicator panes: dispatch, the common frame (scales, labels,
// bars, margin strips), and the panes' particular cases.

#include "ChartTest.h"
#include "Pixels.h"
#include "TestAccess.h"
#include "TextLog.h"
#include "platform/SettingsStore.h"

#include <QSignalSpy>

#include <cmath>

namespace {

const QColor White(255, 255, 255);
const QColor StripColour(0, 0, 0x34);
const QColor VolumeGreen(0, 128, 0);

class Panes : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        hist.writeStandard("DAYS", syntheticRows(5000, 50.0));
        load("DAYS");
        chart->starting_date_local = 1;
        chart->ending_date_local = 100;
    }
    platform::PictureBox &pane(int k) { return *box(QStringLiteral("Picture%1").arg(k + 1)); }
    platform::PictureBox &ruler(int k) { return *box(QStringLiteral("TechRuler%1").arg(k)); }
    quotechart::PaneSettings &settings(int k) { return quotechart::TestAccess::document(*chart).pane_settings[k - 1]; }
    void display(int16_t a, int16_t b, int16_t c) { chart->DisplayTechnicalIndicators(a, b, c); }
    static int px(double twips) { return int(std::lround(twips / T)); }

    // Pixels of the colour in pane k over the columns of days from..to,
    // leaving out the rows of the reference lines and the margins.
    int inkBetweenDays(int k, int from, int to, const QColor &colour)
    {
        platform::PictureBox &p = pane(k);
        const double W = p.scaleWidth(), H = p.scaleHeight();
        const int n = chart->ending_date_local - chart->starting_date_local + 2;
        auto column = [&](int day) { return px(W - (day - chart->starting_date_local + 1) * W / n); };
        const int left = column(to), right = column(from);
        const QImage &image = p.image();
        int count = 0;
        for (int y = 5; y < image.height() - 5; ++y) {
            if (std::abs(y - px(H / 2)) <= 1 || std::abs(y - px(H - 50)) <= 1 || std::abs(y - px(50)) <= 1)
                continue;
            for (int x = left; x <= right; ++x)
                count += image.pixelColor(x, y) == colour;
        }
        return count;
    }
    bool blank(int k)
    {
        const QImage &image = pane(k).image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != pane(k).backColor())
                    return false;
        return true;
    }
};

TEST_F(Panes, NoIndicatorsClearsTheThreePanesAndStillRaisesDrawComplete)
{
    display(1, 2, 5);
    QSignalSpy complete(chart.get(), &quotechart::REvuved::DrawComplete);
    display(0, 0, 0);
    EXPECT_EQ(complete.count(), 1);
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(blank(k)) << k;
}

TEST_F(Panes, AnUnknownIndicatorLeavesItsPaneEmptyAndTheOthersDraw)
{
    display(1, 11, 2);
    EXPECT_FALSE(blank(1));
    EXPECT_TRUE(blank(2));
    EXPECT_FALSE(blank(3));
    display(-4, 1, 32767);
    EXPECT_TRUE(blank(1));
    EXPECT_TRUE(blank(3));
}

TEST_F(Panes, EachPaneUsesItsOwnPeriods)
{
    settings(1).RSI_periods = 5;
    settings(3).RSI_periods = 5;
    display(2, 0, 2);
    EXPECT_EQ(pane(1).image(), pane(3).image());
    settings(3).RSI_periods = 30;
    display(2, 0, 2);
    EXPECT_NE(pane(1).image(), pane(3).image());
}

TEST_F(Panes, BarsAreFiveLinesWideBelow130DaysAndThreeFrom130)
{
    for (const int span : {129, 130}) {
        chart->ending_date_local = int16_t(1 + span);
        display(1, 0, 0);
        const double W = pane(1).scaleWidth();
        const double x = W - (60 - 1 + 1) * W / (span + 2);   // day 60
        const int y = pane(1).height() - 6;                   // just above the baseline
        EXPECT_EQ(pixelAt(pane(1), px(x), y), VolumeGreen) << span;
        EXPECT_EQ(pixelAt(pane(1), px(x + 15), y), VolumeGreen) << span;
        EXPECT_EQ(pixelAt(pane(1), px(x + 30), y) == VolumeGreen, span == 129) << span;
        EXPECT_EQ(pixelAt(pane(1), px(x - 30), y) == VolumeGreen, span == 129) << span;
    }
}

TEST_F(Panes, MarginStripsCoverTheTopAndBottom50Twips)
{
    for (int16_t indicator = 1; indicator <= 10; ++indicator) {
        display(indicator, 0, 0);
        platform::PictureBox &p = pane(1);
        const int bottom = p.height() - 1;
        for (int y : {0, 1, 2, 3, bottom - 2, bottom - 1, bottom})
            EXPECT_EQ(countInRow(p, y, StripColour), p.width()) << "indicator " << indicator << " row " << y;
    }
}

TEST_F(Panes, TheStripsTakeTheStoredRulerColour)
{
    platform::SettingsStore::write("BkgRulers", "255");
    display(2, 0, 0);
    EXPECT_EQ(countInRow(pane(1), 0, QColor(255, 0, 0)), pane(1).width());
}

TEST_F(Panes, FixedAndSymmetricRulersLabelTheirScale)
{
    TextLog fixed(ruler(1).surface());
    TextLog symmetric(ruler(2).surface());
    display(2, 7, 0);
    const double H = pane(1).scaleHeight();
    ASSERT_EQ(fixed.strings(), (QStringList{"100", "50", "0"}));
    EXPECT_DOUBLE_EQ(fixed.texts[0].y, 0);
    EXPECT_DOUBLE_EQ(fixed.texts[1].y, H / 2 - 100);
    EXPECT_DOUBLE_EQ(fixed.texts[2].y, H - 200);
    ASSERT_EQ(symmetric.texts.size(), 3u);
    const QString top = symmetric.texts[0].text;
    EXPECT_TRUE(top.contains('.')) << top.toStdString();
    EXPECT_EQ(symmetric.strings(), (QStringList{top, "0", "-" + top}));
    EXPECT_DOUBLE_EQ(symmetric.texts[0].y, 25);
    EXPECT_DOUBLE_EQ(symmetric.texts[0].x, 50);
}

TEST_F(Panes, ConstantClosesPutEverythingOnTheZeroLine)
{
    std::vector<HistoryRow> rows = syntheticRows(400, 50.0);
    for (HistoryRow &row : rows)
        row.close = 50;
    hist.writeStandard("FLAT", rows);
    load("FLAT");
    TextLog labels(ruler(1).surface());
    for (int16_t indicator : {5, 6, 7}) {
        labels.texts.clear();
        display(indicator, 0, 0);
        EXPECT_EQ(labels.strings(), (QStringList{"0.00", "0", "-0.00"})) << indicator;
        const int zeroRow = px(pane(1).scaleHeight() / 2);
        for (int y = 5; y < pane(1).height() - 5; ++y) {
            if (y == zeroRow)
                continue;
            for (const QColor colour : {QColor(0, 200, 0), QColor(0, 70, 0), QColor(28, 177, 227), QColor(200, 0, 0)})
                ASSERT_EQ(countInRow(pane(1), y, colour), 0) << "indicator " << indicator << " row " << y;
        }
    }
}

TEST_F(Panes, NothingToScaleDrawsNoVolumeOrOnBalanceVolumeBars)
{
    std::vector<HistoryRow> rows = syntheticRows(300, 50.0);
    for (HistoryRow &row : rows)
        row.volume = 0;
    hist.writeStandard("QUIET", rows);
    load("QUIET");
    TextLog labels(ruler(1).surface());
    display(1, 9, 0);
    EXPECT_EQ(labels.strings(), (QStringList{"", "", "0"}));
    EXPECT_EQ(inkBetweenDays(1, 1, 100, VolumeGreen), 0);
    EXPECT_EQ(inkBetweenDays(2, 1, 100, VolumeGreen), 0);
}

TEST_F(Panes, DaysBeyondTheWorkSeriesDrawOnlyInThePanesThatKeepNoSeries)
{
    chart->starting_date_local = 2950;
    chart->ending_date_local = 3050;
    struct Case {
        int16_t indicator;
        QColor colour;
        bool drawsBeyond3000;
    };
    const Case cases[] = {
        {3, QColor(200, 0, 0), false}, {5, QColor(28, 177, 227), false}, {8, QColor(0, 0, 0), false},
        {9, QColor(0, 128, 0), false}, {10, QColor(178, 0, 178), false}, {2, QColor(0, 0, 0), true},
        {6, QColor(0, 200, 0), true},  {7, QColor(0, 70, 0), true},
    };
    for (const Case &c : cases) {
        display(c.indicator, 0, 0);
        EXPECT_GT(inkBetweenDays(1, 2960, 2990, c.colour), 0) << c.indicator;
        EXPECT_EQ(inkBetweenDays(1, 3010, 3045, c.colour) > 0, c.drawsBeyond3000) << c.indicator;
    }
}

TEST_F(Panes, TheResizeRedrawEndsWithDrawComplete)
{
    QSignalSpy complete(chart.get(), &quotechart::REvuved::DrawComplete);
    chart->resize(1100, 800);
    QApplication::processEvents();
    EXPECT_EQ(complete.count(), 1);
    EXPECT_FALSE(blank(1));
}

TEST_F(Panes, CalledWithoutClearTheRulersStartAfresh)
{
    display(1, 2, 5);
    const QImage before = ruler(2).image().copy();
    display(1, 2, 5);
    EXPECT_EQ(ruler(2).image(), before);
}

}   // namespace
