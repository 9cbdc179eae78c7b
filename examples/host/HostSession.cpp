// What the host keeps across runs: the window's geometry and toolbars, the
// watch list's width, the lookup site and the open documents (a chart file
// reopened from its file, a ticker with its range), and the questions a quit
// asks first.

#include "HostWindow.h"

#include "DocumentFile.h"
#include "HostSettings.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QCloseEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr int FirstRunCharts = 2;   // what a first start opens, so there is something to see
constexpr int MaxRestoredDocuments = 32;

quotechart::REvuved *chartOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<quotechart::REvuved *>(window->widget()) : nullptr;
}

// Applies a stored range to a chart opened from its ticker, when it fits the history.
void restoreRange(quotechart::REvuved &chart, const QSettings &settings)
{
    bool ok1 = false, ok2 = false;
    const int s = settings.value(QStringLiteral("newest")).toInt(&ok1);
    const int e = settings.value(QStringLiteral("oldest")).toInt(&ok2);
    if (ok1 && ok2 && s >= 1 && s <= e && e <= chart.history().record_count) {
        chart.starting_date_local = int16_t(s);
        chart.ending_date_local = int16_t(e);
    }
}

}   // namespace

void HostWindow::restoreSession()
{
    QSettings settings = hostSettings();
    lookupSite_ = settings.value(QStringLiteral("lookupSite")).toString();
    quotechart::setLookupSite(lookupSite_);
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());
    if (!settings.contains(QStringLiteral("documents/size"))) {
        for (int i = std::min(FirstRunCharts, watchList_->count()) - 1; i >= 0; --i)
            openChart(watchList_->item(i)->data(Qt::UserRole).toString());
        return;
    }
    restoring_ = true;
    restoreDocuments(settings);
    restoring_ = false;
    // After what the start-up said already (a data folder gone, say).
    if (!startProblems_.isEmpty()) {
        if (const QString before = statusBar()->currentMessage(); !before.isEmpty())
            startProblems_.prepend(before);
        statusBar()->showMessage(startProblems_.join(QStringLiteral("  ")));
    }
    startProblems_.clear();
}

void HostWindow::restoreDocuments(QSettings &settings)
{
    const int count = std::min(settings.beginReadArray(QStringLiteral("documents")), MaxRestoredDocuments);
    QMdiSubWindow *activeWindow = nullptr;
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString file = settings.value(QStringLiteral("file")).toString();
        const QString ticker = settings.value(QStringLiteral("ticker")).toString();
        quotechart::REvuved *chart = nullptr;
        if (!file.isEmpty()) {
            chart = openChartFile(file);
        } else if (!ticker.isEmpty()) {
            chart = openChart(ticker);
            if (chart)
                restoreRange(*chart, settings);
        }
        if (chart && settings.value(QStringLiteral("active")).toBool())
            activeWindow = documents_->currentSubWindow();
    }
    settings.endArray();
    if (activeWindow)
        documents_->setActiveSubWindow(activeWindow);
}

void HostWindow::saveSession() const
{
    QSettings settings = hostSettings();
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("window/state"), saveState());
    settings.setValue(QStringLiteral("watchPaneWidth"), watchPane_->width());
    settings.setValue(QStringLiteral("lookupSite"), lookupSite_);
    settings.remove(QStringLiteral("documents"));
    settings.beginWriteArray(QStringLiteral("documents"));
    int i = 0;
    for (QMdiSubWindow *window : documents_->subWindowList(QMdiArea::CreationOrder))
        if (const quotechart::REvuved *chart = chartOf(window)) {
            settings.setArrayIndex(i++);
            const DocumentFile *file = DocumentFile::of(chart);
            if (file && !file->path().isEmpty()) {
                settings.setValue(QStringLiteral("file"), file->path());
            } else {
                settings.setValue(QStringLiteral("ticker"), chart->ticker_name);
                settings.setValue(QStringLiteral("newest"), chart->starting_date_local);
                settings.setValue(QStringLiteral("oldest"), chart->ending_date_local);
            }
            if (window == documents_->currentSubWindow())
                settings.setValue(QStringLiteral("active"), true);
        }
    settings.endArray();
}

// Each document that differs from its file is asked about in turn; a Cancel
// keeps the window open, with the documents settled so far as they now are.
void HostWindow::closeEvent(QCloseEvent *event)
{
    for (QMdiSubWindow *window : documents_->subWindowList(QMdiArea::CreationOrder))
        if (!mayClose(window)) {
            event->ignore();
            return;
        }
    saveSession();
    QMainWindow::closeEvent(event);
}

void HostWindow::reportProblem(const QString &sentence)
{
    if (restoring_) {
        startProblems_ << sentence;
        return;
    }
    QMessageBox::warning(this, windowTitle(), sentence);
}
