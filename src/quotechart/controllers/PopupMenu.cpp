#include "controllers/PopupMenu.h"

#include <QAction>
#include <QMenu>

namespace quotechart {

namespace {

QMenu *menu(QWidget &parent, const char *name, const char *caption)
{
    auto *result = new QMenu(QString::fromLatin1(caption), &parent);
    result->setObjectName(QLatin1String(name));
    result->menuAction()->setObjectName(QLatin1String(name));
    return result;
}

QMenu *submenu(QMenu *parent, const char *name, const char *caption)
{
    QMenu *result = menu(*parent, name, caption);
    parent->addMenu(result);
    return result;
}

QAction *entry(QMenu *parent, const char *name, const char *caption, bool checkable = true)
{
    QAction *action = parent->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

void separator(QMenu *parent, const char *name) { parent->addSeparator()->setObjectName(QLatin1String(name)); }

}   // namespace

PopupMenus createPopupMenus(QWidget &owner)
{
    PopupMenus m;
    m.mnuPopup = menu(owner, "mnuPopup", "Popup");
    QMenu *averages = submenu(m.mnuPopup, "mnuPopupMA", "Moving  Averages");
    m.mnuPopupMA10Days = entry(averages, "mnuPopupMA10Days", "10 Days");
    m.mnuPopupMA50Days = entry(averages, "mnuPopupMA50Days", "50 Days");
    m.mnuPopupMA200Days = entry(averages, "mnuPopupMA200Days", "200 Days");
    separator(averages, "mnuPopupMASeparator");
    m.mnuPopupMACustom = entry(averages, "mnuPopupMACustom", "Custom");
    QMenu *indicators = submenu(m.mnuPopup, "mnuPriceIndicators", "Price Indicators");
    m.mnuPriceIndicatorsBands = entry(indicators, "mnuPriceIndicatorsBands", "Bollinger Bands");
    m.mnuPriceIndicatorsEnvelopes = entry(indicators, "mnuPriceIndicatorsEnvelopes", "Envelopes");
    m.mnuPopupHighLowClose = entry(m.mnuPopup, "mnuPopupHighLowClose", "High-Low-Close");
    separator(m.mnuPopup, "mnuPopupSep2");
    QMenu *grid = submenu(m.mnuPopup, "mnuGridSettings", "Grid Settings");
    m.mnuGridSettingsVertical = entry(grid, "mnuGridSettingsVertical", "Vertical");
    m.mnuGridSettingsHorizontal = entry(grid, "mnuGridSettingsHorizontal", "Horizontal");
    separator(m.mnuPopup, "mnuPopupSep");
    m.mnuPopupTimeRange = entry(m.mnuPopup, "mnuPopupTimeRange", "Time Range", false);
    separator(m.mnuPopup, "mnuPopupSep3");
    m.mnuPopupRecordBuy = entry(m.mnuPopup, "mnuPopupRecordBuy", "Record &Buy", false);
    m.mnuPopupRecordSell = entry(m.mnuPopup, "mnuPopupRecordSell", "Record &Sell", false);
    m.mnuPopupHideChart = entry(m.mnuPopup, "mnuPopupHideChart", "Hide Chart");
    m.mnuPopupHideChart->setVisible(false);

    m.mnuPopupListView = menu(owner, "mnuPopupListView", "Listview");
    m.mnuPopupListViewDelete = entry(m.mnuPopupListView, "mnuPopupListViewDelete", "Delete", false);
    return m;
}

}   // namespace quotechart
