#pragma once
// The chart's colours, kept in the per-user settings store.

namespace quotechart {

struct ChartWidgets;

// Which defaults apply to keys that are not stored: start-up shows white
// panes; SetColors falls back to pale yellow panes and a light grey list.
enum class ColourDefaults { StartUp, SetColors };

// Reads the seven colour keys and gives the panes, rulers, labels and the
// transaction list their back and text colours. Draws nothing.
void applyStoredColours(ChartWidgets &widgets, ColourDefaults defaults);

} // namespace quotechart
