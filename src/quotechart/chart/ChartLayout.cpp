#include "chart/ChartLayout.h"

#include "chart/ChartWidgets.h"
#include "platform/PictureBox.h"
#include "platform/Placement.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <numeric>

namespace quotechart {

namespace {

constexpr double RulerWidth = 650;
constexpr double PanelWidth = 2500;
constexpr double ReadOutHeight = 220;
constexpr double DateRulerHeight = 300;

// The list's stored column widths are relative: the columns share the
// list's inner width in these proportions.
void shareColumns(QTreeWidget &list)
{
    constexpr std::array<int, 4> Relative{344, 1191, 1535, 1085};
    const int total = std::accumulate(Relative.begin(), Relative.end(), 0);
    const int inner = std::max(0, list.width() - 2 * list.frameWidth());
    list.header()->setMinimumSectionSize(1);   // the first column is narrower than Qt's default minimum
    int given = 0;
    for (int column = 0; column < 3; ++column) {
        const int width = inner * Relative[std::size_t(column)] / total;
        list.setColumnWidth(column, width);
        given += width;
    }
    list.setColumnWidth(3, inner - given);
}

// Tab contents are positioned as if from the tab container's top-left corner;
// Qt's pages start below the tab bar, so positions move up by its height.
double tabContentOffset(const QTabWidget &tabs) { return platform::pixelsToTwipsY(tabs.tabBar()->sizeHint().height()); }

void layOutSidePanel(ChartWidgets &w, double W, double H)
{
    platform::placeChild(*w.sidePanel, W - PanelWidth, 0, PanelWidth, H);
    const double offset = tabContentOffset(*w.sidePanel);

    w.sidePanel->setCurrentIndex(1);
    platform::placeChild(*w.transactionList, 30, 345 - offset, 2415, H - 1475);
    shareColumns(*w.transactionList);
    platform::setChildTop(*w.sumGainLabel, H - 900 - offset);
    platform::setChildTop(*w.cumGainLabel, H - 500 - offset);

    w.sidePanel->setCurrentIndex(0);
    platform::placeChild(*w.indicatorsFrame, 100, 400 - offset, 2300, H - 500);
    platform::setChildTop(*w.applyButton, H - 1000);
    w.sidePanel->setCurrentIndex(0);
}

void place(QWidget &child, const QRectF &twips)
{
    platform::placeChild(child, twips.x(), twips.y(), twips.width(), twips.height());
}

void layOutPanes(ChartWidgets &w, double W, double H)
{
    const PaneGeometry g = paneGeometry(W, H);
    place(*w.dayReadout, g.dayReadout);
    place(*w.changeReadout, g.changeReadout);
    place(*w.pricePane, g.pricePane);
    for (int k = 0; k < PaneCount; ++k)
        place(*w.indicatorPanes[k], g.indicatorPanes[k]);
    place(*w.priceRuler, g.priceRuler);
    place(*w.dateRuler, g.dateRuler);
    place(*w.newerArrow, g.newerArrow);
    place(*w.olderArrow, g.olderArrow);
    for (int k = 0; k < PaneCount; ++k)
        place(*w.indicatorRulers[k], g.indicatorRulers[k]);
}

}   // namespace

PaneGeometry paneGeometry(double W, double H)
{
    const double paneWidth = W - 3250;
    PaneGeometry g;
    g.dayReadout = QRectF(0, 0, W - 5000, ReadOutHeight);
    g.changeReadout = QRectF(W - 5000, 0, 2400, ReadOutHeight);
    g.pricePane = QRectF(RulerWidth, ReadOutHeight, paneWidth, 2 * H / 3 - 520);
    g.priceRuler = QRectF(0, ReadOutHeight, RulerWidth, 2 * H / 3 - 520);
    g.dateRuler = QRectF(RulerWidth, 2 * H / 3 - DateRulerHeight, paneWidth, DateRulerHeight);
    g.newerArrow = QRectF(326, 2 * H / 3 - DateRulerHeight, 320, DateRulerHeight);
    g.olderArrow = QRectF(0, 2 * H / 3 - DateRulerHeight, 325, DateRulerHeight);
    for (int k = 0; k < PaneCount; ++k) {
        g.indicatorPanes[std::size_t(k)] = QRectF(RulerWidth, (6 + k) * H / 9, paneWidth, H / 9);
        g.indicatorRulers[std::size_t(k)] = QRectF(0, (6 + k) * H / 9, RulerWidth, H / 9);
    }
    return g;
}

void layOutChart(const QWidget &chart, ChartWidgets &w)
{
    const double W = platform::pixelsToTwipsX(chart.width());
    const double H = platform::pixelsToTwipsY(chart.height());
    layOutSidePanel(w, W, H);
    layOutPanes(w, W, H);
}

}   // namespace quotechart
