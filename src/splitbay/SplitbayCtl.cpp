#include "SplitbayPrivate.h"

#include "CloseBox.h"
#include "DockEdge.h"
#include "EdgeDock.h"
#include "MDICtl1.h"
#include "PaneExtent.h"
#include "PropertyRules.h"
#include "Screen.h"

#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace splitbay6 {

namespace {

const QString ScaleLeftName = QStringLiteral("ScaleLeft");
const QString ScaleHeightName = QStringLiteral("ScaleHeight");
const QString ScaleWidthName = QStringLiteral("ScaleWidth");
const QString ScaleTopName = QStringLiteral("ScaleTop");
const QString MinName = QStringLiteral("Min");
const QString MaxName = QStringLiteral("Max");
constexpr float DefaultLimit = 10;

// The document area's rectangle when a drag began: one value for all panes
// of the thread, so a drag in one pane replaces what another saved.
ScreenRect &savedMDIClientRect()
{
    static thread_local ScreenRect rect;
    return rect;
}

int pixelsOr(std::optional<int32_t> value, int fallback) { return value ? int(*value) : fallback; }

}   // namespace

SplitbayCtl::Private::Private(SplitbayCtl &pane, std::shared_ptr<Screen> given)
    : q(pane), screen(given ? std::move(given) : defaultScreen())
{}

SplitbayCtl::SplitbayCtl(QWidget *parent) : SplitbayCtl(nullptr, parent) {}

SplitbayCtl::SplitbayCtl(std::shared_ptr<Screen> screen, QWidget *parent)
    : QWidget(parent), d(std::make_unique<Private>(*this, std::move(screen)))
{
    setAutoFillBackground(true);
    setMouseTracking(true);   // the close box lights up under the pointer
    MDICtl1 *bar = new MDICtl1(d->screen, this);
    d->MDICtl = bar;
    bar->hide();   // the layout shows it once the pane is docked
    connect(bar, &MDICtl1::OnSplitterBegin, this, [this] { d->onSplitterBegin(); });
    connect(bar, &MDICtl1::OnSplitterEnd, this, [this](float newPos) { d->onSplitterEnd(newPos); });
    connect(bar, &MDICtl1::OnLostCapture, bar, &MDICtl1::CancelSplit);
    // The pointer is on the bar, so not on the close box.
    connect(bar, &MDICtl1::MouseMove, this, [this] { d->setCloseBoxHot(false); });
}

SplitbayCtl::~SplitbayCtl() = default;

float SplitbayCtl::ScaleLeft() const { return d->ScaleLeft; }
float SplitbayCtl::ScaleHeight() const { return d->ScaleHeight; }
float SplitbayCtl::ScaleWidth() const { return d->ScaleWidth; }
float SplitbayCtl::ScaleTop() const { return d->ScaleTop; }
float SplitbayCtl::Min() const { return d->Min; }
float SplitbayCtl::Max() const { return d->Max; }
SplitbayCtl::Alignment SplitbayCtl::alignment() const { return d->alignment; }
bool SplitbayCtl::designMode() const { return d->designMode; }

void SplitbayCtl::setScaleLeft(float) { refuseReadOnlySet(d->designMode); }
void SplitbayCtl::setScaleHeight(float) { refuseReadOnlySet(d->designMode); }
void SplitbayCtl::setScaleWidth(float) { refuseReadOnlySet(d->designMode); }
void SplitbayCtl::setScaleTop(float) { refuseReadOnlySet(d->designMode); }

void SplitbayCtl::setMin(float value)
{
    if (requireFinite(value) == d->Min)
        return;
    d->Min = value;
    emit propertyChanged(MinName);
    d->MDICtl->setMin(value);
    emit minChanged(value);
}

void SplitbayCtl::setMax(float value)
{
    if (requireFinite(value) == d->Max)
        return;
    d->Max = value;
    emit propertyChanged(MaxName);
    d->MDICtl->setMax(value);
    emit maxChanged(value);
}

// The meta-object's writers: an exception must not cross Qt's calls (a
// binding, Designer's property editor), so a value the setters would refuse
// leaves the property as it is.
void SplitbayCtl::setMinByName(double value)
{
    if (const auto single = platform::toSingle(value))
        setMin(*single);
}

void SplitbayCtl::setMaxByName(double value)
{
    if (const auto single = platform::toSingle(value))
        setMax(*single);
}

void SplitbayCtl::setAlignment(int16_t alignment)
{
    // Any number is kept: one that is no edge undocks the pane.
    d->alignment = Alignment(alignment);
    const int layoutsBefore = d->layoutCount;
    EdgeDock::dock(*this);
    // Docking may have resized the pane, which ran the layout already.
    if (d->layoutCount == layoutsBefore)
        d->runLayout();
}

void SplitbayCtl::setAlignment(Alignment alignment) { setAlignment(int16_t(alignment)); }

