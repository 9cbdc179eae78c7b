#include "HostWindow.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>

namespace {

// The tickers of the sample histories shipped in hist/.
const QStringList SampleTickers = {QStringLiteral("MSFT"), QStringLiteral("GOOG")};

constexpr int WatchPaneWidth = 220;
constexpr int TitleHeight = 16;   // the close box sits at the right end of this strip

}   // namespace

HostWindow::HostWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Quote chart host"));
    documents_ = new QMdiArea;
    documents_->setObjectName(QStringLiteral("documents"));
    setCentralWidget(documents_);
    createWatchPane();
    createMenus();
    statusBar()->showMessage(tr("Ready"));
    resize(1280, 800);

    for (int i = SampleTickers.size() - 1; i >= 0; --i) {
        openChart(SampleTickers[i]);
        documents_->subWindowList().last()->setGeometry(10 + 30 * i, 10 + 30 * i, 980, 680);
    }
}

QMdiSubWindow *HostWindow::addDocument(QWidget *content, const QString &title)
{
    QMdiSubWindow *window = documents_->addSubWindow(content);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void HostWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("E&xit"), this, &QWidget::close);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    showWatchPane_ = view->addAction(tr("&Watch list"));
    showWatchPane_->setCheckable(true);
    showWatchPane_->setChecked(true);
    connect(showWatchPane_, &QAction::toggled, watchPane_, &QWidget::setVisible);

    QMenu *window = menuBar()->addMenu(tr("&Window"));
    window->addAction(tr("&Tile"), documents_, &QMdiArea::tileSubWindows);
    window->addAction(tr("&Cascade"), documents_, &QMdiArea::cascadeSubWindows);
}

void HostWindow::createWatchPane()
{
    watchPane_ = new splitbay6::SplitbayCtl(this);
    watchPane_->setObjectName(QStringLiteral("watchPane"));
    watchPane_->setMin(120);
    watchPane_->resize(WatchPaneWidth, 0);

    watchTitle_ = new QLabel(tr("Watch list"), watchPane_);
    watchTitle_->setIndent(4);
    watchList_ = new QListWidget(watchPane_);
    watchList_->addItems(SampleTickers);
    watchList_->setCurrentRow(0);
    connect(watchList_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { openChart(item->text()); });

    // The pane says where its free area is after every layout.
    connect(watchPane_, &splitbay6::SplitbayCtl::OnResize, this, &HostWindow::placeWatchPaneContent);
    connect(watchPane_, &splitbay6::SplitbayCtl::OnMDIClientResize, this, [this] {
        statusBar()->showMessage(tr("Documents resized to %1 x %2").arg(documents_->width()).arg(documents_->height()),
                                 3000);
    });
    // What the close box does is the host's business: here it hides the pane.
    connect(watchPane_, &splitbay6::SplitbayCtl::Click, this, [this] { showWatchPane_->setChecked(false); });
    watchPane_->setAlignment(splitbay6::SplitbayCtl::AlignLeft);
}

void HostWindow::placeWatchPaneContent()
{
    const QRect free = watchPane_->freeArea();
    watchTitle_->setGeometry(free.left(), free.top(), std::max(0, free.width() - 20), TitleHeight);
    watchList_->setGeometry(free.adjusted(0, TitleHeight, 0, 0));
}

quotechart::REvuved *HostWindow::openChart(const QString &ticker)
{
    auto *chart = new quotechart::REvuved;
    QString name = ticker;
    bool today = false;
    chart->ReadDataFile(name, today);
    // The chart draws this range when it is first laid out.
    chart->starting_date_local = 1;
    chart->ending_date_local = std::min<int16_t>(200, chart->history().record_count);
    addDocument(chart, ticker);
    return chart;
}
