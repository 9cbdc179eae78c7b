#pragma once
// The ten indicators, numbered 1 to 10 in the order the combo boxes list
// them: the name, the pane routine that draws it, and the periods it takes
// with the captions their fields show. Drawing, the settings tab and printing
// all read this one table.

#include "indicators/PaneRoutines.h"
#include "indicators/calc/PaneSettings.h"

#include <array>
#include <cstdint>

namespace quotechart {

struct PeriodCaption {
    int16_t PaneSettings::*field = nullptr;
    const char *caption = nullptr;
};

struct IndicatorInfo {
    int16_t number;
    const char *name;
    PaneRoutine draw;
    std::array<PeriodCaption, 3> periods;   // the unused ones have no field
};

extern const std::array<IndicatorInfo, 10> indicatorCatalogue;

// The indicator with that number, or none (0, negative, 11 and above).
const IndicatorInfo *findIndicator(int16_t number);

}   // namespace quotechart
