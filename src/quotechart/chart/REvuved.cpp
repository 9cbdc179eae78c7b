// REvuved: start-up, layout on resize, the window redraw, the small property
// accessors, and the public methods that hand over to a controller. The
// drawing, the history, the chart file, printing and the lookup have files
// of their own here; what the user's mouse, keys and menus do lives in the
// controllers.

#include "quotechart/REvuved.h"

#include "chart/ChartColours.h"
#include "chart/ChartLayout.h"
#include "chart/ChartPrivate.h"
#include "chart/StoredPaneSettings.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>

namespace quotechart {

namespace {

void fillIndicatorCombos(ChartWidgets &w, const std::array<PaneSettings, PaneCount> &panes)
{
    for (int k = 0; k < PaneCount; ++k) {
        QComboBox *combo = w.indicatorCombos[k];
        for (const IndicatorInfo &indicator : indicatorCatalogue)
            combo->addItem(QLatin1String(indicator.name));
        combo->setCurrentIndex(-1);   // no selection unless a valid indicator is stored
        if (findIndicator(panes[k].indicator))
            combo->setCurrentIndex(panes[k].indicator - 1);
    }
}

}   // namespace

REvuved::Private::Private(REvuved &chart)
    : chart(chart), widgets(createChartWidgets(chart)), model({chart.ticker_name, chart.buy_number, chart.sell_number,
                                                               chart.starting_date_local, chart.ending_date_local})
{}

ChartActions REvuved::Private::actions()
{
    return {[this] { chart.Clear(); }, [this] { redraw(); }, [this] { emit chart.timeRangeRequested(); }};
}

ChartRegions REvuved::Private::screenRegions()
{
    ChartWidgets &w = widgets;
    ChartRegions regions{w.pricePane->surface(), w.priceRuler->surface(), w.dateRuler->surface(), {}, {}};
    for (std::size_t k = 0; k < PaneCount; ++k) {
        regions.indicatorPanes[k] = &w.indicatorPanes[k]->surface();
        regions.indicatorRulers[k] = &w.indicatorRulers[k]->surface();
    }
    return regions;
}

// The window redraw. Each step runs even when an earlier one failed; a
// failure is the host's to see only when it calls the step itself.
void REvuved::Private::redraw()
{
    chart.Clear();
    const auto step = [](auto &&draw) {
        try {
            draw();
        } catch (const ControlError &) {
        }
    };
    step([this] { chart.DrawPriceRuler(model.newestDay(), model.oldestDay()); });
    step([this] { chart.DrawDateRuler(model.newestDay(), model.oldestDay()); });
    step([this] { chart.DisplayChart(model.newestDay(), model.oldestDay()); });
    auto &panes = model.panes();
    chart.DisplayTechnicalIndicators(panes[0].indicator, panes[1].indicator, panes[2].indicator);
}

void REvuved::Private::connectControllers()
{
    ChartWidgets &w = widgets;
    menus = createPopupMenus(chart);
    transactionListView.emplace(model.transactionLog(), *w.transactionList, *w.sumGainLabel, *w.cumGainLabel);
    model.setTransactionsChanged([this] { emit chart.transactionsChanged(); });
    recorder.emplace(model, *w.pricePane, chart);
    crosshair.emplace(model,
                      CrosshairVariables{chart.OldVerticalLineX, chart.OldHorizontalLineY,
                                         chart.isVerticalLineDisplayed, chart.isHorizontalLineDisplayed},
                      CrosshairTargets{*w.pricePane, w.indicatorPanes, *w.dateRuler, *w.dayReadout, *w.changeReadout},
                      [this](float x, float y) { popupMenu->open(x, y); },
                      [this](int day) { announceCrosshair(day); });
    navigation.emplace(model,
                       NavigationWidgets{*w.newerArrow, *w.olderArrow, *w.newerRepeat, *w.olderRepeat, *w.pricePane},
                       actions());
    popupMenu.emplace(model, menus, chart, *w.pricePane, *recorder, crosshair->pointer(), actions());
    settingsTab.emplace(model, SettingsTabWidgets{*w.sidePanel, w.indicatorCombos, w.periodFields, *w.applyButton},
                        chart, actions());
    transactionListMenu.emplace(model, *w.transactionList, *menus.listMenu, *menus.deleteTransaction, chart, actions());
    follower.emplace([this](const QString &path) { rereadFollowedFile(path); });

    platform::PictureBox *pane = w.pricePane;
    QObject::connect(pane, &platform::PictureBox::mouseDown, &chart,
                     [this](int button, int, float x, float y) { crosshair->pricePaneMouseDown(button, x, y); });
    QObject::connect(pane, &platform::PictureBox::mouseMove, &chart,
                     [this](int button, int, float x, float y) { crosshair->pricePaneMouseMove(button, x, y); });
    QObject::connect(pane, &platform::PictureBox::mouseUp, &chart,
                     [this](int button, int, float x, float y) { crosshair->pricePaneMouseUp(button, x, y); });
    QObject::connect(w.priceRuler, &platform::PictureBox::mouseDown, &chart,
                     [this](int button, int, float, float y) { crosshair->priceRulerMouse(button, y); });
    QObject::connect(w.priceRuler, &platform::PictureBox::mouseMove, &chart,
                     [this](int button, int, float, float y) { crosshair->priceRulerMouse(button, y); });
    pane->setCursor(Qt::CrossCursor);
    chart.setFocusPolicy(Qt::ClickFocus);   // a click on any pane gives the chart the keys
}

REvuved::REvuved(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>(*this))
{
    ChartWidgets &w = d->widgets;
    ChartModel &model = d->model;
    starting_date_local = 1;
    ending_date_local = 200;
    model.switches() = DrawingSwitches{};
    model.overlays() = OverlayParameters{};
    isVerticalLineDisplayed = isHorizontalLineDisplayed = false;
    w.transactionList->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.transactionList->setAllColumnsShowFocus(true);
    buy_number = sell_number = 0;
    const platform::SettingsStore::Session store;   // one reading of the store for all of start-up
    applyStoredColours(w, ColourDefaults::StartUp, store);
    model.candleColours() = storedCandleColours(store);
    model.panes() = readStoredPaneSettings(store);
    fillIndicatorCombos(w, model.panes());
    d->connectControllers();
    d->announced = {model.range(), model.switches(), 0};
}

REvuved::~REvuved() = default;

void REvuved::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutChart(*this, d->widgets);
    d->redraw();
}

