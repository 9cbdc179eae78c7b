#pragma once
// Moving the visible window: paging and zoom (the host's calls, the keys,
// the wheel over the price pane) and the day-stepping arrows left of the
// date ruler, which repeat while held. Every move ends with the window
// redraw; a five-day step that would leave the history draws nothing.

#include "controllers/ChartActions.h"
#include "document/VisibleRange.h"

#include <QObject>

#include <optional>

class QLabel;
class QTimer;

namespace quotechart {

class ChartModel;

struct NavigationWidgets {
    QLabel &newerArrow;    // ">>"
    QLabel &olderArrow;    // "<<"
    QTimer &newerRepeat;   // steps newer while ">>" is held
    QTimer &olderRepeat;
    QWidget &pricePane;   // turns of the wheel over it zoom
};

class NavigationController : public QObject {
public:
    NavigationController(ChartModel &model, NavigationWidgets widgets, ChartActions actions);

    // One window width toward older (newer) days, 30 % narrower keeping the
    // newest day, or its width wider on each side; redrawn in every case.
    void pageOlder();
    void pageNewer();
    void zoomIn();
    void zoomOut();
    // Five days older (newer); false, and nothing drawn, when that would
    // leave the history.
    bool stepOlder();
    bool stepNewer();
    // The keys the chart takes: Left, Right, Page Up, Page Down, +, =, -,
    // and Escape (taken, and nothing done). False for any other key.
    bool key(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveBy(VisibleRange (*change)(VisibleRange, int16_t));
    bool takeStep(const std::optional<VisibleRange> &moved);
    void zoomByWheel(int angleDelta);
    bool arrowEvent(QLabel &arrow, QTimer &repeat, bool newer, QEvent *event);

    ChartModel &model_;
    NavigationWidgets widgets_;
    ChartActions actions_;
    int wheelAngle_ = 0;   // eighths of a degree turned since the last zoom step
};

}   // namespace quotechart
