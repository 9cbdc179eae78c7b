#include "HostWindow.h"

#include "ChartViewMenu.h"
#include "CrosshairLink.h"
#include "ErrorSentences.h"
#include "HostDialogs.h"
#include "HostSettings.h"
#include "PictureExport.h"
#include "WatchList.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QAction>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {

constexpr int DefaultPaneWidth = 220;
constexpr int MinPaneWidth = 120;
constexpr int MinDocumentsWidth = 300;
constexpr int TitleHeight = 16;     // the close box sits at the right end of this strip

quotechart::REvuved *chartOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<quotechart::REvuved *>(window->widget()) : nullptr;
}

QString dateOf(const quotechart::REvuved &chart, int16_t day)
{
    const quotechart::PriceHistory &h = chart.history();
    return day >= 1 && day <= h.record_count ? h.date_array[day] : QString();
}

}   // namespace

int errorNumber(const std::exception &error)
{
    const auto *control = dynamic_cast<const quotechart::ControlError *>(&error);
    return control ? control->number() : 0;
}

HostWindow::HostWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Quote chart host"));
    documents_ = new QMdiArea;
    documents_->setObjectName(QStringLiteral("documents"));
    setCentralWidget(documents_);
    chartStatus_ = new QLabel;
    chartStatus_->setObjectName(QStringLiteral("chartStatus"));
    statusBar()->addPermanentWidget(chartStatus_);
    connect(documents_, &QMdiArea::subWindowActivated, this, &HostWindow::showChartStatus);
    connect(documents_, &QMdiArea::subWindowActivated, this, &HostWindow::followActiveDocument);
    // Documents keep the size their chart needs; the area scrolls to those it cannot show whole.
    documents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    documents_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    statusBar()->showMessage(tr("Ready"));
    applyStoredDataFolder();
    crosshairs_ = new CrosshairLink(this);
    crosshairs_->setEnabled(hostSettings().value(QStringLiteral("linkedCrosshairs"), true).toBool());
    createWatchPane();
    createMenus();
    resize(1280, 800);
    restoreSession();
}

// The documents outlive this class's part of the window: QWidget's destructor
// hides and deletes them, and the area announces activations meanwhile. No
// slot of a window half destroyed may hear of it.
HostWindow::~HostWindow()
{
    disconnect(documents_, nullptr, this, nullptr);
    for (QMdiSubWindow *window : documents_->subWindowList())
        if (quotechart::REvuved *chart = chartOf(window)) {
            disconnect(chart, nullptr, this, nullptr);
            disconnect(chart, nullptr, crosshairs_, nullptr);
        }
}

QMdiSubWindow *HostWindow::addDocument(QWidget *content, const QString &title)
{
    QMdiSubWindow *window = documents_->addSubWindow(content);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(980, 680);
    window->show();
    documents_->setActiveSubWindow(window);
    return window;
}

void HostWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    auto add = [this](QMenu *menu, const char *name, const QString &text, auto slot, QKeySequence key = {}) {
        QAction *action = menu->addAction(text, this, slot);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        return action;
    };
    add(file, "actionOpenChart", tr("&Open chart..."), &HostWindow::openChartFileAsked, QKeySequence::Open);
    recentMenu_ = file->addMenu(tr("Recent c&harts"));
    recentMenu_->setObjectName(QStringLiteral("recentChartsMenu"));
    rebuildRecentMenu();
    add(file, "actionSaveChart", tr("&Save chart"), &HostWindow::saveChart, QKeySequence::Save);
    add(file, "actionSaveChartAs", tr("Save chart &as..."), &HostWindow::saveChartAs,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));   // not every platform theme binds SaveAs
    file->addSeparator();
    add(file, "actionImportHistory", tr("&Import history..."), &HostWindow::importHistory);
    file->addSeparator();
    add(file, "actionPrint", tr("&Print..."), &HostWindow::print, QKeySequence::Print);
    add(file, "actionPrintPreview", tr("Print pre&view..."), &HostWindow::printPreview);
    add(file, "actionExportPicture", tr("&Export picture..."), &HostWindow::exportPicture);
    add(file, "actionTransactionsReport", tr("Transactions &report..."), &HostWindow::showTransactionsReport);
    file->addSeparator();
    add(file, "actionExit", tr("E&xit"), &QWidget::close, QKeySequence::Quit);

    QMenu *chart = menuBar()->addMenu(tr("&Chart"));
    // The chart's own "Time Range" entry sends this key to the focused window.
    add(chart, "actionTimeRange", tr("&Time range..."), &HostWindow::chooseTimeRange,
        QKeySequence(Qt::CTRL | Qt::Key_T));
    add(chart, "actionZoomIn", tr("Zoom &in"), &HostWindow::zoomIn, QKeySequence::ZoomIn);
    add(chart, "actionZoomOut", tr("Zoom &out"), &HostWindow::zoomOut, QKeySequence::ZoomOut);
    add(chart, "actionPageBack", tr("Page &back"), &HostWindow::pageBack, QKeySequence(Qt::ALT | Qt::Key_PageUp));
    add(chart, "actionPageForward", tr("Page &forward"), &HostWindow::pageForward,
        QKeySequence(Qt::ALT | Qt::Key_PageDown));
    chart->addSeparator();
    add(chart, "actionColours", tr("&Colours..."), &HostWindow::chooseColours);
    chart->addSeparator();
    add(chart, "actionLookUpCompany", tr("&Look up company name"), &HostWindow::lookUpCompanyName);
    add(chart, "actionLookupSite", tr("Lookup &site..."), &HostWindow::chooseLookupSite);

    QMenu *settings = menuBar()->addMenu(tr("&Settings"));
    add(settings, "actionDataFolder", tr("&Data folder..."), &HostWindow::chooseDataFolder);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    showWatchPane_ = view->addAction(tr("&Watch list"));
    showWatchPane_->setObjectName(QStringLiteral("actionWatchList"));
    showWatchPane_->setCheckable(true);
    showWatchPane_->setChecked(true);
    connect(showWatchPane_, &QAction::toggled, watchPane_, &QWidget::setVisible);
    chartView_ = new ChartViewMenu(*view, *documents_, this);

    createToolBar();

    linkCrosshairs_ = new QAction(tr("&Linked crosshairs"), this);
    linkCrosshairs_->setObjectName(QStringLiteral("actionLinkedCrosshairs"));
    linkCrosshairs_->setCheckable(true);
    linkCrosshairs_->setChecked(crosshairs_->isEnabled());
    connect(linkCrosshairs_, &QAction::toggled, this, [this](bool on) {
        crosshairs_->setEnabled(on);
        hostSettings().setValue(QStringLiteral("linkedCrosshairs"), on);
    });
    windowMenu_ = menuBar()->addMenu(tr("&Window"));
    windowMenu_->setObjectName(QStringLiteral("windowMenu"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &HostWindow::rebuildWindowMenu);
    rebuildWindowMenu();
}

// Theme icons where the desktop has them; a button whose icon is missing shows its text.
void HostWindow::createToolBar()
{
    QToolBar *tools = addToolBar(tr("Chart tools"));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setMovable(false);
    const std::pair<const char *, const char *> buttons[] = {
        {"actionOpenChart", "document-open"},   {"actionSaveChart", "document-save"},
        {"actionPrint", "document-print"},      {"actionPrintPreview", "document-print-preview"},
        {nullptr, nullptr},                     {"actionZoomIn", "zoom-in"},
        {"actionZoomOut", "zoom-out"},          {"actionPageBack", "go-previous"},
        {"actionPageForward", "go-next"},
    };
    for (const auto &[name, icon] : buttons) {
        if (!name) {
            tools->addSeparator();
            continue;
        }
        QAction *action = findChild<QAction *>(QLatin1String(name));
        action->setIcon(QIcon::fromTheme(QLatin1String(icon)));
        // The menus show the text beside the icon; the toolbar needs the icon alone.
        action->setIconText(action->text().remove(QStringLiteral("...")).remove(u'&'));
        tools->addAction(action);
        if (auto *button = qobject_cast<QToolButton *>(tools->widgetForAction(action)))
            button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    }
}

void HostWindow::rebuildWindowMenu()
{
    windowMenu_->clear();
    QAction *tile = windowMenu_->addAction(tr("&Tile"), documents_, &QMdiArea::tileSubWindows);
    tile->setObjectName(QStringLiteral("actionTile"));
    QAction *cascade = windowMenu_->addAction(tr("&Cascade"), documents_, &QMdiArea::cascadeSubWindows);
    cascade->setObjectName(QStringLiteral("actionCascade"));
    QAction *close = windowMenu_->addAction(tr("Cl&ose"), documents_, &QMdiArea::closeActiveSubWindow);
    close->setObjectName(QStringLiteral("actionCloseDocument"));
    windowMenu_->addSeparator();
    windowMenu_->addAction(linkCrosshairs_);
    const QList<QMdiSubWindow *> windows = documents_->subWindowList();
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows[i];
        QAction *entry = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == documents_->currentSubWindow());
        connect(entry, &QAction::triggered, documents_, [this, window] { documents_->setActiveSubWindow(window); });
    }
}

