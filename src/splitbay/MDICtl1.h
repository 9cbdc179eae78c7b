#pragma once
// MDICtl1: the splitter bar along a docked pane's inner edge. A left-button
// drag takes the mouse capture, shows a ghost bar on the screen that follows
// the cursor within limits, and on release reports the pane size the user
// chose, in twips; the bar itself moves nothing. A timer watches the capture
// and cancels the drag when another window takes it; Escape cancels it too.
// All drag geometry is in screen pixels, through the Screen seam.

#include "DragGeometry.h"
#include "Screen.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace splitbay6 {

class PropertyBag;

class MDICtl1 : public QWidget {
    Q_OBJECT
public:
    explicit MDICtl1(std::shared_ptr<Screen> screen, QWidget *parent = nullptr);
    ~MDICtl1() override;

    int32_t Orientation() const { return Orientation_; }
    void setOrientation(int32_t value);
    // Inverts the bar's own window rectangle with the halftone pattern.
    void MiscDrawing();
    int32_t AlignMDI() const { return AlignMDI_; }
    void setAlignMDI(int32_t value);
    WindowHandle hWndPrimary() const { return hWndPrimary_; }
    void setHWndPrimary(WindowHandle value);
    WindowHandle hWndSecondary() const { return hWndSecondary_; }
    void setHWndSecondary(WindowHandle value);
    // Ends a drag without a result: every window repaints, which wipes out the ghost bar.
    void CancelSplit();
    WindowHandle hwnd() const { return hwnd_; }
    [[noreturn]] void setHwnd(WindowHandle value);
    float Min() const { return Min_; }
    void setMin(float value);
    float Max() const { return Max_; }
    void setMax(float value);

    // The framework's side.
    bool designMode() const { return designMode_; }
    void setDesignMode(bool on) { designMode_ = on; }
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;
    bool isSplitting() const { return isSplitting_; }
    int32_t pendingPos() const { return pendingPos_; }

signals:
    void OnSplitterEnd(float newPos);
    void OnLostCapture(splitbay6::WindowHandle hwndNewCapture);
    void OnSplitterBegin();
    void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    // The property-changed notice: the host should save `name`.
    void propertyChanged(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leftButtonDown();
    void leftButtonUp();
    void captureTick();
    void BeginSplit();
    void MoveSplit();
    void EndSplit();
    void refreshGeometry();
    // DrawSplitBar inverts `bar` onto the screen; eraseSplitBar inverts the
    // area shown again, so the screen is restored even if the geometry changed.
    void DrawSplitBar(const BarRect &bar);
    void eraseSplitBar();
    void updatePendingPos();
    void applyClamp(const ReleaseClamp &clamp);
    void setSplitting(bool on);
    void useOwnWindow();

    std::shared_ptr<Screen> screen_;
    int32_t Orientation_ = 0;
    int32_t AlignMDI_ = 0;
    WindowHandle hWndPrimary_;
    WindowHandle hWndSecondary_;
    WindowHandle hwnd_;
    float Min_ = 10;
    float Max_ = 10;
    bool designMode_ = false;

    ScreenRect rcPrimary_;
    ScreenRect rcSecondary_;
    QPoint ptCursor_;
    BarRect rcBar_;
    std::optional<QRect> shownBar_;   // the area inverted on the screen now
    int32_t LastX_ = 0;
    int32_t LastY_ = 0;
    int32_t pendingPos_ = 0;
    bool isSplitting_ = false;
    QTimer tmrCapture_;
};

}   // namespace splitbay6
