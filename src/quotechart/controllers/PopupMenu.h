#pragma once
// The chart's popup menus: mnuPopup over the price pane and mnuPopupListView
// over the transaction list, with their entries as named actions.

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace quotechart {

struct PopupMenus {
    QMenu *mnuPopup = nullptr;
    QAction *mnuPopupMA10Days = nullptr;
    QAction *mnuPopupMA50Days = nullptr;
    QAction *mnuPopupMA200Days = nullptr;
    QAction *mnuPopupMACustom = nullptr;
    QAction *mnuPriceIndicatorsBands = nullptr;
    QAction *mnuPriceIndicatorsEnvelopes = nullptr;
    QAction *mnuPopupHighLowClose = nullptr;
    QAction *mnuGridSettingsVertical = nullptr;
    QAction *mnuGridSettingsHorizontal = nullptr;
    QAction *mnuPopupTimeRange = nullptr;
    QAction *mnuPopupRecordBuy = nullptr;
    QAction *mnuPopupRecordSell = nullptr;
    QAction *mnuPopupHideChart = nullptr;   // present, never visible
    QMenu *mnuPopupListView = nullptr;
    QAction *mnuPopupListViewDelete = nullptr;
};

// Builds both menu trees as children of `owner`; nothing is connected.
PopupMenus createPopupMenus(QWidget &owner);

}   // namespace quotechart
