#pragma once
// The example host: an MDI main window of the kind that embeds the controls.
// Documents are charts in the QMdiArea, each opened from a ticker or from a
// chart file (DocumentFile says whether it differs from its file); a watch
// list of the tickers in hist/ is docked on the left in a SplitbayCtl, whose
// bar the user drags to share the width with the charts. The window's state,
// the open documents, the recent chart files, the lookup site and the data
// folder are kept in the host's own settings, apart from the chart's.

#include <QMainWindow>
#include <QStringList>

#include <exception>

class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QSettings;
struct CsvHistory;
class CrosshairLink;

namespace splitbay6 {
class SplitbayCtl;
}

namespace quotechart {
class REvuved;
}

// The number of a ControlError, 0 for any other exception.
int errorNumber(const std::exception &error);

class ChartViewMenu;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget *parent = nullptr);
    ~HostWindow() override;

    // Opens `content` in a new document window titled `title`; the window
    // takes ownership of the content.
    QMdiSubWindow *addDocument(QWidget *content, const QString &title);

    // Opens a chart of the ticker's history, showing its newest 200 days, or
    // activates the document that shows it already; nullptr (after telling
    // the user) when the ticker has no history.
    quotechart::REvuved *openChart(const QString &ticker);
    // Opens a chart file in a new document and redraws it as the file says,
    // or activates the document open from it; nullptr (after telling the
    // user) when the file cannot be read or its ticker has no history.
    quotechart::REvuved *openChartFile(const QString &path);
    // Saves the current document to its file (Save as... when it has none);
    // false when nothing was saved.
    bool saveChart();
    // The chart of the current document, if any.
    quotechart::REvuved *activeChart() const;

    // The menu commands; those that ask for a file or a printer ask first.
    void openChartFileAsked();
    bool saveChartAs();
    void print();
    void printPreview();
    void zoomIn();
    void zoomOut();
    void pageBack();
    void pageForward();
    void exportPicture();
    void showTransactionsReport();
    void chooseTimeRange();
    void chooseColours();
    void lookUpCompanyName();
    void chooseLookupSite();
    void importHistory();
    bool chooseDataFolder();   // whether the data folder changed

    // Imports a CSV history: the import dialog, the question before an
    // existing history is replaced, the file written, the watch list shown
    // again; false when nothing was written.
    bool importHistoryFrom(const QString &csvPath);
    // The folder whose hist/ the watch list and the charts use, as the chart
    // is told with setApplicationPath; the bundled samples' folder is what
    // the chart used before the host changed it.
    QString dataFolder() const;
    QString histFolder() const;   // <data folder>/hist
    QString samplesFolder() const { return samplesFolder_; }
    void setDataFolder(const QString &folder);
    // Lists the tickers of the data folder again, keeping `current` selected.
    void refreshWatchList(const QString &current = {});

    // Prints the current chart on `printer`; false when there is none or it failed.
    bool printActiveChart(QPrinter &printer);
    // Sets the current chart's visible range to the trading days of two dates.
    bool setTimeRange(QDate from, QDate to);
    // The window redraw of a chart, as the control itself runs it.
    static void redrawChart(quotechart::REvuved &chart);

    // Writes the window's state and the open documents to the host's settings.
    void saveSession() const;
    // Asks Save / Discard / Cancel for a document that differs from its
    // file; whether it may close.
    bool mayClose(QMdiSubWindow *window);

    QMdiArea *documents() const { return documents_; }
    CrosshairLink *crosshairLink() const { return crosshairs_; }
    splitbay6::SplitbayCtl *watchPane() const { return watchPane_; }
    QListWidget *watchList() const { return watchList_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createMenus();
    void createToolBar();
    void createWatchPane();
    void placeWatchPaneContent();
    void restoreSession();
    void restoreDocuments(QSettings &settings);
    quotechart::REvuved *adoptDocument(quotechart::REvuved *chart, const QString &path);
    bool saveDocument(QMdiSubWindow *window, bool askForPath);
    void rememberRecentChart(const QString &path);
    void rebuildRecentMenu();
    void reportProblem(const QString &sentence);
    void rebuildWindowMenu();
    void showChartStatus();
    void followActiveDocument();
    QMdiSubWindow *documentShowing(const QString &ticker, const QString &path) const;
    void watchChart(quotechart::REvuved *chart);
    QString askForFile(const QString &title, const QString &filter, bool saving, const QString &suffix);
    void applyStoredDataFolder();
    bool offerDataFolder(const QString &reason);
    void showImported(const QString &ticker, const QString &path, const CsvHistory &history);

    QMdiArea *documents_ = nullptr;
    splitbay6::SplitbayCtl *watchPane_ = nullptr;
    QLabel *watchTitle_ = nullptr;
    QListWidget *watchList_ = nullptr;
    QAction *showWatchPane_ = nullptr;
    QMenu *windowMenu_ = nullptr;
    QMenu *recentMenu_ = nullptr;
    QAction *linkCrosshairs_ = nullptr;
    CrosshairLink *crosshairs_ = nullptr;
    ChartViewMenu *chartView_ = nullptr;
    QLabel *chartStatus_ = nullptr;
    QString lookupSite_;
    QString samplesFolder_;
    QStringList startProblems_;   // what a restart could not reopen, told once the window is up
    bool restoring_ = false;
};
