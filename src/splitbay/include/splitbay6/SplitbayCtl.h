#pragma once
// SplitbayCtl: a pane docked to one edge of an MDI main window, beside the
// document area (the window's QMdiArea). The user resizes it by dragging the
// splitter bar along its inner edge; the document area takes the space the
// pane leaves. The host arranges its own content in the free area the bar
// leaves (ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight, in twips, or
// freeArea() in pixels) whenever OnResize is raised.
//
//     auto *pane = new splitbay6::SplitbayCtl(mainWindow);   // its central widget is a QMdiArea
//     pane->setAlignment(splitbay6::SplitbayCtl::AlignLeft);
//     connect(pane, &splitbay6::SplitbayCtl::OnResize, [=] { content->setGeometry(pane->freeArea()); });
//
// The pane docks to its parent widget: a QMainWindow (inside the area its
// layout gives the central widget) or any container without a layout. Panes
// on the same container are stacked from the outside in, in creation order.

#include <splitbay6/PropertyBag.h>
#include <splitbay6/splitbay6_export.h>

#include <QWidget>

#include <cstdint>
#include <memory>

namespace splitbay6 {

class MDICtl1;
class Screen;

class SPLITBAY6_EXPORT SplitbayCtl : public QWidget {
    Q_OBJECT
public:
    enum Alignment : int16_t { AlignNone = 0, AlignTop = 1, AlignBottom = 2, AlignLeft = 3, AlignRight = 4 };

    explicit SplitbayCtl(QWidget *parent = nullptr);
    // With another screen than the real one (the screen interface is internal).
    SplitbayCtl(std::shared_ptr<Screen> screen, QWidget *parent);
    ~SplitbayCtl() override;

    // The free area, in twips; set only by the layout: writes fail with
    // ControlError 387 in design mode and 382 at run time.
    float ScaleLeft() const { return ScaleLeft_; }
    void setScaleLeft(float value);
    float ScaleHeight() const { return ScaleHeight_; }
    void setScaleHeight(float value);
    float ScaleWidth() const { return ScaleWidth_; }
    void setScaleWidth(float value);
    float ScaleTop() const { return ScaleTop_; }
    void setScaleTop(float value);
    // The pane's smallest extent across the bar, in pixels not counting the
    // bar; enforced at the next resize. Default 10. Min and Max refuse NaN
    // and infinity with ControlError 380.
    float Min() const { return Min_; }
    void setMin(float value);
    // The smallest extent, in pixels beyond a 4-pixel margin, that a drag
    // leaves to the document area. Default 10.
    float Max() const { return Max_; }
    void setMax(float value);

    // The host's side.
    int16_t alignment() const { return alignment_; }
    // Docks the pane to that edge of its parent (0 undocks it) and lays it out.
    void setAlignment(int16_t alignment);
    bool designMode() const { return designMode_; }
    void setDesignMode(bool on);
    // Reads the six properties (defaults 0, and 10 for Min and Max), then lays out once.
    void loadProperties(const PropertyBag &bag);
    // Writes them in the same order with the same defaults.
    void saveProperties(PropertyBag &bag) const;
    // The free area in pixels of the pane.
    QRect freeArea() const;

signals:
    void OnResize();
    void OnMDIClientResize();
    void Click();
    // The property-changed notice: the host should save `name`.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void runLayout();
    void configureBar();
    void placeBar();
    void storeFreeArea();
    void enforceMinimumSize();
    bool setHeightTwips(double twips);
    bool setWidthTwips(double twips);
    void setCloseBoxHot(bool hot);
    double widthTwips() const;
    double heightTwips() const;

    void onSplitterBegin();
    void onSplitterEnd(float newPos);

    std::shared_ptr<Screen> screen_;
    float ScaleLeft_ = 0;
    float ScaleHeight_ = 0;
    float ScaleWidth_ = 0;
    float ScaleTop_ = 0;
    float Min_ = 10;
    float Max_ = 10;
    int16_t alignment_ = AlignNone;
    bool designMode_ = false;
    bool inLayout_ = false;
    int layoutCount_ = 0;
    bool closeBoxHot_ = false;
    int32_t hWndMDIClient_ = 0;
    MDICtl1 *MDICtl_ = nullptr;
};

}   // namespace splitbay6
