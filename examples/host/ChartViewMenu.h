#pragma once
// The View menu's entries for the charts: the legend on every chart (kept
// between runs), and the price style and the logarithmic scale of the active
// chart, whose entries show what that chart draws.

#include <QObject>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;

namespace quotechart {
class REvuved;
}

class ChartViewMenu : public QObject {
public:
    ChartViewMenu(QMenu &view, QMdiArea &documents, QObject *parent);

    // A new document's chart: it shows the legend as the others do and
    // follows its history file, so days a downloader adds appear.
    void adopt(quotechart::REvuved &chart) const;

private:
    QMdiArea &documents_;
    QAction *legend_ = nullptr;
    QAction *logarithmic_ = nullptr;
    QActionGroup *styles_ = nullptr;

    quotechart::REvuved *activeChart() const;
    void showActiveChart();
    void showLegends(bool on) const;
};
