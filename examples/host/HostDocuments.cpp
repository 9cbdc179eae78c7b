// The host's documents: opening a ticker or a chart file, saving, the
// question before a document that differs from its file closes, and the
// recent chart files.

#include "HostWindow.h"

#include "DocumentFile.h"
#include "RecentCharts.h"

#include <quotechart/REvuved.h>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <memory>

namespace {

constexpr int16_t NewChartDays = 200;

const QString ChartFiles = QStringLiteral("Chart files (*.chart);;All files (*)");

quotechart::REvuved *chartOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<quotechart::REvuved *>(window->widget()) : nullptr;
}

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

}   // namespace

quotechart::REvuved *HostWindow::adoptDocument(quotechart::REvuved *chart, const QString &path)
{
    watchChart(chart);
    auto *file = new DocumentFile(*chart, path, chart);
    QMdiSubWindow *window = addDocument(chart, file->title());
    window->installEventFilter(this);
    connect(file, &DocumentFile::titleChanged, window, &QMdiSubWindow::setWindowTitle);
    return chart;
}

quotechart::REvuved *HostWindow::openChart(const QString &ticker)
{
    auto *chart = new quotechart::REvuved;
    QString name = ticker;
    bool today = false;
    chart->ReadDataFile(name, today);
    // The chart draws this range when it is first laid out.
    chart->starting_date_local = 1;
    chart->ending_date_local = std::min<int16_t>(NewChartDays, chart->history().record_count);
    return adoptDocument(chart, QString());
}

quotechart::REvuved *HostWindow::openChartFile(const QString &path)
{
    auto chart = std::make_unique<quotechart::REvuved>();
    try {
        QString file = path;
        chart->OpenChartFromFile(file);
        // The file holds no prices and no list: the host reloads and rebuilds them.
        QString ticker = chart->ticker_name;
        bool today = false;
        chart->ReadDataFile(ticker, today);
        if (auto *list = chart->findChild<QTreeWidget *>(QStringLiteral("ListView1")))
            list->clear();
        chart->FillListView();
        chart->CalculateSumGain();
        chart->CalculateCumGain();
        redrawChart(*chart);
    } catch (const std::exception &error) {
        reportError(tr("Cannot open the chart %1").arg(native(path)), error);
        return nullptr;
    }
    rememberRecentChart(path);
    return adoptDocument(chart.release(), QFileInfo(path).absoluteFilePath());
}

bool HostWindow::saveChart()
{
    QMdiSubWindow *window = documents_->currentSubWindow();
    return window && saveDocument(window, false);
}

bool HostWindow::saveChartAs()
{
    QMdiSubWindow *window = documents_->currentSubWindow();
    return window && saveDocument(window, true);
}

bool HostWindow::saveDocument(QMdiSubWindow *window, bool askForPath)
{
    quotechart::REvuved *chart = chartOf(window);
    DocumentFile *file = DocumentFile::of(chart);
    if (!chart || !file)
        return false;
    QString path = file->path();
    if (askForPath || path.isEmpty()) {
        documents_->setActiveSubWindow(window);
        path = askForFile(tr("Save chart as"), ChartFiles, true, QStringLiteral("chart"));
        if (path.isEmpty())
            return false;
    }
    try {
        chart->SaveChartInFile(path);
    } catch (const std::exception &error) {
        reportError(tr("Cannot save the chart as %1").arg(native(path)), error);
        return false;
    }
    file->savedAs(QFileInfo(path).absoluteFilePath());
    rememberRecentChart(path);
    statusBar()->showMessage(tr("Saved %1").arg(native(path)), 3000);
    return true;
}

bool HostWindow::mayClose(QMdiSubWindow *window)
{
    const DocumentFile *file = DocumentFile::of(chartOf(window));
    if (!file || !file->isModified())
        return true;
    documents_->setActiveSubWindow(window);
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    file->path().isEmpty() ? tr("Save the trades of %1 in a chart file?").arg(file->name())
                                           : tr("Save the changes to %1?").arg(QFileInfo(file->path()).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("saveChangesBox"));
    box.setInformativeText(file->path().isEmpty()
                               ? tr("They are lost when the chart closes unsaved.")
                               : tr("Its trades, range or panes differ from the file."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveDocument(window, false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool HostWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        if (auto *window = qobject_cast<QMdiSubWindow *>(watched); window && !mayClose(window)) {
            event->ignore();
            return true;
        }
    return QMainWindow::eventFilter(watched, event);
}

void HostWindow::rememberRecentChart(const QString &path)
{
    storeRecentCharts(withRecentChart(storedRecentCharts(), path));
    rebuildRecentMenu();
}

void HostWindow::rebuildRecentMenu()
{
    recentMenu_->clear();
    const QStringList recent = storedRecentCharts();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction *entry = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setObjectName(QStringLiteral("actionRecentChart%1").arg(i + 1));
        entry->setToolTip(native(path));
        entry->setStatusTip(native(path));
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!openChartFile(path) && !QFileInfo::exists(path)) {
                storeRecentCharts(withoutRecentChart(storedRecentCharts(), path));
                rebuildRecentMenu();
            }
        });
    }
    recentMenu_->setEnabled(!recent.isEmpty());
    if (recent.isEmpty())
        return;
    recentMenu_->addSeparator();
    QAction *clear = recentMenu_->addAction(tr("&Clear the list"), this, [this] {
        storeRecentCharts({});
        rebuildRecentMenu();
    });
    clear->setObjectName(QStringLiteral("actionClearRecentCharts"));
}

void HostWindow::openChartFileAsked()
{
    const QString path = askForFile(tr("Open chart"), ChartFiles, false, QStringLiteral("chart"));
    if (!path.isEmpty())
        openChartFile(path);
}
