// REvuved's popup menu over the price pane: check marks from the flags, the
// toggles and their redraws, the two parameter dialogs, and "Time Range".

#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"
#include "controllers/ParameterDialogs.h"
#include "controllers/TimeRangeKey.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace quotechart {

void REvuved::connectPopupMenu()
{
    const PopupMenus &m = d->menus;
    DrawingSwitches &on = d->document.switches;
    const std::pair<QAction *, bool *> toggles[] = {
        {m.mnuPopupMA10Days, &on.ma10_flag},
        {m.mnuPopupMA50Days, &on.ma50_flag},
        {m.mnuPopupMA200Days, &on.ma200_flag},
        {m.mnuPriceIndicatorsBands, &on.bollinger_flag},
        {m.mnuPopupHighLowClose, &on.high_low_close_flag},
        {m.mnuGridSettingsVertical, &on.vertical_grid_flag},
        {m.mnuGridSettingsHorizontal, &on.horizontal_grid_flag},
        {m.mnuPopupHideChart, &on.hide_chart_flag},
    };
    for (const auto &[action, flag] : toggles)
        connect(action, &QAction::triggered, this, [this, flag = flag] { toggle(*flag); });
    connect(m.mnuPopupMACustom, &QAction::triggered, this, [this] { chooseCustomAverage(); });
    connect(m.mnuPriceIndicatorsEnvelopes, &QAction::triggered, this, [this] { chooseEnvelopes(); });
    connect(m.mnuPopupTimeRange, &QAction::triggered, this, [this] { sendTimeRangeKey(*this); });
    // At the pointer's last position over the pane: where the menu was opened.
    connect(m.mnuPopupRecordBuy, &QAction::triggered, this, [this] {
        float x = d->interaction.popup_x;
        RecordBuy(x);
    });
    connect(m.mnuPopupRecordSell, &QAction::triggered, this, [this] {
        float x = d->interaction.popup_x;
        RecordSell(x);
    });
}

void REvuved::openPopupMenu(float x, float y)
{
    const PopupMenus &m = d->menus;
    const DrawingSwitches &on = d->document.switches;
    m.mnuPopupHideChart->setChecked(on.hide_chart_flag);
    m.mnuPopupHighLowClose->setChecked(on.high_low_close_flag);
    m.mnuPopupMA10Days->setChecked(on.ma10_flag);
    m.mnuPopupMA50Days->setChecked(on.ma50_flag);
    m.mnuPopupMA200Days->setChecked(on.ma200_flag);
    m.mnuPopupMACustom->setChecked(on.macustom_flag);
    m.mnuPriceIndicatorsBands->setChecked(on.bollinger_flag);
    m.mnuPriceIndicatorsEnvelopes->setChecked(on.envelopes_flag);
    m.mnuGridSettingsHorizontal->setChecked(on.horizontal_grid_flag);
    m.mnuGridSettingsVertical->setChecked(on.vertical_grid_flag);
    platform::PictureBox *pane = d->widgets.Picture1;
    const platform::SurfaceRegion &surface = pane->surface();
    const QPoint at(int(x / surface.twipsPerPixelX()), int(y / surface.twipsPerPixelY()));
    m.mnuPopup->exec(pane->mapToGlobal(at));
}

void REvuved::toggle(bool &flag)
{
    flag = !flag;
    redraw();
}

// Switched on, the custom average asks for its period first; a cancelled
// dialog leaves it on with the period it had.
void REvuved::chooseCustomAverage()
{
    bool &on = d->document.switches.macustom_flag;
    if (!on) {
        on = true;
        const QPointer<REvuved> alive(this);
        askCustomMAPeriod(this, overlayParameters().custom_ma_period);
        if (!alive)
            return;   // closed while the dialog was open
    } else {
        on = false;
    }
    redraw();
}

void REvuved::chooseEnvelopes()
{
    bool &on = d->document.switches.envelopes_flag;
    if (!on) {
        OverlayParameters &p = overlayParameters();
        const QPointer<REvuved> alive(this);
        askEnvelopeSettings(this, p.envelope_period, p.envelope_percent);
        if (!alive)
            return;
        on = true;
    } else {
        on = false;
    }
    redraw();
}

}   // namespace quotechart
