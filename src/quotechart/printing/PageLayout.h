#pragma once
// Where the parts of the printed chart sit on a page W x H twips wide: a
// frame with a grey band on its left for the value labels, the price area on
// top, a grey separator band, and the three indicator panes below; the right
// margin holds the legend.

#include <QRectF>

#include <array>

namespace quotechart {

struct PageLayout {
    double W = 0, H = 0;
    double R = 0;   // W - 750, rounded
    double B = 0;   // H - 200, rounded

    static constexpr double FrameLeft = 100, FrameTop = 100, BandRight = 250;

    double frameRight() const { return W - 500; }
    double frameBottom() const { return H - 100; }
    double priceBottom() const { return 2 * B / 3; }
    // The price area and the three panes, in page twips.
    QRectF priceArea() const;
    std::array<QRectF, 3> panes() const;
    // The left band beside pane k, where its scale labels go.
    QRectF paneBand(int k) const;
};

PageLayout pageLayout(double W, double H);

}   // namespace quotechart
