#pragma once
// What the chart remembers of the user's interaction, which no file saves
// and no printout shows: where the popup menu was opened and whether the
// indicator combos are set up. The crosshair's position and visibility are
// public variables of REvuved.

#include "document/PaneSettings.h"

#include <array>

namespace quotechart {

struct InteractionState {
    float popup_x = 0;   // twips in the price pane
    float popup_y = 0;
    bool combo_setup_done = false;
    int wheel_angle = 0;   // eighths of a degree turned since the last zoom step
    // A combo whose index change was handled in this turn of the event loop:
    // the user's choice that changed it announces itself once more.
    std::array<bool, PaneCount> selectionHandled{};
};

}   // namespace quotechart
