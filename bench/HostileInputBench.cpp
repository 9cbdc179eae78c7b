// Hostile but possible input on a 1200 x 900 chart: full window redraws,
// and the moves, paints, wheel turns and settings-store work such input
// makes. Each must stay well under 50 ms, and the process under 300 MB
// (maxRSS).

#include "BenchHistory.h"
#include "TestAccess.h"

#include <quotechart/REvuved.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWheelEvent>

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

// Every day of the widest range the chart takes, with the money flow's
// window as long as it can be.
void WidestRangeLongestMoneyFlow(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(5000), {{"Tech1", "10"}, {"MoneyFlowperiods1", "32767"}}, -32768, 32767);
    redrawAll(state, *hostile);
}

void MillionCharacterNameCrosshairMove(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(300), {}, 1, 200);
    quotechart::TestAccess::document(*hostile->chart).company_name = QString(1'000'000, QLatin1Char('N'));
    quotechart::TestAccess::redraw(*hostile->chart);
    QWidget *pane = hostile->chart->findChild<QWidget *>(QStringLiteral("Picture1"));
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(pane->width() / 4 + (step++ * 7) % (pane->width() / 2), pane->height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane, &move);
        QApplication::processEvents();   // the repaint
    }
}

void MillionCharacterDateListPaint(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(300), {}, 1, 200);
    quotechart::REvuved &chart = *hostile->chart;
    for (int day = 90; day <= 110; ++day)   // around the middle, where the buy is recorded
        quotechart::TestAccess::history(chart).date_array[day] = QString(1'000'000, QLatin1Char('7'));
    quotechart::TestAccess::redraw(chart);
    chart.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    float x = float(chart.findChild<QWidget *>(QStringLiteral("Picture1"))->width() * 15 / 2);
    chart.RecordBuy(x);
    QWidget *list = chart.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->viewport();
    QApplication::processEvents();
    for (auto _ : state)
        list->repaint();
}

void WheelTurnedAllTheWayInOneEvent(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(5000), {}, 100, 110);
    QWidget *pane = hostile->chart->findChild<QWidget *>(QStringLiteral("Picture1"));
    for (auto _ : state) {
        state.PauseTiming();
        hostile->chart->starting_date_local = 100;
        hostile->chart->ending_date_local = 110;
        state.ResumeTiming();
        QWheelEvent wheel(QPointF(100, 100), pane->mapToGlobal(QPointF(100, 100)), {}, QPoint(0, -32768),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane, &wheel);
    }
}

// A settings store of 10 MiB (a host's own settings beside the chart's).
QList<std::pair<QString, QString>> tenMiBOfSettings()
{
    QList<std::pair<QString, QString>> settings;
    for (int i = 0; i < 200'000; ++i)
        settings.append({QStringLiteral("HostKey%1").arg(i), QStringLiteral("a host's value, number %1").arg(i)});
    return settings;
}

void ChartStartUpWithATenMiBStore(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(300), tenMiBOfSettings(), 1, 200);
    hostile->chart.reset();   // no other chart keeps the store parsed
    for (auto _ : state)
        quotechart::REvuved another;
}

void ApplyNowWithATenMiBStore(benchmark::State &state)
{
    auto hostile = hostileChart(benchRows(300), tenMiBOfSettings(), 1, 200);
    quotechart::REvuved &chart = *hostile->chart;
    for (int k = 1; k <= 3; ++k)
        chart.findChild<QComboBox *>(QStringLiteral("Combo(%1)").arg(k))->setCurrentIndex(0);
    QPushButton *apply = chart.findChild<QPushButton *>(QStringLiteral("Command1"));
    for (auto _ : state)
        apply->click();
}

BENCHMARK(ExtremePriceRange)->Unit(benchmark::kMillisecond);
BENCHMARK(TenMillionCharacterTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(LongStoredPeriods)->Arg(1000)->Arg(3000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(LongStoredPeriodsOthers)->Arg(1000)->Arg(3000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(WidestRangeLongestMoneyFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(MillionCharacterNameCrosshairMove)->Unit(benchmark::kMillisecond);
BENCHMARK(MillionCharacterDateListPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(WheelTurnedAllTheWayInOneEvent)->Unit(benchmark::kMillisecond);
BENCHMARK(ChartStartUpWithATenMiBStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ApplyNowWithATenMiBStore)->Unit(benchmark::kMillisecond);

}   // namespace
