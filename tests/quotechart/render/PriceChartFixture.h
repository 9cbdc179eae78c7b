#pragma once
// A chart loaded with a synthetic history whose bars are tall, with the grids
// and averages off unless a test turns them on, and helpers to find where a
// day or a price lands in pixels.

#include "ChartTest.h"
#include "Pixels.h"
#include "TestAccess.h"
#include "platform/Rounding.h"

class PriceChartFixture : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        loadRows(syntheticRows(300, 50.0));
    }

    void loadRows(std::vector<HistoryRow> rows)
    {
        for (HistoryRow &row : rows) {
            row.high = row.close + 15;
            row.low = row.close - 15;
        }
        hist.writeStandard("TALL", rows);
        load("TALL");
    }

    quotechart::DocumentState &document() { return quotechart::TestAccess::document(*chart); }
    quotechart::PriceScale &scale() { return quotechart::TestAccess::scale(*chart); }
    void plainPane()
    {
        auto &on = document().switches;
        on.ma10_flag = on.ma50_flag = on.ma200_flag = false;
        on.vertical_grid_flag = on.horizontal_grid_flag = false;
    }
    void redraw(int16_t s, int16_t e)
    {
        chart->starting_date_local = s;
        chart->ending_date_local = e;
        quotechart::TestAccess::redraw(*chart);
    }

    platform::PictureBox &pane() { return *box("Picture1"); }
    static int px(double twips) { return int(platform::roundHalfEven(twips / T)); }
    double dayXTwips(int k)
    {
        return pane().scaleWidth() - (k - chart->starting_date_local + 1) * double(scale().day_width);
    }
    double priceYTwips(double price)
    {
        const auto &s = scale();
        return pane().scaleHeight() - 50 - (price - double(s.price_tick) * s.ruler_low_ticks) * s.price_scale;
    }
    const quotechart::PriceHistory &h() { return chart->history(); }
    QColor at(int x, int y) { return pixelAt(pane(), x, y); }
};
