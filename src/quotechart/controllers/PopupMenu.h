#pragma once
// The chart's popup menus: mnuPopup over the price pane and mnuPopupListView
// over the transaction list, with their entries as named actions.

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace quotechart {

struct PopupMenus {
    QMenu *chartMenu = nullptr;
    QAction *ma10Days = nullptr;
    QAction *ma50Days = nullptr;
    QAction *ma200Days = nullptr;
    QAction *customAverage = nullptr;
    QAction *bollingerBands = nullptr;
    QAction *envelopes = nullptr;
    QAction *highLowClose = nullptr;
    QAction *verticalGrid = nullptr;
    QAction *horizontalGrid = nullptr;
    QAction *timeRange = nullptr;
    QAction *recordBuy = nullptr;
    QAction *recordSell = nullptr;
    QAction *hideChart = nullptr;   // present, never visible
    QMenu *listMenu = nullptr;
    QAction *deleteTransaction = nullptr;
};

// Builds both menu trees as children of `owner`; nothing is connected.
PopupMenus createPopupMenus(QWidget &owner);

}   // namespace quotechart
