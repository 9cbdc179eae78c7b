// The fast ways of drawing and calculating (lines in batches, a column's
// runs written once as their union, a clear skipped where nothing was drawn,
// series kept per history and settings) against the plain ones, pixel by
// pixel on every picture box, over random histories, ranges, switches,
// price styles, scales, legends, indicators and sizes from fixed seeds.

#include "ChartTest.h"
#include "TestAccess.h"
#include "document/OverlayParameters.h"
#include "platform/PlainPaths.h"

#include <QDate>

#include <random>

namespace {

using platform::PictureBox;

// Prices wandering with gaps, flat stretches and spikes, so lines run
// steep, shallow and level and several days share a pixel column.
std::vector<HistoryRow> randomRows(std::mt19937 &rng, int count)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<HistoryRow> rows;
    double close = 20 + 80 * unit(rng);
    QDate date(2020, 12, 31);
    for (int i = 0; i < count; ++i) {
        const double roll = unit(rng);
        if (roll < 0.02)
            close *= 0.5 + unit(rng);   // a jump
        else if (roll > 0.3)            // otherwise the close stays as it was
            close = std::max(1.0, close + (unit(rng) - 0.5) * close * 0.06);
        const double spread = close * 0.04 * unit(rng);
        rows.push_back({date.toString(Qt::ISODate), close + spread, std::max(0.5, close - spread), close,
                        std::floor(1e6 * unit(rng) * (unit(rng) < 0.05 ? 20 : 1))});
        date = date.addDays(date.dayOfWeek() == 1 ? -3 : -1);
    }
    return rows;
}

class FastPath : public ChartTest {
protected:
    void TearDown() override { platform::setPlainPaths(false); }

    // Every picture box's pixels after a window redraw, the plain or the fast way.
    std::vector<QImage> drawn(bool plain)
    {
        platform::setPlainPaths(plain);
        quotechart::TestAccess::redraw(*chart);
        std::vector<QImage> images;
        for (PictureBox *box : chart->findChildren<PictureBox *>())
            images.push_back(box->image().copy());
        platform::setPlainPaths(false);
        return images;
    }

    // Opens anywhere between the day's low and high, some days without one,
    // so candles rise, fall and stand flat.
    void randomOpens(std::mt19937 &rng)
    {
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        quotechart::PriceHistory &h = quotechart::TestAccess::history(*chart);
        for (int k = 1; k <= h.record_count; ++k) {
            const double roll = unit(rng);
            h.open_array[std::size_t(k)] =
                roll < 0.05 ? 0.0f : float(h.low_array[std::size_t(k)] + roll * (h.high_array[std::size_t(k)] - h.low_array[std::size_t(k)]));
        }
    }

    void randomSettings(std::mt19937 &rng, int count)
    {
        std::uniform_int_distribution<int> coin(0, 1), day(1, count), indicator(0, 10);
        auto &on = quotechart::TestAccess::document(*chart).switches;
        on.ma10_flag = coin(rng), on.ma50_flag = coin(rng), on.ma200_flag = coin(rng), on.macustom_flag = coin(rng);
        on.envelopes_flag = coin(rng), on.bollinger_flag = coin(rng), on.high_low_close_flag = coin(rng) || coin(rng);
        on.vertical_grid_flag = coin(rng), on.horizontal_grid_flag = coin(rng);
        on.price_style = quotechart::PriceStyle(std::uniform_int_distribution(0, 2)(rng));
        on.logarithmic_scale_flag = coin(rng);
        chart->setShowLegend(coin(rng));
        for (auto &pane : quotechart::TestAccess::document(*chart).pane_settings)
            pane.indicator = int16_t(indicator(rng));
        const int a = day(rng), b = coin(rng) ? day(rng) : std::min(count, a + std::uniform_int_distribution(1, 60)(rng));
        chart->starting_date_local = int16_t(std::min(a, b));
        chart->ending_date_local = int16_t(std::max(a, b) + (std::min(a, b) == std::max(a, b)));
    }

    static std::string firstDifference(const std::vector<QImage> &fast, const std::vector<QImage> &plain)
    {
        for (std::size_t i = 0; i < fast.size(); ++i) {
            if (fast[i] == plain[i])
                continue;
            for (int y = 0; y < fast[i].height(); ++y)
                for (int x = 0; x < fast[i].width(); ++x)
                    if (fast[i].pixel(x, y) != plain[i].pixel(x, y))
                        return "box " + std::to_string(i) + " at " + std::to_string(x) + "," + std::to_string(y);
        }
        return {};
    }

    void expectSame(const std::vector<QImage> &fast, const std::vector<QImage> &plain, const std::string &what)
    {
        ASSERT_EQ(fast.size(), plain.size());
        for (std::size_t i = 0; i < fast.size(); ++i)
            ASSERT_EQ(fast[i].size(), plain[i].size()) << what;
        EXPECT_EQ(firstDifference(fast, plain), "") << what;
    }
};

TEST_F(FastPath, DrawsThePlainPathsPixelsOverRandomHistoriesAndRanges)
{
    const QSize sizes[] = {{1200, 900}, {1600, 1000}, {700, 520}};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        const QSize size = sizes[seed % std::size(sizes)];
        showChart(size.width(), size.height());
        const int count = std::uniform_int_distribution(30, 5000)(rng);
        hist.writeStandard("RAND", randomRows(rng, count));
        load("RAND");
        randomOpens(rng);
        quotechart::overlayParameters().custom_ma_period = int16_t(std::uniform_int_distribution(2, 90)(rng));
        for (int round = 0; round < 3; ++round) {
            randomSettings(rng, count);
            const std::string what = "seed " + std::to_string(seed) + " round " + std::to_string(round) + ", days " +
                std::to_string(chart->starting_date_local) + ".." + std::to_string(chart->ending_date_local) + " of " +
                std::to_string(count);
            const std::vector<QImage> plain = drawn(true);
            expectSame(drawn(false), plain, what + ", first fast redraw");
            expectSame(drawn(false), plain, what + ", fast redraw of the kept series");
        }
    }
    quotechart::overlayParameters() = quotechart::OverlayParameters{};
}

// A history changed in place, behind the chart's back, is never drawn from
// series kept for the old one.
TEST_F(FastPath, AHistoryChangedInPlaceIsComputedAfresh)
{
    std::mt19937 rng(99);
    showChart(1200, 900);
    hist.writeStandard("RAND", randomRows(rng, 3000));
    load("RAND");
    auto &on = quotechart::TestAccess::document(*chart).switches;
    on.macustom_flag = on.envelopes_flag = on.bollinger_flag = true;
    auto &panes = quotechart::TestAccess::document(*chart).pane_settings;
    panes[0].indicator = 2, panes[1].indicator = 5, panes[2].indicator = 3;
    chart->starting_date_local = 1;
    chart->ending_date_local = 800;
    const std::vector<QImage> before = drawn(false);
    quotechart::PriceHistory &h = quotechart::TestAccess::history(*chart);
    for (int k = 1; k <= 900; k += 3) {
        h.close_array[std::size_t(k)] *= 1.1f;
        h.high_array[std::size_t(k)] *= 1.1f;
    }
    const std::vector<QImage> plain = drawn(true);
    EXPECT_NE(firstDifference(plain, before), "");
    expectSame(drawn(false), plain, "after the change");
}

}   // namespace
