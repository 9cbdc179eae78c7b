#pragma once
// The chart's colours, kept in the per-user settings store.

#include "document/CandleColours.h"
#include "platform/SettingsStore.h"

#include <QColor>

namespace quotechart {

struct ChartWidgets;

// Which defaults apply to keys that are not stored: start-up shows white
// panes; SetColors falls back to pale yellow panes and a light grey list.
enum class ColourDefaults { StartUp, SetColors };

// Reads the seven colour keys and gives the panes, rulers, labels and the
// transaction list their back and text colours. Draws nothing.
void applyStoredColours(ChartWidgets &widgets, ColourDefaults defaults,
                        const platform::SettingsStore::Session &store = {});

// The candlesticks' colours from the keys CandleRising and CandleFalling, the
// defaults of CandleColours where nothing usable is stored (at start-up and
// in SetColors alike).
CandleColours storedCandleColours(const platform::SettingsStore::Session &store = {});

// The colour of the indicator panes' margin strips: the rulers' stored
// colour, read afresh for every drawing, with a dark blue of its own when
// nothing is stored.
QColor marginStripColour();

}   // namespace quotechart