void HostWindow::createWatchPane()
{
    watchPane_ = new splitbay6::SplitbayCtl(this);
    watchPane_->setObjectName(QStringLiteral("watchPane"));
    watchPane_->setMin(MinPaneWidth);
    watchPane_->setMax(MinDocumentsWidth);   // what a drag of the bar leaves to the documents
    const int width = hostSettings().value(QStringLiteral("watchPaneWidth"), DefaultPaneWidth).toInt();
    watchPane_->resize(std::clamp(width, MinPaneWidth, 4000), 0);

    watchTitle_ = new QLabel(tr("Watch list"), watchPane_);
    watchTitle_->setIndent(4);
    watchList_ = new QListWidget(watchPane_);
    watchList_->setObjectName(QStringLiteral("watchList"));
    refreshWatchList();
    // Double-click and Enter both activate an entry.
    connect(watchList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openChart(item->data(Qt::UserRole).toString()); });

    // The pane says where its free area is after every layout.
    connect(watchPane_, &splitbay6::SplitbayCtl::OnResize, this, &HostWindow::placeWatchPaneContent);
    // What the close box does is the host's business: here it hides the pane.
    connect(watchPane_, &splitbay6::SplitbayCtl::Click, this, [this] { showWatchPane_->setChecked(false); });
    watchPane_->setAlignment(splitbay6::SplitbayCtl::AlignLeft);
}

void HostWindow::refreshWatchList(const QString &current)
{
    const QListWidgetItem *selected = watchList_->currentItem();
    const QString keep = !current.isEmpty() ? current : selected ? selected->data(Qt::UserRole).toString() : QString();
    watchList_->clear();
    const QString hist = QDir(dataFolder()).filePath(QStringLiteral("hist"));
    watchTitle_->setToolTip(QDir::toNativeSeparators(hist));
    for (const WatchEntry &entry : scanHistories(hist)) {
        auto *item = new QListWidgetItem(entry.company.isEmpty() ? entry.ticker
                                                                 : entry.ticker + QStringLiteral("  ") + entry.company);
        item->setData(Qt::UserRole, entry.ticker);
        item->setToolTip(entry.company);
        watchList_->addItem(item);
        if (entry.ticker == keep)
            watchList_->setCurrentItem(item);
    }
    if (!watchList_->currentItem())
        watchList_->setCurrentRow(0);
}

// The bar's drag leaves the documents MinDocumentsWidth (the pane's Max); a
// narrower window or a wide stored pane must not take it from them either.
void HostWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const int widest = std::max(MinPaneWidth, width() - MinDocumentsWidth);
    if (watchPane_->width() > widest)
        watchPane_->resize(widest, watchPane_->height());
}

void HostWindow::placeWatchPaneContent()
{
    const QRect free = watchPane_->freeArea();
    watchTitle_->setGeometry(free.left(), free.top(), std::max(0, free.width() - 20), TitleHeight);
    watchList_->setGeometry(free.adjusted(0, TitleHeight, 0, 0));
}

void HostWindow::watchChart(quotechart::REvuved *chart)
{
    connect(chart, &quotechart::REvuved::DrawComplete, this, [this, chart] {
        if (chart == activeChart())
            showChartStatus();
    });
}

quotechart::REvuved *HostWindow::activeChart() const { return chartOf(documents_->currentSubWindow()); }

void HostWindow::redrawChart(quotechart::REvuved &chart)
{
    int16_t newest = chart.starting_date_local, oldest = chart.ending_date_local;
    int16_t pane1 = chart.TechInd1(), pane2 = chart.TechInd2(), pane3 = chart.TechInd3();
    chart.Clear();
    chart.DrawPriceRuler(newest, oldest);
    chart.DrawDateRuler(newest, oldest);
    chart.DisplayChart(newest, oldest);
    chart.DisplayTechnicalIndicators(pane1, pane2, pane3);
}

QString HostWindow::askForFile(const QString &title, const QString &filter, bool saving, const QString &suffix)
{
    // Qt's own dialog on every platform, so the headless session and the tests answer it.
    QFileDialog dialog(this, title, QString(), filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void HostWindow::print()
{
    if (!activeChart())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() == QDialog::Accepted)
        printActiveChart(printer);
}

void HostWindow::printPreview()
{
    if (!activeChart())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *shown) { printActiveChart(*shown); });
    dialog.exec();
}

// The toolbar's navigation acts on the current chart as its own keys do.
void HostWindow::zoomIn()
{
    if (quotechart::REvuved *chart = activeChart())
        chart->ZoomIn();
}

void HostWindow::zoomOut()
{
    if (quotechart::REvuved *chart = activeChart())
        chart->ZoomOut();
}

void HostWindow::pageBack()
{
    if (quotechart::REvuved *chart = activeChart())
        chart->GoBackward();
}

void HostWindow::pageForward()
{
    if (quotechart::REvuved *chart = activeChart())
        chart->GoForward();
}