void SplitbayCtl::setDesignMode(bool on)
{
    d->designMode = on;
    d->MDICtl->setDesignMode(on);
}

void SplitbayCtl::loadProperties(const PropertyBag &bag)
{
    const float oldMin = d->Min, oldMax = d->Max;
    d->ScaleLeft = readSingle(bag, ScaleLeftName, 0);
    d->ScaleHeight = readSingle(bag, ScaleHeightName, 0);
    d->ScaleWidth = readSingle(bag, ScaleWidthName, 0);
    d->ScaleTop = readSingle(bag, ScaleTopName, 0);
    d->Min = readSingle(bag, MinName, DefaultLimit);
    d->Max = readSingle(bag, MaxName, DefaultLimit);
    d->runLayout();
    if (d->Min != oldMin)
        emit minChanged(d->Min);
    if (d->Max != oldMax)
        emit maxChanged(d->Max);
}

void SplitbayCtl::saveProperties(PropertyBag &bag) const
{
    bag.write(ScaleLeftName, d->ScaleLeft, 0.0f);
    bag.write(ScaleHeightName, d->ScaleHeight, 0.0f);
    bag.write(ScaleWidthName, d->ScaleWidth, 0.0f);
    bag.write(ScaleTopName, d->ScaleTop, 0.0f);
    bag.write(MinName, d->Min, DefaultLimit);
    bag.write(MaxName, d->Max, DefaultLimit);
}

QRect SplitbayCtl::freeArea() const
{
    const int left = pixelsOr(platform::toInt32(platform::twipsToPixelsX(d->ScaleLeft)), 0);
    const int top = pixelsOr(platform::toInt32(platform::twipsToPixelsY(d->ScaleTop)), 0);
    const int width = pixelsOr(platform::toInt32(platform::twipsToPixelsX(d->ScaleWidth)), 0);
    const int height = pixelsOr(platform::toInt32(platform::twipsToPixelsY(d->ScaleHeight)), 0);
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

double SplitbayCtl::Private::widthTwips() const { return platform::pixelsToTwipsX(q.width()); }
double SplitbayCtl::Private::heightTwips() const { return platform::pixelsToTwipsY(q.height()); }

bool SplitbayCtl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        EdgeDock::dock(*this);
    // Widgets put into the pane (by the host or a form) stay under the bar,
    // so a child over the inner edge cannot take the drag away.
    if (event->type() == QEvent::ChildAdded && d && d->MDICtl) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child != d->MDICtl && child->isWidgetType())
            d->MDICtl->raise();
    }
    return QWidget::event(event);
}

void SplitbayCtl::resizeEvent(QResizeEvent *) { d->runLayout(); }

void SplitbayCtl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCloseBox(painter, d->widthTwips(), platform::twipsPerPixelX(), platform::twipsPerPixelY(), palette(),
                 d->closeBoxHot ? EdgeStyle::Raised : EdgeStyle::Etched);
}

void SplitbayCtl::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    d->setCloseBoxHot(
        inCloseBoxHotZone(d->widthTwips(), platform::pixelsToTwipsX(at.x()), platform::pixelsToTwipsY(at.y())));
}

void SplitbayCtl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    // The release comes here even off the pane when the press was on it.
    if (!rect().contains(at.toPoint()))
        return;
    if (inCloseBoxClickZone(d->widthTwips(), platform::pixelsToTwipsX(at.x()), platform::pixelsToTwipsY(at.y())))
        emit Click();
}

void SplitbayCtl::leaveEvent(QEvent *) { d->setCloseBoxHot(false); }

void SplitbayCtl::Private::setCloseBoxHot(bool hot)
{
    if (hot == closeBoxHot)
        return;
    closeBoxHot = hot;
    if (const auto box = closeBoxRect(widthTwips(), platform::twipsPerPixelX()))
        q.update(QRect(box->left, box->top, box->right - box->left, box->bottom - box->top));
}

void SplitbayCtl::Private::onSplitterBegin()
{
    const WindowHandle client = screen->documentArea(screen->handleOf(q.parentWidget()));
    hWndMDIClient = client.value();
    // No document area means nothing to compare: a fresh, empty rectangle.
    savedMDIClientRect() = screen->windowRect(client).value_or(ScreenRect{});
}

void SplitbayCtl::Private::onSplitterEnd(float newPos)
{
    // Resizing runs the layout (and OnResize) and moves the document area;
    // a release clamp from a huge Min stops at the container.
    if (sizedVertically(alignment))
        setHeightTwips(std::min(double(newPos), platform::pixelsToTwipsY(largestPaneExtent(q, true))));
    else if (isDockEdge(alignment))
        setWidthTwips(std::min(double(newPos), platform::pixelsToTwipsX(largestPaneExtent(q, false))));
    const ScreenRect now = screen->windowRect(WindowHandle(hWndMDIClient)).value_or(ScreenRect{});
    if (now != savedMDIClientRect())
        emit q.OnMDIClientResize();
}

}   // namespace splitbay6
