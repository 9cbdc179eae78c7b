// REvuved: start-up, layout on resize, the redraw sequence and the small
// property accessors. The drawing and the file work live in their folders.

#include "quotechart/REvuved.h"

#include "chart/ChartColors.h"
#include "chart/ChartLayout.h"
#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"
#include "chart/StoredPaneSettings.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

namespace quotechart {

namespace {

void fillIndicatorCombos(ChartWidgets &w, const std::array<PaneSettings, PaneCount> &panes)
{
    for (int k = 0; k < PaneCount; ++k) {
        QComboBox *combo = w.Combo[k];
        for (const IndicatorInfo &indicator : indicatorCatalogue)
            combo->addItem(QLatin1String(indicator.name));
        combo->setCurrentIndex(-1);   // no selection unless a valid indicator is stored
        if (findIndicator(panes[k].indicator))
            combo->setCurrentIndex(panes[k].indicator - 1);
    }
}

}   // namespace

REvuved::REvuved(QWidget *parent) : QWidget(parent), d(std::make_unique<Private>())
{
    d->widgets = createChartWidgets(*this);
    ChartWidgets &w = d->widgets;

    starting_date_local = 1;
    ending_date_local = 200;
    d->interaction.combo_setup_done = false;
    d->document.switches = DrawingSwitches{};
    overlayParameters() = OverlayParameters{};
    isVerticalLineDisplayed = isHorizontalLineDisplayed = false;
    w.ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.ListView1->setAllColumnsShowFocus(true);
    buy_number = sell_number = 0;
    const platform::SettingsStore::Session store;   // one reading of the store for all of start-up
    applyStoredColours(w, ColourDefaults::StartUp, store);
    d->document.pane_settings = readStoredPaneSettings(store);
    fillIndicatorCombos(w, d->document.pane_settings);
    connectInteraction();
    connectSettingsTab();
}

REvuved::~REvuved() = default;

void REvuved::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutChildren();
    redraw();
}

void REvuved::layOutChildren() { layOutChart(*this, d->widgets); }

// The window redraw. Each step runs even when an earlier one failed; a
// failure is the host's to see only when it calls the step itself.
void REvuved::redraw()
{
    Clear();
    const auto step = [](auto &&draw) {
        try {
            draw();
        } catch (const ControlError &) {
        }
    };
    step([this] { DrawPriceRuler(starting_date_local, ending_date_local); });
    step([this] { DrawDateRuler(starting_date_local, ending_date_local); });
    step([this] { DisplayChart(starting_date_local, ending_date_local); });
    auto &panes = d->document.pane_settings;
    DisplayTechnicalIndicators(panes[0].indicator, panes[1].indicator, panes[2].indicator);
}

void REvuved::Clear()
{
    ChartWidgets &w = d->widgets;
    w.Picture1->surface().clear();
    for (platform::PictureBox *ruler : w.techRulers)
        ruler->surface().clear();
    w.PriceRuler->surface().clear();
    w.DateRuler->surface().clear();
    isVerticalLineDisplayed = false;
    isHorizontalLineDisplayed = false;
}

void REvuved::SetColors() { applyStoredColours(d->widgets, ColourDefaults::SetColors); }

QString REvuved::CompanyName() const { return d->widgets.CaptionLabel->text(); }
bool REvuved::MA10() const { return d->document.switches.ma10_flag; }
bool REvuved::MA50() const { return d->document.switches.ma50_flag; }
bool REvuved::MA200() const { return d->document.switches.ma200_flag; }
bool REvuved::MACustom() const { return d->document.switches.macustom_flag; }
int16_t REvuved::MaximumInput() const { return 0; }
void REvuved::setMaximumInput(int16_t) {}
int16_t REvuved::TechInd1() const { return d->document.pane_settings[0].indicator; }
int16_t REvuved::TechInd2() const { return d->document.pane_settings[1].indicator; }
int16_t REvuved::TechInd3() const { return d->document.pane_settings[2].indicator; }

const PriceHistory &REvuved::history() const { return *d->history; }

}   // namespace quotechart
