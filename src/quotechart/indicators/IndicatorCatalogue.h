#pragma once
// The ten indicators, numbered 1 to 10 in the order the combo boxes list
// them: the name, the pane routine that draws it, and the periods it takes
// with the captions their fields show, and the series its pane draws as the
// printed legend names them. Drawing, the settings tab and printing all read
// this one table.

#include "indicators/PaneRoutines.h"
#include "document/PaneSettings.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>

namespace quotechart {

struct PeriodCaption {
    int16_t PaneSettings::*field = nullptr;
    const char *caption = nullptr;
};

// One series in the legend: its name, then its periods in parentheses (one,
// or two joined by " vs. "), or none.
struct SeriesLegend {
    const char *name = nullptr;
    QColor colour;
    std::array<int16_t PaneSettings::*, 2> periods{};

    QString text(const PaneSettings &settings) const;
};

struct IndicatorInfo {
    int16_t number;
    const char *name;
    PaneRoutine draw;
    std::array<PeriodCaption, 3> periods;   // the unused ones have no field
    std::array<SeriesLegend, 3> series;     // the unused ones have no name
};

extern const std::array<IndicatorInfo, 10> indicatorCatalogue;

// The indicator with that number, or none (0, negative, 11 and above).
const IndicatorInfo *findIndicator(int16_t number);

}   // namespace quotechart
