#include "printing/PageLayout.h"

#include "platform/Rounding.h"

namespace quotechart {

PageLayout pageLayout(double W, double H)
{
    PageLayout page;
    page.W = W;
    page.H = H;
    page.R = platform::roundHalfEven(W - 750);
    page.B = platform::roundHalfEven(H - 200);
    return page;
}

QRectF PageLayout::priceArea() const
{
    return QRectF(QPointF(BandRight, FrameTop), QPointF(frameRight(), priceBottom()));
}

std::array<QRectF, 3> PageLayout::panes() const
{
    const double edges[4] = {2 * B / 3 + 100, 7 * B / 9 + 100, 8 * B / 9 + 100, B + 100};
    std::array<QRectF, 3> result;
    for (int k = 0; k < 3; ++k)
        result[k] = QRectF(QPointF(BandRight, edges[k]), QPointF(frameRight(), edges[k + 1]));
    return result;
}

QRectF PageLayout::paneBand(int k) const
{
    const QRectF pane = panes()[std::size_t(k)];
    return QRectF(QPointF(FrameLeft, pane.top()), QPointF(BandRight, pane.bottom()));
}

}   // namespace quotechart
