// The price-pane part of the window redraw: Clear, both rulers and the chart
// with every overlay on, on a 1600 x 1000 pixel chart of a 5000-day history.

#include "TestAccess.h"
#include "chart/OverlayParameters.h"

#include <quotechart/REvuved.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void writeHistory(const QString &path, int days)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("Date,Open,High,Low,Close,Volume\n");
    QDate date(2014, 8, 8);
    for (int i = 0; i < days; ++i) {
        const double close = 40 + 10 * std::sin(i / 30.0) + 2 * std::sin(i / 3.0);
        file.write(QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                       .arg(date.toString(Qt::ISODate))
                       .arg(close - 0.1, 0, 'f', 2)
                       .arg(close + 0.4, 0, 'f', 2)
                       .arg(close - 0.6, 0, 'f', 2)
                       .arg(close, 0, 'f', 2)
                       .arg(28942700 + i * 37)
                       .toLatin1());
        date = date.addDays(date.dayOfWeek() == 1 ? -3 : -1);
    }
}

void PricePaneRedraw(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("hist");
    writeHistory(QDir(dir.path()).filePath("hist/BENCH.csv"), 5000);
    quotechart::setApplicationPath(dir.path());
    quotechart::REvuved chart;
    chart.resize(1600, 1000);
    chart.show();
    QString ticker = QStringLiteral("BENCH");
    bool today = false;
    chart.ReadDataFile(ticker, today);
    auto &on = quotechart::TestAccess::state(chart).switches;
    on.macustom_flag = on.envelopes_flag = on.bollinger_flag = true;
    const auto visible = int16_t(state.range(0));
    for (auto _ : state) {
        int16_t s = 1, e = visible;
        chart.Clear();
        chart.DrawPriceRuler(s, e);
        chart.DrawDateRuler(s, e);
        chart.DisplayChart(s, e);
        benchmark::DoNotOptimize(quotechart::TestAccess::history(chart).record_count);
    }
}

BENCHMARK(PricePaneRedraw)->Arg(200)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
