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
    m.chartMenu = menu(owner, "mnuPopup", "Popup");
    QMenu *averages = submenu(m.chartMenu, "mnuPopupMA", "Moving  Averages");
    m.ma10Days = entry(averages, "mnuPopupMA10Days", "10 Days");
    m.ma50Days = entry(averages, "mnuPopupMA50Days", "50 Days");
    m.ma200Days = entry(averages, "mnuPopupMA200Days", "200 Days");
    separator(averages, "mnuPopupMASeparator");
    m.customAverage = entry(averages, "mnuPopupMACustom", "Custom");
    QMenu *indicators = submenu(m.chartMenu, "mnuPriceIndicators", "Price Indicators");
    m.bollingerBands = entry(indicators, "mnuPriceIndicatorsBands", "Bollinger Bands");
    m.envelopes = entry(indicators, "mnuPriceIndicatorsEnvelopes", "Envelopes");
    m.highLowClose = entry(m.chartMenu, "mnuPopupHighLowClose", "High-Low-Close");
    separator(m.chartMenu, "mnuPopupSep2");
    QMenu *grid = submenu(m.chartMenu, "mnuGridSettings", "Grid Settings");
    m.verticalGrid = entry(grid, "mnuGridSettingsVertical", "Vertical");
    m.horizontalGrid = entry(grid, "mnuGridSettingsHorizontal", "Horizontal");
    separator(m.chartMenu, "mnuPopupSep");
    m.timeRange = entry(m.chartMenu, "mnuPopupTimeRange", "Time Range", false);
    separator(m.chartMenu, "mnuPopupSep3");
    m.recordBuy = entry(m.chartMenu, "mnuPopupRecordBuy", "Record &Buy", false);
    m.recordSell = entry(m.chartMenu, "mnuPopupRecordSell", "Record &Sell", false);
    m.hideChart = entry(m.chartMenu, "mnuPopupHideChart", "Hide Chart");
    m.hideChart->setVisible(false);

    m.listMenu = menu(owner, "mnuPopupListView", "Listview");
    m.deleteTransaction = entry(m.listMenu, "mnuPopupListViewDelete", "Delete", false);
    return m;
}

}   // namespace quotechart
