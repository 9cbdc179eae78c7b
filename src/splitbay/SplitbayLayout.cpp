// The pane's layout pass: configure the bar, keep the minimum size, place the
// bar along the inner edge, store the free area, raise OnResize. A step that
// fails is skipped and the rest still run; the host never sees an error.

#include "SplitbayPrivate.h"

#include "MDICtl1.h"
#include "PaneExtent.h"
#include "PaneLayout.h"
#include "Screen.h"

#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <algorithm>

namespace splitbay6 {

namespace {

constexpr double BarPixels = 4;

std::optional<int32_t> pixelsX(double twips) { return platform::toInt32(platform::twipsToPixelsX(twips)); }
std::optional<int32_t> pixelsY(double twips) { return platform::toInt32(platform::twipsToPixelsY(twips)); }

// The bar's placement, one property at a time, in twips.
void setLeft(QWidget &bar, double twips)
{
    if (const auto x = pixelsX(twips))
        bar.move(*x, bar.y());
}

void setTop(QWidget &bar, double twips)
{
    if (const auto y = pixelsY(twips))
        bar.move(bar.x(), *y);
}

void setWidth(QWidget &bar, double twips)
{
    if (const auto w = pixelsX(twips); w && *w >= 0)
        bar.resize(*w, bar.height());
}

void setHeight(QWidget &bar, double twips)
{
    if (const auto h = pixelsY(twips); h && *h >= 0)
        bar.resize(bar.width(), *h);
}

}   // namespace

void SplitbayCtl::Private::runLayout()
{
    // The layout's own resize (the minimum size) is not laid out twice: the
    // pass in progress reads the new size.
    if (inLayout)
        return;
    inLayout = true;
    configureBar();
    if (isDockEdge(alignment)) {
        enforceMinimumSize();
        placeBar();
        storeFreeArea();
    }
    inLayout = false;
    ++layoutCount;
    emit q.OnResize();
}

void SplitbayCtl::Private::configureBar()
{
    MDICtl->setMin(Min);
    MDICtl->setMax(Max);
    MDICtl->setAlignMDI(alignment);
    MDICtl->setHWndPrimary(screen->handleOf(&q));
    // Without a document area the drag is limited by the whole container.
    const WindowHandle container = screen->handleOf(q.parentWidget());
    const WindowHandle client = screen->documentArea(container);
    MDICtl->setHWndSecondary(client.isNull() ? container : client);
}

void SplitbayCtl::Private::enforceMinimumSize()
{
    // The growth stops at the container: a huge Min would otherwise ask for a
    // backing store of gigabytes. Min itself keeps the value set.
    const bool vertical = sizedVertically(alignment);
    const double pixels = std::min(double(Min) + BarPixels, double(largestPaneExtent(q, vertical)));
    if (vertical) {
        const double minimum = platform::pixelsToTwipsY(pixels);
        if (heightTwips() < minimum)
            setHeightTwips(minimum);
    } else {
        const double minimum = platform::pixelsToTwipsX(pixels);
        if (widthTwips() < minimum)
            setWidthTwips(minimum);
    }
}

bool SplitbayCtl::Private::setHeightTwips(double twips)
{
    const auto h = pixelsY(twips);
    if (!h || *h < 0)
        return false;
    q.resize(q.width(), *h);
    return true;
}

bool SplitbayCtl::Private::setWidthTwips(double twips)
{
    const auto w = pixelsX(twips);
    if (!w || *w < 0)
        return false;
    q.resize(*w, q.height());
    return true;
}

void SplitbayCtl::Private::placeBar()
{
    const ScaleRect pane{0, 0, widthTwips(), heightTwips()};
    const double thickness = platform::pixelsToTwipsX(BarPixels);   // horizontal factor for both
    const auto along = barAlong(alignment, pane);
    if (!along)
        return;
    QWidget &bar = *MDICtl;
    if (sizedVertically(alignment)) {
        setLeft(bar, along->start);
        setWidth(bar, along->length);
        setHeight(bar, thickness);
        if (const auto top = barAcross(alignment, pane, platform::pixelsToTwipsY(bar.height())))
            setTop(bar, *top);
    } else {
        setWidth(bar, thickness);
        if (const auto left = barAcross(alignment, pane, platform::pixelsToTwipsX(bar.width())))
            setLeft(bar, *left);
        setHeight(bar, along->length);
        setTop(bar, along->start);
    }
    bar.show();
    MDICtl->setOrientation(sizedVertically(alignment) ? 0 : 1);
}

void SplitbayCtl::Private::storeFreeArea()
{
    const ScaleRect pane{0, 0, widthTwips(), heightTwips()};
    const auto area = freeAreaFor(alignment, pane, platform::pixelsToTwipsX(MDICtl->width()),
                                  platform::pixelsToTwipsY(MDICtl->height()));
    if (!area)
        return;
    const auto store = [this](float &property, double value, const QString &name) {
        if (const auto single = platform::toSingle(value)) {
            property = *single;
            emit q.propertyChanged(name);
        }
    };
    store(ScaleHeight, area->ScaleHeight, QStringLiteral("ScaleHeight"));
    store(ScaleLeft, area->ScaleLeft, QStringLiteral("ScaleLeft"));
    store(ScaleTop, area->ScaleTop, QStringLiteral("ScaleTop"));
    store(ScaleWidth, area->ScaleWidth, QStringLiteral("ScaleWidth"));
}

}   // namespace splitbay6
