#pragma once
// A chart of the bench history at a given size, loaded, with every overlay
// of the price pane switched on (the most work a redraw can have).

#include "BenchHistory.h"
#include "TestAccess.h"

#include <quotechart/REvuved.h>

#include <memory>

inline std::unique_ptr<quotechart::REvuved> benchChart(const BenchHistory &history, int width, int height)
{
    quotechart::setApplicationPath(history.path());
    auto chart = std::make_unique<quotechart::REvuved>();
    chart->resize(width, height);
    chart->show();
    QString ticker = BenchHistory::ticker();
    bool today = false;
    chart->ReadDataFile(ticker, today);
    auto &on = quotechart::TestAccess::document(*chart).switches;
    on.ma10_flag = on.ma50_flag = on.ma200_flag = on.macustom_flag = on.envelopes_flag = on.bollinger_flag = true;
    return chart;
}
