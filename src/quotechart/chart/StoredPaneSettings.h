#pragma once
// The indicator panes' settings as the settings store keeps them: Tech1..Tech3
// for the indicators, and every period key with the pane number appended.

#include "document/PaneSettings.h"
#include "platform/SettingsStore.h"

#include <array>

namespace quotechart {

// Values that are missing, not numbers or out of the 16-bit range get the
// field's default, so start-up always completes.
std::array<PaneSettings, PaneCount> readStoredPaneSettings(const platform::SettingsStore::Session &store = {});

}   // namespace quotechart
