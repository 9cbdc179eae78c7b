#pragma once
// The chart's document: what a chart file saves and the printer reads. Part
// of it is REvuved's public variables (the ticker, the visible range, the
// transaction counts); the rest the chart keeps behind its interface as a
// DocumentState. ChartDocument puts both together as one value, so writers
// and the printer work on it without widgets.

#include "document/PaneSettings.h"
#include "document/PriceStyle.h"
#include "document/TransactionTables.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quotechart {

// Switches of the price pane, toggled by the popup menu (the style and the
// logarithmic scale by the host alone).
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
    PriceStyle price_style = PriceStyle::HighLowClose;
    bool logarithmic_scale_flag = false;
};

// The document's private part.
struct DocumentState {
    DrawingSwitches switches;
    std::array<PaneSettings, PaneCount> pane_settings;
    TransactionTables transactions;
    QString company_name;
};

struct ChartDocument {
    QString ticker_name;
    int16_t starting_date_local = 1;   // newest visible day
    int16_t ending_date_local = 200;   // oldest visible day
    int16_t buy_number = 0;
    int16_t sell_number = 0;
    DocumentState state;
};

}   // namespace quotechart
