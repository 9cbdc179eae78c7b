#pragma once
// The popup menu over the price pane: its check marks from the drawing
// switches each time it opens, the switches it toggles (each followed by the
// window redraw), the custom average's and the envelopes' dialogs, "Time
// Range", and Record Buy and Record Sell at the pointer's last position.

#include "controllers/ChartActions.h"
#include "controllers/PopupMenu.h"

#include <QObject>

class QWidget;

namespace platform {
class PictureBox;
}

namespace quotechart {

class ChartModel;
class TransactionRecorder;
struct PointerPosition;

class PopupMenuController : public QObject {
public:
    // `chart` is the dialogs' parent and the window "Time Range" speaks to;
    // the chart may be closed while a dialog is open, which the controller
    // expects.
    PopupMenuController(ChartModel &model, const PopupMenus &menus, QWidget &chart, platform::PictureBox &pricePane,
                        TransactionRecorder &recorder, const PointerPosition &pointer, ChartActions actions);

    // Opens the menu at (x, y), twips of the price pane.
    void open(float x, float y);

private:
    void toggle(bool &flag);
    void chooseCustomAverage();
    void chooseEnvelopes();

    ChartModel &model_;
    const PopupMenus &menus_;
    QWidget &chart_;
    platform::PictureBox &pricePane_;
    ChartActions actions_;
};

}   // namespace quotechart
