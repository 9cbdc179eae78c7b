// Full window redraws of hostile but possible input on a 1200 x 900 chart:
// each must stay well under 50 ms, and the process under 300 MB (maxRSS).

#include "BenchHistory.h"
#include "TestAccess.h"

#include <quotechart/REvuved.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace {

struct HostileChart {
    QTemporaryDir folder;
    std::unique_ptr<quotechart::REvuved> chart;
};

// A chart of hist/HOSTILE.csv with these bytes and these stored settings, its
// settings store in a folder of its own.
std::unique_ptr<HostileChart> hostileChart(const QByteArray &file, const QList<std::pair<QString, QString>> &settings,
                                           int16_t s, int16_t e)
{
    auto hostile = std::make_unique<HostileChart>();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, hostile->folder.path());
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tradevane5"));
        store.beginGroup(QStringLiteral("Settings"));
        for (const auto &[key, value] : settings)
            store.setValue(key, value);
    }
    QDir(hostile->folder.path()).mkpath(QStringLiteral("hist"));
    QFile out(hostile->folder.path() + QStringLiteral("/hist/HOSTILE.csv"));
    if (out.open(QIODevice::WriteOnly))
        out.write(file);
    out.close();
    quotechart::setApplicationPath(hostile->folder.path());
    hostile->chart = std::make_unique<quotechart::REvuved>();
    hostile->chart->resize(1200, 900);
    hostile->chart->show();
    QString ticker = QStringLiteral("HOSTILE");
    bool today = false;
    hostile->chart->ReadDataFile(ticker, today);
    hostile->chart->starting_date_local = s;
    hostile->chart->ending_date_local = e;
    return hostile;
}

QByteArray benchRows(int days)
{
    const BenchHistory history(days);
    QFile in(history.path() + QStringLiteral("/hist/BENCH.csv"));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void redrawAll(benchmark::State &state, HostileChart &hostile)
{
    for (auto _ : state)
        quotechart::TestAccess::redraw(*hostile.chart);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["maxRSS_MB"] = double(usage.ru_maxrss) / 1024.0;
}

void ExtremePriceRange(benchmark::State &state)
{
    QByteArray file = benchRows(300);
    file.insert(file.indexOf('\n') + 1, "2014-08-09,0,32767000,-32767000,0,100\n");
    auto hostile = hostileChart(file, {}, 1, 200);
    quotechart::TestAccess::document(*hostile->chart).switches.horizontal_grid_flag = true;
    redrawAll(state, *hostile);
}

void TenMillionCharacterTexts(benchmark::State &state)
{
    const QByteArray huge(10'000'000, 'N');
    const QByteArray file = QByteArray(40, 'x') + "\nsecond\n" + huge + "(HO)\nfourth\nfifth\n" + huge +
        ",11,9,10,700\n2001-01-04,11,9,10,700\n2001-01-03,11,9,10,700\n";
    auto hostile = hostileChart(file, {}, 1, 3);   // every date labelled with its text
    redrawAll(state, *hostile);
}

void LongStoredPeriods(benchmark::State &state)
{
    // Money flow, RSI and MACD with periods of tens of thousands and thousands.
    auto hostile = hostileChart(benchRows(5000),
                                {{"Tech1", "10"},
                                 {"MoneyFlowperiods1", "32767"},
                                 {"Tech2", "2"},
                                 {"RSI_periods2", "2500"},
                                 {"Tech3", "5"},
                                 {"MACDperiods13", "1500"},
                                 {"MACDperiods23", "2500"},
                                 {"MACDperiods33", "32000"}},
                                1, int16_t(state.range(0)));
    redrawAll(state, *hostile);
}

void LongStoredPeriodsOthers(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(5000),
                                {{"Tech1", "4"},
                                 {"SS_periodsK1", "2500"},
                                 {"SS_periodsD1", "2500"},
                                 {"Tech2", "8"},
                                 {"Volatilityperiods12", "2000"},
                                 {"Volatilityperiods22", "2000"},
                                 {"Tech3", "10"},
                                 {"MoneyFlowperiods3", "2500"}},
                                1, int16_t(state.range(0)));
    redrawAll(state, *hostile);
}

BENCHMARK(ExtremePriceRange)->Unit(benchmark::kMillisecond);
BENCHMARK(TenMillionCharacterTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(LongStoredPeriods)->Arg(1000)->Arg(3000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(LongStoredPeriodsOthers)->Arg(1000)->Arg(3000)->Arg(5000)->Unit(benchmark::kMillisecond);

}   // namespace
