#pragma once
// Placing the chart's children for its current size.

#include "document/PaneSettings.h"

#include <QRectF>

#include <array>

class QWidget;

namespace quotechart {

struct ChartWidgets;

// Where the panes, rulers and read-outs stand in a chart of W x H twips, in
// twips from its top-left corner (the side panel aside).
struct PaneGeometry {
    QRectF dayReadout, changeReadout;
    QRectF pricePane, priceRuler, dateRuler;
    QRectF newerArrow, olderArrow;
    std::array<QRectF, PaneCount> indicatorPanes, indicatorRulers;
};
PaneGeometry paneGeometry(double W, double H);

// Rulers take the left 650 twips, the side panel the right 2500 (plus a
// 100-twip gap), the price pane the upper two thirds below a 220-twip read-out
// strip and above the 300-twip date ruler, and the three indicator panes a
// ninth of the height each. A placement that cannot be made (a negative size
// on a small control) is skipped and the rest still happens.
void layOutChart(const QWidget &chart, ChartWidgets &widgets);

}   // namespace quotechart
