#pragma once
// The chart's private state, apart from its public variables and its child
// widgets.

#include "indicators/PaneSettings.h"
#include "transactions/TransactionTables.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quotechart {

// Switches of the price pane, toggled by the popup menu.
struct DrawingSwitches {
    bool ma10_flag = true;
    bool ma50_flag = true;
    bool ma200_flag = true;
    bool macustom_flag = false;
    bool envelopes_flag = false;
    bool bollinger_flag = false;
    bool vertical_grid_flag = true;
    bool horizontal_grid_flag = true;
    bool high_low_close_flag = true;
    bool hide_chart_flag = false;
};

// The price pane's scales, fixed by the price ruler and the chart drawing.
struct PriceScale {
    float price_tick = 0;
    float ruler_low_ticks = 0;
    float ruler_high_ticks = 0;
    float price_scale = 0;   // vertical twips per price unit
    float day_width = 0;     // horizontal twips per day slot
};

struct ChartState {
    DrawingSwitches switches;
    PriceScale scale;
    std::array<PaneSettings, PaneCount> pane_settings;
    QString company_name;
    float popup_x = 0;
    float popup_y = 0;
    bool combo_setup_done = false;
    TransactionTables transactions;
};

} // namespace quotechart
