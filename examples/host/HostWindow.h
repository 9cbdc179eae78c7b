#pragma once
// The example host: an MDI main window of the kind that embeds the controls.
// Documents are charts in the QMdiArea; a watch list is docked on the left in
// a SplitbayCtl, whose bar the user drags to share the width with the charts.

#include <QMainWindow>

class QAction;
class QLabel;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;

namespace splitbay6 {
class SplitbayCtl;
}

namespace quotechart {
class REvuved;
}

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget *parent = nullptr);

    // Opens `content` in a new document window titled `title`; the window
    // takes ownership of the content.
    QMdiSubWindow *addDocument(QWidget *content, const QString &title);

    // Opens a chart of the ticker's history, showing its newest 200 days.
    quotechart::REvuved *openChart(const QString &ticker);

    QMdiArea *documents() const { return documents_; }
    splitbay6::SplitbayCtl *watchPane() const { return watchPane_; }

private:
    void createMenus();
    void createWatchPane();
    void placeWatchPaneContent();

    QMdiArea *documents_ = nullptr;
    splitbay6::SplitbayCtl *watchPane_ = nullptr;
    QLabel *watchTitle_ = nullptr;
    QListWidget *watchList_ = nullptr;
    QAction *showWatchPane_ = nullptr;
};