void REvuved::keyPressEvent(QKeyEvent *event)
{
    if (d->navigation->key(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void REvuved::Clear()
{
    ChartWidgets &w = d->widgets;
    w.pricePane->surface().clear();
    for (platform::PictureBox *ruler : w.indicatorRulers)
        ruler->surface().clear();
    w.priceRuler->surface().clear();
    w.dateRuler->surface().clear();
    isVerticalLineDisplayed = false;
    isHorizontalLineDisplayed = false;
    d->announceCrosshair(0);
}

void REvuved::GoBackward() { d->navigation->pageOlder(); }
void REvuved::GoForward() { d->navigation->pageNewer(); }
void REvuved::ZoomIn() { d->navigation->zoomIn(); }
void REvuved::ZoomOut() { d->navigation->zoomOut(); }
void REvuved::UpdateCaption(float &x) { d->crosshair->updateReadouts(x); }

void REvuved::SetColors()
{
    const platform::SettingsStore::Session store;
    applyStoredColours(d->widgets, ColourDefaults::SetColors, store);
    d->model.candleColours() = storedCandleColours(store);
}

QString REvuved::CompanyName() const { return d->widgets.dayReadout->text(); }
bool REvuved::MA10() const { return d->model.switches().ma10_flag; }
bool REvuved::MA50() const { return d->model.switches().ma50_flag; }
bool REvuved::MA200() const { return d->model.switches().ma200_flag; }
bool REvuved::MACustom() const { return d->model.switches().macustom_flag; }
int16_t REvuved::MaximumInput() const { return 0; }
void REvuved::setMaximumInput(int16_t) {}
int16_t REvuved::TechInd1() const { return d->model.panes()[0].indicator; }
int16_t REvuved::TechInd2() const { return d->model.panes()[1].indicator; }
int16_t REvuved::TechInd3() const { return d->model.panes()[2].indicator; }

const PriceHistory &REvuved::history() const { return d->model.history(); }

}   // namespace quotechart
