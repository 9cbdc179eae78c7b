#include "MDICtl1.h"

#include "PropertyRules.h"
#include "splitbay6/PropertyBag.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QMouseEvent>

namespace splitbay6 {

namespace {

const QString OrientationName = QStringLiteral("Orientation");
const QString AlignMDIName = QStringLiteral("AlignMDI");
const QString PrimaryName = QStringLiteral("hWndPrimary");
const QString SecondaryName = QStringLiteral("hWndSecondary");
const QString HwndName = QStringLiteral("hWnd");
const QString MinName = QStringLiteral("Min");
const QString MaxName = QStringLiteral("Max");
constexpr float DefaultLimit = 10;

}   // namespace

MDICtl1::MDICtl1(std::shared_ptr<Screen> screen, QWidget *parent)
    : QWidget(parent), screen_(screen ? std::move(screen) : defaultScreen())
{
    setObjectName(QStringLiteral("MDICtl"));
    setMouseTracking(true);        // MouseMove is raised with no button held too
    tmrCapture_.setParent(this);   // a member: it leaves its parent before the parent goes
    tmrCapture_.setObjectName(QStringLiteral("tmrCapture"));
    tmrCapture_.setInterval(1);
    connect(&tmrCapture_, &QTimer::timeout, this, &MDICtl1::captureTick);
}

MDICtl1::~MDICtl1()
{
    // A drag cut short by destruction must not leave its ghost on the screen.
    eraseSplitBar();
    setSplitting(false);
}

void MDICtl1::setOrientation(int32_t value)
{
    if (value == Orientation_)
        return;
    Orientation_ = value;
    emit propertyChanged(OrientationName);
}

void MDICtl1::setAlignMDI(int32_t value)
{
    AlignMDI_ = value;
    emit propertyChanged(AlignMDIName);
    // The pointer shape tells which way the bar moves.
    if (!isDockEdge(value))
        unsetCursor();
    else
        setCursor(sizedVertically(value) ? Qt::SplitVCursor : Qt::SplitHCursor);
}

void MDICtl1::setHWndPrimary(WindowHandle value)
{
    hWndPrimary_ = value;
    emit propertyChanged(PrimaryName);
    if (const auto rect = screen_->windowRect(value))
        rcPrimary_ = *rect;
}

void MDICtl1::setHWndSecondary(WindowHandle value)
{
    hWndSecondary_ = value;
    emit propertyChanged(SecondaryName);
    if (const auto rect = screen_->windowRect(value))
        rcSecondary_ = *rect;
}

void MDICtl1::setHwnd(WindowHandle) { refuseReadOnlySet(designMode_); }

void MDICtl1::setMin(float value)
{
    Min_ = requireFinite(value);
    emit propertyChanged(MinName);
}

void MDICtl1::setMax(float value)
{
    Max_ = requireFinite(value);
    emit propertyChanged(MaxName);
}

void MDICtl1::MiscDrawing()
{
    const auto rect = screen_->windowRect(screen_->handleOf(this));
    if (!rect)
        return;
    const QRect area(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    if (!area.isEmpty())
        screen_->invertHalftone(area);
}

void MDICtl1::useOwnWindow()
{
    hwnd_ = screen_->handleOf(this);
    emit propertyChanged(HwndName);
}

void MDICtl1::readProperties(const PropertyBag &bag)
{
    Orientation_ = readLong(bag, OrientationName, 0);
    AlignMDI_ = readLong(bag, AlignMDIName, 0);
    // Window handles name windows of the session that saved them. They are
    // read, in their place, and dropped: the pane hands over its windows at
    // every layout, and the bar's own window replaces the saved one below.
    readLong(bag, PrimaryName, 0);
    readLong(bag, SecondaryName, 0);
    readLong(bag, HwndName, 0);
    Min_ = readSingle(bag, MinName, DefaultLimit);
    Max_ = readSingle(bag, MaxName, DefaultLimit);
    useOwnWindow();
}

void MDICtl1::writeProperties(PropertyBag &bag) const
{
    bag.write(OrientationName, Orientation_, 0);
    bag.write(AlignMDIName, AlignMDI_, 0);
    bag.write(PrimaryName, hWndPrimary_.value(), 0);
    bag.write(SecondaryName, hWndSecondary_.value(), 0);
    bag.write(HwndName, hwnd_.value(), 0);
    bag.write(MinName, Min_, DefaultLimit);
    bag.write(MaxName, Max_, DefaultLimit);
}

void MDICtl1::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (platform::buttonCode(event->button()) == 1)
        leftButtonDown();
}

void MDICtl1::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    const auto button = int16_t(platform::buttonCode(event->buttons()));
    const auto shift = int16_t(platform::shiftCode(event->modifiers()));
    const QPointF at = event->position();
    emit MouseMove(button, shift, float(platform::pixelsToTwipsX(at.x())), float(platform::pixelsToTwipsY(at.y())));
    if (button == 1)
        MoveSplit();
}

void MDICtl1::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (platform::buttonCode(event->button()) == 1)
        leftButtonUp();
    // The framework lets the capture go once no button is held.
    if (event->buttons() == Qt::NoButton)
        screen_->releaseCapture(screen_->handleOf(this));
}

void MDICtl1::leftButtonDown()
{
    if (hWndPrimary_.isNull() || hWndSecondary_.isNull())
        return;
    if (hwnd_.isNull())
        useOwnWindow();
    if (screen_->captureOwner() != hwnd_)
        screen_->setCapture(hwnd_);
    tmrCapture_.start();
    emit OnSplitterBegin();
    BeginSplit();
}

void MDICtl1::leftButtonUp()
{
    EndSplit();
    tmrCapture_.stop();
}

void MDICtl1::captureTick()
{
    if (screen_->captureOwner() == hwnd_)
        return;
    CancelSplit();
    tmrCapture_.stop();
    emit OnLostCapture(screen_->captureOwner());
}

}   // namespace splitbay6
