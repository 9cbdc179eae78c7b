// Stored indicator periods far beyond the history: the panes draw what the
// days allow and the stored values stay as they were read.

#include "ChartTest.h"
#include "TestAccess.h"
#include "platform/SettingsStore.h"

namespace {

TEST(LongPeriodsPane, StoredLongPeriodsAreKeptAndDrawn)
{
    using platform::SettingsStore::write;
    write("Tech1", "10");
    write("Tech2", "2");
    write("Tech3", "5");
    write("MoneyFlowperiods1", "32767");
    write("RSI_periods2", "2500");
    write("MACDperiods13", "3000");
    write("MACDperiods23", "4000");
    write("MACDperiods33", "32000");
    HistFolder hist;
    hist.writeStandard("DAYS", syntheticRows(5000, 50.0));
    quotechart::REvuved chart;
    chart.resize(1200, 900);
    chart.show();
    QString ticker = "DAYS";
    bool today = false;
    chart.ReadDataFile(ticker, today);
    chart.starting_date_local = 1;
    chart.ending_date_local = 3000;
    quotechart::TestAccess::redraw(chart);

    const auto &panes = quotechart::TestAccess::document(chart).pane_settings;
    EXPECT_EQ(panes[0].MoneyFlowperiods, 32767);
    EXPECT_EQ(panes[1].RSI_periods, 2500);
    EXPECT_EQ(panes[2].MACDperiods3, 32000);
    EXPECT_EQ(chart.TechInd1(), 10);
    EXPECT_EQ(chart.TechInd3(), 5);
    EXPECT_EQ(platform::SettingsStore::read("MoneyFlowperiods1", "0"), "32767");
}

}   // namespace
