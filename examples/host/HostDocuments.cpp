// The host's documents: opening a ticker or a chart file, saving, the
// question before a document that differs from its file closes, and the
// recent chart files.

#include "HostWindow.h"

#include "ChartViewMenu.h"

#include "CrosshairLink.h"
#include "DocumentFile.h"
#include "ErrorSentences.h"
#include "RecentCharts.h"

#include <quotechart/REvuved.h>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
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
constexpr QSize MinChartSize(480, 340);

const QString ChartFiles = QStringLiteral("Chart files (*.chart);;All files (*)");

quotechart::REvuved *chartOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<quotechart::REvuved *>(window->widget()) : nullptr;
}

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo x(a), y(b);
    return !a.isEmpty() && !b.isEmpty() &&
        (x.canonicalFilePath().isEmpty() ? x.absoluteFilePath() == y.absoluteFilePath()
                                          : x.canonicalFilePath() == y.canonicalFilePath());
}

// What the chart read of a chart file it refused, for the sentence that says why.
QByteArray chartFileBytes(const QString &path)
{
    constexpr qint64 Limit = qint64(4) << 20;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(Limit);
}

}   // namespace

quotechart::REvuved *HostWindow::adoptDocument(quotechart::REvuved *chart, const QString &path)
{
    // What the panes need to stay usable; tiling and cascading respect it, as a user's drag does.
    chart->setMinimumSize(MinChartSize);
    watchChart(chart);
    crosshairs_->add(chart);
    chartView_->adopt(*chart);
    auto *file = new DocumentFile(*chart, path, chart);
    QMdiSubWindow *window = addDocument(chart, file->title());
    window->installEventFilter(this);
    connect(file, &DocumentFile::titleChanged, window, &QMdiSubWindow::setWindowTitle);
    return chart;
}

QMdiSubWindow *HostWindow::documentShowing(const QString &ticker, const QString &path) const
{
    for (QMdiSubWindow *window : documents_->subWindowList(QMdiArea::CreationOrder)) {
        const quotechart::REvuved *chart = chartOf(window);
        const DocumentFile *file = DocumentFile::of(chart);
        if (!chart || !file)
            continue;
        if (path.isEmpty() ? chart->ticker_name == ticker : sameFile(file->path(), path))
            return window;
    }
    return nullptr;
}

quotechart::REvuved *HostWindow::openChart(const QString &ticker)
{
    if (QMdiSubWindow *open = documentShowing(ticker, QString())) {
        documents_->setActiveSubWindow(open);
        return chartOf(open);
    }
    auto *chart = new quotechart::REvuved;   // no parent, so no document sees it until it is added
    QString name = ticker;
    bool today = false;
    chart->ReadDataFile(name, today);
    if (chart->history().record_count < 1) {
        reportProblem(missingHistorySentence(ticker, histFolder()));
        delete chart;
        return nullptr;
    }
    // The chart draws this range when it is first laid out.
    chart->starting_date_local = 1;
    chart->ending_date_local = std::min<int16_t>(NewChartDays, chart->history().record_count);
    return adoptDocument(chart, QString());
}

quotechart::REvuved *HostWindow::openChartFile(const QString &path)
{
    if (QMdiSubWindow *open = documentShowing(QString(), path)) {
        documents_->setActiveSubWindow(open);
        rememberRecentChart(path);
        return chartOf(open);
    }
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
        reportProblem(chartFileOpenSentence(path, errorNumber(error), chartFileBytes(path)));
        return nullptr;
    }
    if (chart->history().record_count < 1) {
        reportProblem(chartWithoutHistorySentence(path, chart->ticker_name, histFolder()));
        return nullptr;
    }
    rememberRecentChart(path);
    return adoptDocument(chart.release(), QFileInfo(path).absoluteFilePath());
}

QString HostWindow::histFolder() const { return QDir(dataFolder()).filePath(QStringLiteral("hist")); }

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
        reportProblem(chartFileSaveSentence(path, errorNumber(error), chart->ticker_name));
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
