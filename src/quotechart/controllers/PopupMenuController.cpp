#include "controllers/PopupMenuController.h"

#include "controllers/CrosshairController.h"
#include "controllers/ParameterDialogs.h"
#include "controllers/TimeRangeKey.h"
#include "controllers/TransactionRecorder.h"
#include "document/ChartModel.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace quotechart {

PopupMenuController::PopupMenuController(ChartModel &model, const PopupMenus &menus, QWidget &chart,
                                         platform::PictureBox &pricePane, TransactionRecorder &recorder,
                                         const PointerPosition &pointer, ChartActions actions)
    : model_(model), menus_(menus), chart_(chart), pricePane_(pricePane), actions_(std::move(actions))
{
    DrawingSwitches &on = model_.switches();
    const std::pair<QAction *, bool *> toggles[] = {
        {menus.ma10Days, &on.ma10_flag},
        {menus.ma50Days, &on.ma50_flag},
        {menus.ma200Days, &on.ma200_flag},
        {menus.bollingerBands, &on.bollinger_flag},
        {menus.highLowClose, &on.high_low_close_flag},
        {menus.verticalGrid, &on.vertical_grid_flag},
        {menus.horizontalGrid, &on.horizontal_grid_flag},
        {menus.hideChart, &on.hide_chart_flag},
    };
    for (const auto &[action, flag] : toggles)
        connect(action, &QAction::triggered, this, [this, flag = flag] { toggle(*flag); });
    connect(menus.customAverage, &QAction::triggered, this, [this] { chooseCustomAverage(); });
    connect(menus.envelopes, &QAction::triggered, this, [this] { chooseEnvelopes(); });
    connect(menus.timeRange, &QAction::triggered, this, [this] {
        sendTimeRangeKey(chart_);
        if (actions_.timeRangeRequested)
            actions_.timeRangeRequested();
    });
    // At the pointer's last position over the pane: where the menu was opened.
    connect(menus.recordBuy, &QAction::triggered, this, [&recorder, &pointer] { recorder.recordBuy(pointer.popup_x); });
    connect(menus.recordSell, &QAction::triggered, this,
            [&recorder, &pointer] { recorder.recordSell(pointer.popup_x); });
}

void PopupMenuController::open(float x, float y)
{
    const DrawingSwitches &on = model_.switches();
    menus_.hideChart->setChecked(on.hide_chart_flag);
    menus_.highLowClose->setChecked(on.high_low_close_flag);
    menus_.ma10Days->setChecked(on.ma10_flag);
    menus_.ma50Days->setChecked(on.ma50_flag);
    menus_.ma200Days->setChecked(on.ma200_flag);
    menus_.customAverage->setChecked(on.macustom_flag);
    menus_.bollingerBands->setChecked(on.bollinger_flag);
    menus_.envelopes->setChecked(on.envelopes_flag);
    menus_.horizontalGrid->setChecked(on.horizontal_grid_flag);
    menus_.verticalGrid->setChecked(on.vertical_grid_flag);
    const platform::SurfaceRegion &surface = pricePane_.surface();
    const QPoint at(int(x / surface.twipsPerPixelX()), int(y / surface.twipsPerPixelY()));
    menus_.chartMenu->exec(pricePane_.mapToGlobal(at));
}

void PopupMenuController::toggle(bool &flag)
{
    flag = !flag;
    actions_.redraw();
}

// Switched on, the custom average asks for its period first; a cancelled
// dialog leaves it on with the period it had.
void PopupMenuController::chooseCustomAverage()
{
    bool &on = model_.switches().macustom_flag;
    if (!on) {
        on = true;
        const QPointer<QWidget> alive(&chart_);
        askCustomMAPeriod(&chart_, model_.overlays().custom_ma_period);
        if (!alive)
            return;   // closed while the dialog was open
    } else {
        on = false;
    }
    actions_.redraw();
}

void PopupMenuController::chooseEnvelopes()
{
    bool &on = model_.switches().envelopes_flag;
    if (!on) {
        OverlayParameters &p = model_.overlays();
        const QPointer<QWidget> alive(&chart_);
        askEnvelopeSettings(&chart_, p.envelope_period, p.envelope_percent);
        if (!alive)
            return;
        on = true;
    } else {
        on = false;
    }
    actions_.redraw();
}

}   // namespace quotechart