bool HostWindow::printActiveChart(QPrinter &printer)
{
    quotechart::REvuved *chart = activeChart();
    if (!chart)
        return false;
    chart->setPrinter(&printer);
    bool printed = true;
    try {
        chart->PrintEntireChart();
    } catch (const std::exception &error) {
        reportProblem(printSentence(errorNumber(error), QString::fromUtf8(error.what())));
        printed = false;
    }
    chart->setPrinter(nullptr);
    return printed;
}

void HostWindow::exportPicture()
{
    quotechart::REvuved *chart = activeChart();
    if (!chart)
        return;
    const QString path = askForFile(tr("Export picture"), pictureFileFilter(), true, QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (!exportChartPicture(*chart, path))
        QMessageBox::warning(this, windowTitle(), tr("Cannot write %1").arg(QDir::toNativeSeparators(path)));
}

void HostWindow::showTransactionsReport()
{
    quotechart::REvuved *chart = activeChart();
    if (!chart)
        return;
    ReportDialog dialog(tr("Transactions of %1").arg(chart->ticker_name), chart->PrintTransactionsReport(), this);
    dialog.exec();
}

void HostWindow::chooseTimeRange()
{
    quotechart::REvuved *chart = activeChart();
    if (!chart || chart->history().record_count < 1)
        return;
    const quotechart::PriceHistory &h = chart->history();
    TimeRangeDialog dialog(historyDate(h.date_array[h.record_count]), historyDate(h.date_array[1]),
                           historyDate(dateOf(*chart, chart->ending_date_local)),
                           historyDate(dateOf(*chart, chart->starting_date_local)), this);
    if (dialog.exec() == QDialog::Accepted)
        setTimeRange(dialog.from(), dialog.to());
}

bool HostWindow::setTimeRange(QDate from, QDate to)
{
    quotechart::REvuved *chart = activeChart();
    if (!chart || !from.isValid() || !to.isValid())
        return false;
    if (from > to)
        std::swap(from, to);
    QString newestText = to.toString(Qt::ISODate), oldestText = from.toString(Qt::ISODate);
    const int16_t newest = chart->ConvertDateToInteger(newestText);
    const int16_t oldest = chart->ConvertDateToInteger(oldestText);
    if (newest < 1 || oldest < 1) {
        QMessageBox::warning(this, windowTitle(),
                             tr("No trading day near %1.").arg(newest < 1 ? newestText : oldestText));
        return false;
    }
    chart->starting_date_local = newest;
    chart->ending_date_local = std::max(newest, oldest);
    try {
        redrawChart(*chart);
    } catch (const std::exception &error) {
        reportProblem(rangeSentence(errorNumber(error), QString::fromUtf8(error.what())));
        return false;
    }
    return true;
}

void HostWindow::chooseColours()
{
    ColoursDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.store();
    for (QMdiSubWindow *window : documents_->subWindowList())
        if (quotechart::REvuved *chart = chartOf(window)) {
            chart->SetColors();
            redrawChart(*chart);
        }
}

void HostWindow::lookUpCompanyName()
{
    quotechart::REvuved *chart = activeChart();
    if (!chart)
        return;
    // The lookup runs the host's events while it waits, and a document may close meanwhile.
    QPointer<quotechart::REvuved> guard(chart);
    chart->DrawLabel();
    if (!guard)
        return;
    const QString name = chart->CompanyName();
    statusBar()->showMessage(name.isEmpty() ? tr("No company name found for %1").arg(chart->ticker_name) : name, 5000);
}

void HostWindow::chooseLookupSite()
{
    bool ok = false;
    const QString site = QInputDialog::getText(
        this, tr("Lookup site"), tr("Quote site for company names (none: empty)"), QLineEdit::Normal, lookupSite_, &ok);
    if (!ok)
        return;
    lookupSite_ = site.trimmed();
    quotechart::setLookupSite(lookupSite_);
    hostSettings().setValue(QStringLiteral("lookupSite"), lookupSite_);
}

void HostWindow::followActiveDocument()
{
    const quotechart::REvuved *chart = activeChart();
    if (!chart)
        return;
    for (int i = 0; i < watchList_->count(); ++i)
        if (watchList_->item(i)->data(Qt::UserRole).toString() == chart->ticker_name) {
            watchList_->setCurrentRow(i);
            watchList_->scrollToItem(watchList_->item(i));
            return;
        }
}

void HostWindow::showChartStatus()
{
    const quotechart::REvuved *chart = activeChart();
    if (!chart) {
        chartStatus_->clear();
        return;
    }
    const QString newest = dateOf(*chart, chart->starting_date_local);
    const QString oldest = dateOf(*chart, std::min(chart->ending_date_local, chart->history().record_count));
    chartStatus_->setText(newest.isEmpty() ? chart->ticker_name
                                           : tr("%1  %2 .. %3").arg(chart->ticker_name, oldest, newest));
}
