#pragma once
// The printed legend in the right margin: the company, the moving averages
// shown, and beside each indicator pane the series it draws.

#include "document/PaneSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct PageLayout;

struct LegendContent {
    QString company_name;
    bool ma10 = false, ma50 = false, ma200 = false, maCustom = false;
    int16_t custom_ma_period = 0;
    std::array<PaneSettings, PaneCount> panes;
};

// The legend's texts, in the order drawPaperLegend prints them.
QStringList legendTexts(const LegendContent &content);

// The legend's boxes start 450 twips left of the layout's right edge and its
// texts 350 twips left of it.
void drawPaperLegend(platform::SurfaceRegion &page, const PageLayout &layout, const LegendContent &content);

}   // namespace quotechart
