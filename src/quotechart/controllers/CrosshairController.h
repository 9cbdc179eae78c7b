#pragma once
// Mouse tracking over the price pane: a left press or drag draws the
// vertical line across the price pane, the indicator panes and the date
// ruler and fills the two read-outs for the day under the pointer; a left
// press or drag on the price ruler draws the dashed horizontal line across
// the price pane; a right release moves the vertical line there and opens
// the popup menu. Every move remembers the pointer's position, which the
// popup menu's Record Buy and Record Sell use. A host can put the vertical
// line on a day as the pointer would (to follow another chart's crosshair).

#include "controllers/CaptionText.h"
#include "render/Crosshair.h"

#include <QColor>

#include <array>
#include <functional>

class QLabel;

namespace platform {
class PictureBox;
}

namespace quotechart {

class ChartModel;

// REvuved's public variables of the crosshair.
struct CrosshairVariables {
    float &OldVerticalLineX;
    float &OldHorizontalLineY;
    bool &isVerticalLineDisplayed;
    bool &isHorizontalLineDisplayed;
};

// What the crosshair draws on and shows in.
struct CrosshairTargets {
    platform::PictureBox &pricePane;
    std::array<platform::PictureBox *, 3> indicatorPanes;
    platform::PictureBox &dateRuler;
    QLabel &dayReadout;
    QLabel &changeReadout;
};

// The pointer's last position over the price pane, in twips.
struct PointerPosition {
    float popup_x = 0;
    float popup_y = 0;
};

class CrosshairController {
public:
    using MenuOpener = std::function<void(float x, float y)>;
    // Told the loaded day under the vertical line each time it is drawn (0
    // for none) and 0 when it is hidden.
    using MovedNotice = std::function<void(int day)>;
    CrosshairController(ChartModel &model, CrosshairVariables variables, CrosshairTargets targets, MenuOpener openMenu,
                        MovedNotice moved);

    // Picture box events, with the old framework's button codes.
    void pricePaneMouseDown(int button, float x, float y);
    void pricePaneMouseMove(int button, float x, float y);
    void pricePaneMouseUp(int button, float x, float y);
    void priceRulerMouse(int button, float y);
    // Fills the read-outs for the day under x.
    void updateReadouts(float x);
    // The vertical line at day k of the price pane and the read-outs for it,
    // as a left press there would draw them; 0 takes the line away.
    void showAt(int day);

    const PointerPosition &pointer() const { return pointer_; }

private:
    VerticalLineSurfaces verticalLineSurfaces();
    void drawVerticalLine(float x);
    int loadedDayUnder(float x);
    void setChangeColour(const QColor &colour);

    ChartModel &model_;
    CrosshairVariables variables_;
    CrosshairTargets targets_;
    MenuOpener openMenu_;
    MovedNotice moved_;
    PointerPosition pointer_;
    ShownCompanyName shownCompany_;
};

}   // namespace quotechart
