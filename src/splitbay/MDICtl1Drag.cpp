// The drag of the splitter bar: begin, move, end, cancel, and the ghost bar.

#include "MDICtl1.h"

#include "platform/Twips.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace splitbay6 {

void MDICtl1::refreshGeometry()
{
    // A window that cannot be measured keeps its last known rectangle.
    if (const auto rect = screen_->windowRect(hWndPrimary_))
        rcPrimary_ = *rect;
    if (const auto rect = screen_->windowRect(hWndSecondary_))
        rcSecondary_ = *rect;
    ptCursor_ = screen_->cursorPos();
}

void MDICtl1::BeginSplit()
{
    refreshGeometry();
    if (!isDockEdge(AlignMDI_))
        return;
    const int32_t c = dragCoordinate(AlignMDI_, ptCursor_);
    const auto bar = ghostBar(AlignMDI_, rcPrimary_, c);
    if (!bar)
        return;   // nothing to show, so no drag
    rcBar_ = *bar;
    DrawSplitBar(rcBar_);
    setSplitting(true);
    (sizedVertically(AlignMDI_) ? LastY_ : LastX_) = c;
    updatePendingPos();
}

void MDICtl1::MoveSplit()
{
    refreshGeometry();
    if (!isDockEdge(AlignMDI_) || !isSplitting_)
        return;
    const int32_t c = dragCoordinate(AlignMDI_, ptCursor_);
    int32_t &last = sizedVertically(AlignMDI_) ? LastY_ : LastX_;
    if (c == last)
        return;
    if (!moveAccepted(AlignMDI_, rcPrimary_, rcSecondary_, c, crossCoordinate(AlignMDI_, ptCursor_), Min_, Max_))
        return;
    const auto bar = ghostBar(AlignMDI_, rcPrimary_, c);
    if (!bar)
        return;
    eraseSplitBar();
    rcBar_ = *bar;
    DrawSplitBar(rcBar_);
    updatePendingPos();
    last = c;
}

void MDICtl1::EndSplit()
{
    if (!isSplitting_)
        return;
    refreshGeometry();
    if (!isDockEdge(AlignMDI_)) {
        // The pane was undocked during the drag: there is no size to report,
        // and the ghost must not stay on the screen.
        CancelSplit();
        return;
    }
    eraseSplitBar();
    const int32_t c = dragCoordinate(AlignMDI_, ptCursor_);
    applyClamp(firstReleaseClamp(AlignMDI_, rcPrimary_, rcSecondary_, c, Min_, Max_));
    applyClamp(secondReleaseClamp(AlignMDI_, rcPrimary_, rcSecondary_, c, Min_, Max_));
    emit OnSplitterEnd(float(pendingPos_));
    setSplitting(false);
}

void MDICtl1::CancelSplit()
{
    if (!isSplitting_)
        return;
    screen_->repaintAll();
    shownBar_.reset();
    setSplitting(false);
}

void MDICtl1::updatePendingPos()
{
    const auto pixels = paneSizePixels(AlignMDI_, rcPrimary_, rcBar_);
    if (const auto twips = pixels ? pixelsToTwips(*pixels, platform::twipsPerPixelX()) : std::nullopt)
        pendingPos_ = *twips;
}

void MDICtl1::applyClamp(const ReleaseClamp &clamp)
{
    if (!clamp.applies)
        return;
    const double factor = clamp.vertical ? platform::twipsPerPixelY() : platform::twipsPerPixelX();
    if (const auto twips = pixelsToTwips(clamp.pixels, factor))
        pendingPos_ = *twips;
}

void MDICtl1::DrawSplitBar(const BarRect &bar)
{
    const auto area = ghostArea(AlignMDI_, bar);
    // A primary window under 4 pixels long gives no bar to draw.
    if (!area || area->isEmpty())
        return;
    screen_->invertHalftone(*area);
    shownBar_ = *area;
}

void MDICtl1::eraseSplitBar()
{
    if (!shownBar_)
        return;
    screen_->invertHalftone(*shownBar_);
    shownBar_.reset();
}

void MDICtl1::setSplitting(bool on)
{
    if (on == isSplitting_)
        return;
    isSplitting_ = on;
    // Escape reaches whichever widget has the focus, so it is watched for
    // application-wide, and only while a drag runs.
    if (on)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool MDICtl1::eventFilter(QObject *, QEvent *event)
{
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!isSplitting_ || !keyEvent || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();   // no shortcut takes it: the key press follows
        return true;
    }
    CancelSplit();
    return true;
}

}   // namespace splitbay6
