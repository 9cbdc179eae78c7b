// Loading a 5000-day history file with ReadDataFile.

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
        const double close = 40 + 10 * std::sin(i / 30.0);
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

void ReadDataFile5000Days(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("hist");
    writeHistory(QDir(dir.path()).filePath("hist/BENCH.csv"), 5000);
    quotechart::setApplicationPath(dir.path());
    quotechart::REvuved chart;
    for (auto _ : state) {
        QString ticker = QStringLiteral("BENCH");
        bool today = false;
        chart.ReadDataFile(ticker, today);
        benchmark::DoNotOptimize(chart.history().record_count);
    }
    if (chart.history().record_count != 5000)
        state.SkipWithError("the file did not load whole");
}

BENCHMARK(ReadDataFile5000Days)->Unit(benchmark::kMillisecond);

} // namespace
