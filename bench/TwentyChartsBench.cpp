// The example host started with twenty charts of a 5000-day history, each
// showing all 5000 days (restored from its settings, as a user's session
// would be): the time from creating the window to the last chart drawn and
// painted, and the memory each chart takes against its floor, the pixels of
// its picture boxes.

#include "BenchHistory.h"
#include "HostWindow.h"

#include <quotechart/REvuved.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int Charts = 20, HistoryDays = 5000;

// Bytes the heap holds, the images' large blocks included.
double heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
}

// The host opens a ticker once, so each chart has a copy of the history under
// a ticker of its own.
QString tickerOf(int i) { return BenchHistory::ticker() + QString::number(i + 1); }

void copyHistories(const BenchHistory &history)
{
    const QDir hist(history.path() + QStringLiteral("/hist"));
    for (int i = 0; i < Charts; ++i)
        QFile::copy(hist.filePath(BenchHistory::ticker() + QStringLiteral(".csv")),
                    hist.filePath(tickerOf(i) + QStringLiteral(".csv")));
}

void writeSession(const QString &folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QuotechartHost"),
                       QStringLiteral("host"));
    settings.beginWriteArray(QStringLiteral("documents"));
    for (int i = 0; i < Charts; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("ticker"), tickerOf(i));
        settings.setValue(QStringLiteral("newest"), 1);
        settings.setValue(QStringLiteral("oldest"), HistoryDays);
    }
    settings.endArray();
}

void TwentyChartsStartUp(benchmark::State &state)
{
    BenchHistory history(HistoryDays);
    copyHistories(history);
    quotechart::setApplicationPath(history.path());
    QTemporaryDir settingsFolder;
    writeSession(settingsFolder.path());
    double perChart = 0, pixels = 0;
    for (auto _ : state) {
        const double heapBefore = heapBytes();
        QElapsedTimer clock;
        clock.start();
        HostWindow window;
        QSet<const QObject *> drawnCharts;
        for (QMdiSubWindow *sub : window.documents()->subWindowList())
            if (auto *chart = qobject_cast<quotechart::REvuved *>(sub->widget()))
                QObject::connect(chart, &quotechart::REvuved::DrawComplete, [&, chart] { drawnCharts.insert(chart); });
        window.show();
        while (drawnCharts.size() < Charts && clock.elapsed() < 20000)
            QApplication::processEvents();
        const qsizetype drawn = drawnCharts.size();
        QApplication::processEvents();   // the paints of the last drawing
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        if (drawn < Charts)
            state.SkipWithError("not every chart was drawn");
        perChart = (heapBytes() - heapBefore) / Charts;
        pixels = 0;
        // A picture box keeps an RGB32 image of its own size.
        for (const QWidget *box : window.findChildren<QWidget *>())
            if (qstrcmp(box->metaObject()->className(), "platform::PictureBox") == 0)
                pixels += 4.0 * box->width() * box->height() * box->devicePixelRatioF() * box->devicePixelRatioF();
        pixels /= Charts;
    }
    state.counters["KiB_per_chart"] = perChart / 1024;
    state.counters["pixel_KiB_per_chart"] = pixels / 1024;
    state.counters["times_the_pixels"] = pixels > 0 ? perChart / pixels : 0;
}

BENCHMARK(TwentyChartsStartUp)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly();

}   // namespace
