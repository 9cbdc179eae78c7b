#include "splitbay6/SplitbayCtl.h"

#include "CloseBox.h"
#include "DockEdge.h"
#include "EdgeDock.h"
#include "MDICtl1.h"
#include "PaneExtent.h"
#include "PropertyRules.h"
#include "Screen.h"

#include "platform/Rounding.h"
#include "platform/Twips.h"

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

SplitbayCtl::SplitbayCtl(QWidget *parent) : SplitbayCtl(nullptr, parent) {}

SplitbayCtl::SplitbayCtl(std::shared_ptr<Screen> screen, QWidget *parent)
    : QWidget(parent), screen_(screen ? std::move(screen) : defaultScreen())
{
    setAutoFillBackground(true);
    setMouseTracking(true);   // the close box lights up under the pointer
    MDICtl_ = new MDICtl1(screen_, this);
    MDICtl_->hide();   // the layout shows it once the pane is docked
    connect(MDICtl_, &MDICtl1::OnSplitterBegin, this, &SplitbayCtl::onSplitterBegin);
    connect(MDICtl_, &MDICtl1::OnSplitterEnd, this, &SplitbayCtl::onSplitterEnd);
    connect(MDICtl_, &MDICtl1::OnLostCapture, MDICtl_, &MDICtl1::CancelSplit);
    // The pointer is on the bar, so not on the close box.
    connect(MDICtl_, &MDICtl1::MouseMove, this, [this] { setCloseBoxHot(false); });
}

SplitbayCtl::~SplitbayCtl() = default;

void SplitbayCtl::setScaleLeft(float) { refuseReadOnlySet(designMode_); }
void SplitbayCtl::setScaleHeight(float) { refuseReadOnlySet(designMode_); }
void SplitbayCtl::setScaleWidth(float) { refuseReadOnlySet(designMode_); }
void SplitbayCtl::setScaleTop(float) { refuseReadOnlySet(designMode_); }

void SplitbayCtl::setMin(float value)
{
    if (requireFinite(value) == Min_)
        return;
    Min_ = value;
    emit propertyChanged(MinName);
    MDICtl_->setMin(value);
}

void SplitbayCtl::setMax(float value)
{
    if (requireFinite(value) == Max_)
        return;
    Max_ = value;
    emit propertyChanged(MaxName);
    MDICtl_->setMax(value);
}

void SplitbayCtl::setAlignment(int16_t alignment)
{
    alignment_ = alignment;
    const int layoutsBefore = layoutCount_;
    EdgeDock::dock(*this);
    // Docking may have resized the pane, which ran the layout already.
    if (layoutCount_ == layoutsBefore)
        runLayout();
}

void SplitbayCtl::setDesignMode(bool on)
{
    designMode_ = on;
    MDICtl_->setDesignMode(on);
}

void SplitbayCtl::loadProperties(const PropertyBag &bag)
{
    ScaleLeft_ = readSingle(bag, ScaleLeftName, 0);
    ScaleHeight_ = readSingle(bag, ScaleHeightName, 0);
    ScaleWidth_ = readSingle(bag, ScaleWidthName, 0);
    ScaleTop_ = readSingle(bag, ScaleTopName, 0);
    Min_ = readSingle(bag, MinName, DefaultLimit);
    Max_ = readSingle(bag, MaxName, DefaultLimit);
    runLayout();
}

void SplitbayCtl::saveProperties(PropertyBag &bag) const
{
    bag.write(ScaleLeftName, ScaleLeft_, 0.0f);
    bag.write(ScaleHeightName, ScaleHeight_, 0.0f);
    bag.write(ScaleWidthName, ScaleWidth_, 0.0f);
    bag.write(ScaleTopName, ScaleTop_, 0.0f);
    bag.write(MinName, Min_, DefaultLimit);
    bag.write(MaxName, Max_, DefaultLimit);
}

QRect SplitbayCtl::freeArea() const
{
    const int left = pixelsOr(platform::toInt32(platform::twipsToPixelsX(ScaleLeft_)), 0);
    const int top = pixelsOr(platform::toInt32(platform::twipsToPixelsY(ScaleTop_)), 0);
    const int width = pixelsOr(platform::toInt32(platform::twipsToPixelsX(ScaleWidth_)), 0);
    const int height = pixelsOr(platform::toInt32(platform::twipsToPixelsY(ScaleHeight_)), 0);
    return QRect(left, top, std::max(0, width), std::max(0, height));
}

double SplitbayCtl::widthTwips() const { return platform::pixelsToTwipsX(width()); }
double SplitbayCtl::heightTwips() const { return platform::pixelsToTwipsY(height()); }

bool SplitbayCtl::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        EdgeDock::dock(*this);
    return QWidget::event(event);
}

void SplitbayCtl::resizeEvent(QResizeEvent *) { runLayout(); }

void SplitbayCtl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCloseBox(painter, widthTwips(), platform::twipsPerPixelX(), platform::twipsPerPixelY(), palette(),
                 closeBoxHot_ ? EdgeStyle::Raised : EdgeStyle::Etched);
}

void SplitbayCtl::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    setCloseBoxHot(inCloseBoxHotZone(widthTwips(), platform::pixelsToTwipsX(at.x()), platform::pixelsToTwipsY(at.y())));
}

void SplitbayCtl::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    // The release comes here even off the pane when the press was on it.
    if (!rect().contains(at.toPoint()))
        return;
    if (inCloseBoxClickZone(widthTwips(), platform::pixelsToTwipsX(at.x()), platform::pixelsToTwipsY(at.y())))
        emit Click();
}

void SplitbayCtl::leaveEvent(QEvent *) { setCloseBoxHot(false); }

void SplitbayCtl::setCloseBoxHot(bool hot)
{
    if (hot == closeBoxHot_)
        return;
    closeBoxHot_ = hot;
    if (const auto box = closeBoxRect(widthTwips(), platform::twipsPerPixelX()))
        update(QRect(box->left, box->top, box->right - box->left, box->bottom - box->top));
}

void SplitbayCtl::onSplitterBegin()
{
    const WindowHandle client = screen_->documentArea(screen_->handleOf(parentWidget()));
    hWndMDIClient_ = client.value();
    // No document area means nothing to compare: a fresh, empty rectangle.
    savedMDIClientRect() = screen_->windowRect(client).value_or(ScreenRect{});
}

void SplitbayCtl::onSplitterEnd(float newPos)
{
    // Resizing runs the layout (and OnResize) and moves the document area;
    // a release clamp from a huge Min stops at the container.
    if (sizedVertically(alignment_))
        setHeightTwips(std::min(double(newPos), platform::pixelsToTwipsY(largestPaneExtent(*this, true))));
    else if (isDockEdge(alignment_))
        setWidthTwips(std::min(double(newPos), platform::pixelsToTwipsX(largestPaneExtent(*this, false))));
    const ScreenRect now = screen_->windowRect(WindowHandle(hWndMDIClient_)).value_or(ScreenRect{});
    if (now != savedMDIClientRect())
        emit OnMDIClientResize();
}

}   // namespace splitbay6
