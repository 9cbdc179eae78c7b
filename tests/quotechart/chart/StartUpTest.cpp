// A new chart: its defaults, the stored colours and indicator settings it
// starts with, and SetColors.

#include "ChartTest.h"
#include "chart/StoredPaneSettings.h"
#include "platform/Colours.h"
#include "platform/SettingsStore.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

using platform::SettingsStore::write;

namespace {

const QColor White(255, 255, 255);
const QColor PaleYellow = platform::colourFromLong(12910591);
const QColor LightGrey = platform::colourFromLong(15724527);

class StartUp : public ChartTest {};

TEST_F(StartUp, DefaultsWithoutStoredSettings)
{
    quotechart::REvuved created;
    EXPECT_EQ(created.starting_date_local, 1);
    EXPECT_EQ(created.ending_date_local, 200);
    showChart();
    EXPECT_EQ(chart->ending_date_local, 0);   // the first redraw lowered it to the loaded days
    EXPECT_TRUE(chart->MA10());
    EXPECT_TRUE(chart->MA50());
    EXPECT_TRUE(chart->MA200());
    EXPECT_FALSE(chart->MACustom());
    EXPECT_EQ(chart->TechInd1(), 1);
    EXPECT_EQ(chart->TechInd2(), 3);
    EXPECT_EQ(chart->TechInd3(), 6);
    EXPECT_EQ(chart->buy_number, 0);
    EXPECT_EQ(chart->sell_number, 0);
    EXPECT_FALSE(chart->isVerticalLineDisplayed);

    EXPECT_EQ(box("Picture1")->image().pixelColor(10, 10), White);
    EXPECT_EQ(box("PriceRuler")->image().pixelColor(10, 10), QColor(Qt::black));
    EXPECT_EQ(box("PriceRuler")->foreColor(), White);
    EXPECT_EQ(box("Picture3")->backColor(), White);
    EXPECT_EQ(child<QLabel>("CaptionLabel")->palette().color(QPalette::WindowText), White);
    EXPECT_EQ(child<QLabel>("ChangeLabel")->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(StartUp, CombosListTheTenIndicatorsAndSelectTheStoredOnes)
{
    showChart();
    const QStringList names{
        "Volume",   "RSI",        "Fast Stochastic",   "Slow Stochastic", "MACD", "Exp. MA Difference",
        "Momentum", "Volatility", "On Balance Volume", "Money Flow Index"};
    for (int k = 1; k <= 3; ++k) {
        auto *combo = child<QComboBox>(QStringLiteral("Combo(%1)").arg(k));
        ASSERT_NE(combo, nullptr) << k;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, names);
    }
    EXPECT_EQ(child<QComboBox>("Combo(1)")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>("Combo(2)")->currentIndex(), 2);
    EXPECT_EQ(child<QComboBox>("Combo(3)")->currentIndex(), 5);
}

TEST_F(StartUp, AnIndicatorOutOfRangeIsKeptButSelectsNothing)
{
    write("Tech2", "11");
    write("Tech3", "0");
    showChart();
    EXPECT_EQ(chart->TechInd2(), 11);
    EXPECT_EQ(child<QComboBox>("Combo(2)")->currentIndex(), -1);
    EXPECT_EQ(chart->TechInd3(), 0);
    EXPECT_EQ(child<QComboBox>("Combo(3)")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>("Combo(1)")->currentIndex(), 0);
}

TEST_F(StartUp, ValuesThatAreNotNumbersFallBackToTheirDefaults)
{
    write("Tech1", "Volume");
    write("BkgChart", "red");
    write("BkgRulers", "-5");
    showChart();
    EXPECT_EQ(chart->TechInd1(), 1);
    EXPECT_EQ(box("Picture1")->backColor(), White);
    EXPECT_EQ(box("PriceRuler")->backColor(), QColor(Qt::black));
}

TEST_F(StartUp, StoredColoursApplyAtStartUpAndInSetColors)
{
    write("BkgChart", "255");
    write("BkgRulersText", QString::number(platform::rgbLong(1, 2, 3)));
    showChart();
    EXPECT_EQ(box("Picture1")->image().pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(box("TechRuler2")->foreColor(), QColor(1, 2, 3));
    chart->SetColors();
    EXPECT_EQ(box("Picture1")->backColor(), QColor(255, 0, 0));
    EXPECT_EQ(box("TechRuler2")->foreColor(), QColor(1, 2, 3));
}

TEST_F(StartUp, SetColorsUsesItsOwnDefaultsAndDrawsNothing)
{
    showChart();
    chart->SetColors();
    EXPECT_EQ(box("Picture1")->backColor(), PaleYellow);
    for (const char *pane : {"Picture2", "Picture3", "Picture4"})
        EXPECT_EQ(box(pane)->backColor(), PaleYellow) << pane;
    EXPECT_EQ(child<QTreeWidget>("ListView1")->palette().color(QPalette::Base), LightGrey);
    EXPECT_EQ(box("DateRuler")->backColor(), QColor(Qt::black));
    EXPECT_EQ(box("Picture1")->image().pixelColor(5, 5), White);   // shows at the next redraw
    chart->Clear();
    EXPECT_EQ(box("Picture1")->image().pixelColor(5, 5), PaleYellow);
}

// How many of the image's pixels have the colour.
int pixelsIn(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

TEST_F(StartUp, CandlestickColoursAreStoredColoursWithTheirOwnDefaults)
{
    const QColor rising(0, 150, 0), falling(210, 0, 0);   // nothing stored
    write("CandleFalling", QString::number(platform::rgbLong(40, 50, 60)));
    write("CandleRising", "green");   // no number: the default
    showChart();
    hist.copySample("MSFT");
    load("MSFT");
    chart->setPriceStyle(quotechart::REvuved::Candlestick);
    chart->setVisibleRange(1, 60);
    const QImage first = box("Picture1")->image();
    EXPECT_GT(pixelsIn(first, rising), 50);
    EXPECT_GT(pixelsIn(first, QColor(40, 50, 60)), 50);
    EXPECT_EQ(pixelsIn(first, falling), 0);

    write("CandleRising", QString::number(platform::rgbLong(1, 2, 3)));
    chart->setVisibleRange(1, 60);
    EXPECT_EQ(box("Picture1")->image(), first);   // read at start-up and by SetColors only
    chart->SetColors();
    chart->setVisibleRange(1, 60);
    EXPECT_GT(pixelsIn(box("Picture1")->image(), QColor(1, 2, 3)), 50);
    EXPECT_EQ(pixelsIn(box("Picture1")->image(), rising), 0);
}

TEST(StoredPaneSettings, PeriodKeysCarryThePaneNumber)
{
    write("RSI_periods3", "21");
    write("ExpMAperiods11", "7");   // pane 1's first exponential period
    write("MACDperiods2", "oops");
    const auto panes = quotechart::readStoredPaneSettings();
    EXPECT_EQ(panes[0].RSI_periods, 14);
    EXPECT_EQ(panes[1].RSI_periods, 14);
    EXPECT_EQ(panes[2].RSI_periods, 21);
    EXPECT_EQ(panes[0].ExpMAperiods1, 7);
    EXPECT_EQ(panes[1].ExpMAperiods1, 10);
    EXPECT_EQ(panes[1].MACDperiods2, 26);
    EXPECT_EQ(panes[2].MoneyFlowperiods, 10);
    EXPECT_EQ(panes[0].indicator, 1);
    EXPECT_EQ(panes[2].indicator, 6);
}

TEST_F(StartUp, SmallPropertiesAnswerAsDocumented)
{
    showChart();
    chart->setMaximumInput(5);
    EXPECT_EQ(chart->MaximumInput(), 0);
    child<QLabel>("CaptionLabel")->setText("ACME Corp ");
    EXPECT_EQ(chart->CompanyName(), "ACME Corp ");
}

TEST_F(StartUp, ClearErasesThePricePaneAndRulersButNotTheIndicatorPanes)
{
    showChart();
    for (const char *name : {"Picture1", "Picture2", "PriceRuler", "TechRuler1"})
        box(name)->surface().fillBox(0, 0, 300, 300, Qt::green);
    chart->isVerticalLineDisplayed = chart->isHorizontalLineDisplayed = true;
    chart->Clear();
    EXPECT_EQ(box("Picture1")->image().pixelColor(5, 5), White);
    EXPECT_EQ(box("PriceRuler")->image().pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(box("TechRuler1")->image().pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(box("Picture2")->image().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_FALSE(chart->isVerticalLineDisplayed);
    EXPECT_FALSE(chart->isHorizontalLineDisplayed);
}

TEST_F(StartUp, ChildControlsCarryTheirInterfaceNames)
{
    showChart();
    for (const char *name : {"Picture1", "Picture2", "Picture3", "Picture4", "PriceRuler", "DateRuler", "TechRuler1",
                             "TechRuler2", "TechRuler3"})
        EXPECT_NE(box(name), nullptr) << name;
    for (const char *name : {"CaptionLabel", "ChangeLabel", "TimeBackward", "TimeForward", "SumGain", "CumGain",
                             "SSTab1", "Frame2", "Command1", "ListView1", "Timer1", "Timer2", "Text3(2)", "Label1(3)"})
        EXPECT_NE(chart->findChild<QObject *>(name), nullptr) << name;
    EXPECT_EQ(child<QLabel>("SumGain")->text(), "Summarized gain");
    EXPECT_EQ(child<QLabel>("CumGain")->text(), "Cumulative gain");
    EXPECT_EQ(child<QTreeWidget>("ListView1")->columnCount(), 4);
}

}   // namespace
