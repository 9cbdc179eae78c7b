#pragma once
// What the chart remembers of the user's interaction, which no file saves
// and no printout shows: where the popup menu was opened and whether the
// indicator combos are set up. The crosshair's position and visibility are
// public variables of REvuved.

namespace quotechart {

struct InteractionState {
    float popup_x = 0;   // twips in the price pane
    float popup_y = 0;
    bool combo_setup_done = false;
    int wheel_angle = 0;   // eighths of a degree turned since the last zoom step
};

}   // namespace quotechart
