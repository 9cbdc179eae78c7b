// Paging and zoom with the keys on a 5000-day history at 1600 x 1000 pixels
// with every overlay and the volume, RSI and MACD panes: one key press and
// the repaint that follows, for a five-day step (Left, Right), a page (Page
// Up, Page Down) and a zoom (+, -), alternating so every press moves the
// window, over windows of 200 and 1000 days. Then a held key: 100
// auto-repeats of Left at 30 Hz, reporting the time from the last repeat to
// the last paint and the longest any repeat waited for its paint (a repeat
// queued behind an earlier redraw would show there).

#include "BenchChart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int Width = 1600, Height = 1000, HistoryDays = 5000;

BenchHistory &files()
{
    static BenchHistory shared(HistoryDays);
    return shared;
}

// `visible` days from the middle of the history, drawn and painted.
std::unique_ptr<quotechart::REvuved> navigationChart(int visible)
{
    auto chart = benchChart(files(), Width, Height);
    auto &panes = quotechart::TestAccess::document(*chart).pane_settings;
    panes[0].indicator = 1;
    panes[1].indicator = 2;
    panes[2].indicator = 5;
    chart->starting_date_local = int16_t(HistoryDays / 2 - visible / 2);
    chart->ending_date_local = int16_t(chart->starting_date_local + visible - 1);
    quotechart::TestAccess::redraw(*chart);
    QApplication::processEvents();
    return chart;
}

void keyPairs(benchmark::State &state, int there, int back)
{
    const auto chart = navigationChart(int(state.range(0)));
    bool forth = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, forth ? there : back, Qt::NoModifier);
        QApplication::sendEvent(chart.get(), &press);
        QApplication::processEvents();   // the repaint
        forth = !forth;
    }
}

void StepFiveDays(benchmark::State &state) { keyPairs(state, Qt::Key_Left, Qt::Key_Right); }
void PageOverHistory(benchmark::State &state) { keyPairs(state, Qt::Key_PageUp, Qt::Key_PageDown); }
void ZoomInOut(benchmark::State &state) { keyPairs(state, Qt::Key_Plus, Qt::Key_Minus); }

// When each paint of a widget ended.
class PaintTimes : public QObject {
public:
    PaintTimes(QWidget &widget, const QElapsedTimer &clock) : clock_(clock) { widget.installEventFilter(this); }
    std::vector<qint64> times;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(clock_.nsecsElapsed());
        return false;
    }

private:
    const QElapsedTimer &clock_;
};

void HeldKeyRepeats(benchmark::State &state)
{
    constexpr int Repeats = 100, IntervalMs = 33;
    const auto chart = navigationChart(1000);
    QWidget *pane = chart->findChild<QWidget *>("Picture1");
    double worstLag = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        PaintTimes paints(*pane, clock);
        std::vector<qint64> sent;
        QTimer repeat;
        repeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&repeat, &QTimer::timeout, [&] {
            // Older for 50 repeats, then back: every repeat moves the window.
            const int key = sent.size() < Repeats / 2 ? Qt::Key_Left : Qt::Key_Right;
            sent.push_back(clock.nsecsElapsed());
            QApplication::postEvent(chart.get(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(), true));
            if (int(sent.size()) == Repeats)
                repeat.stop();
        });
        repeat.start(IntervalMs);
        while (int(sent.size()) < Repeats || paints.times.empty() || paints.times.back() < sent.back())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents();
        for (const qint64 at : sent) {
            const auto paint = std::lower_bound(paints.times.begin(), paints.times.end(), at);
            if (paint != paints.times.end())
                worstLag = std::max(worstLag, double(*paint - at) / 1e6);
        }
        state.SetIterationTime(double(paints.times.back() - sent.back()) / 1e9);
    }
    state.counters["worst_lag_ms"] = worstLag;
}

BENCHMARK(StepFiveDays)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(PageOverHistory)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(ZoomInOut)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(HeldKeyRepeats)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly();

}   // namespace
