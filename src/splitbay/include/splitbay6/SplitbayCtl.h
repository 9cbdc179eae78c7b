#pragma once
/// \file
/// The dock pane control SplitbayCtl.

#include <splitbay6/ControlError.h>
#include <splitbay6/PropertyBag.h>
#include <splitbay6/splitbay6_export.h>

#include <QWidget>

#include <cstdint>
#include <memory>

/// The dock pane control SplitbayCtl and its host's property store.
namespace splitbay6 {

class Screen;

/// A pane docked to one edge of an MDI main window, beside the document area
/// (the window's QMdiArea).
///
/// The user resizes it by dragging the splitter bar along its inner edge; the
/// document area takes the space the pane leaves. The host arranges its own
/// content in the free area the bar leaves (ScaleLeft, ScaleTop, ScaleWidth,
/// ScaleHeight, in twips, or freeArea() in pixels) whenever OnResize is
/// raised:
///
///     auto *pane = new splitbay6::SplitbayCtl(mainWindow);   // its central widget is a QMdiArea
///     pane->setAlignment(splitbay6::SplitbayCtl::AlignLeft);
///     connect(pane, &splitbay6::SplitbayCtl::OnResize, [=] { content->setGeometry(pane->freeArea()); });
///
/// The pane docks to its parent widget: a QMainWindow (inside the area its
/// layout gives the central widget) or any container without a layout. Panes
/// on the same container are stacked from the outside in, in creation order.
/// The splitter bar stays above the widgets the host (or a form) puts into
/// the pane, so they never hide it.
class SPLITBAY6_EXPORT SplitbayCtl : public QWidget {
    Q_OBJECT
    // Floating-point properties are doubles, as in Qt's own widgets, so that
    // Designer edits them and forms load them; the pane keeps single precision.
    /// The pane's smallest extent across the bar, in pixels; see Min(). Written
    /// by name, a value that is no finite single is ignored (nothing is thrown).
    Q_PROPERTY(double Min READ Min WRITE setMinByName NOTIFY minChanged)
    /// The extent a drag leaves to the document area, in pixels; see Max().
    /// Written by name, a value that is no finite single is ignored.
    Q_PROPERTY(double Max READ Max WRITE setMaxByName NOTIFY maxChanged)
    /// The edge the pane docks to; see alignment().
    Q_PROPERTY(Alignment alignment READ alignment WRITE setAlignment)
    /// Whether the host is designing its window; see designMode().
    Q_PROPERTY(bool designMode READ designMode WRITE setDesignMode DESIGNABLE false)
    /// Left edge of the free area, in twips; set by the layout only.
    Q_PROPERTY(double ScaleLeft READ ScaleLeft NOTIFY OnResize DESIGNABLE false STORED false)
    /// Top edge of the free area, in twips; set by the layout only.
    Q_PROPERTY(double ScaleTop READ ScaleTop NOTIFY OnResize DESIGNABLE false STORED false)
    /// Width of the free area, in twips; set by the layout only.
    Q_PROPERTY(double ScaleWidth READ ScaleWidth NOTIFY OnResize DESIGNABLE false STORED false)
    /// Height of the free area, in twips; set by the layout only.
    Q_PROPERTY(double ScaleHeight READ ScaleHeight NOTIFY OnResize DESIGNABLE false STORED false)
public:
    /// The edge the pane docks to, numbered as hosts report it. Any other
    /// number is no edge: the pane is not docked, and its layout leaves the
    /// bar and the free area as they were.
    enum Alignment : int16_t {
        AlignNone = 0,     ///< Not docked.
        AlignTop = 1,      ///< Docked to the top edge; the bar lies along its bottom.
        AlignBottom = 2,   ///< Docked to the bottom edge; the bar lies along its top.
        AlignLeft = 3,     ///< Docked to the left edge; the bar lies along its right side.
        AlignRight = 4     ///< Docked to the right edge; the bar lies along its left side.
    };
    Q_ENUM(Alignment)

    /// A pane on `parent`, not docked (AlignNone) until the host sets an alignment.
    explicit SplitbayCtl(QWidget *parent = nullptr);
    /// A pane that reads and draws on another screen than the real one (the
    /// screen interface is internal to the library; for its tests).
    SplitbayCtl(std::shared_ptr<Screen> screen, QWidget *parent);
    ~SplitbayCtl() override;

    /// Left edge of the free area, in twips.
    float ScaleLeft() const;
    /// Always fails: ControlError 387 in design mode, 382 at run time; the
    /// free area changes only through the layout. The same holds for the
    /// other three scale setters.
    void setScaleLeft(float value);
    /// Height of the free area, in twips.
    float ScaleHeight() const;
    /// Always fails, as setScaleLeft() does.
    void setScaleHeight(float value);
    /// Width of the free area, in twips.
    float ScaleWidth() const;
    /// Always fails, as setScaleLeft() does.
    void setScaleWidth(float value);
    /// Top edge of the free area, in twips.
    float ScaleTop() const;
    /// Always fails, as setScaleLeft() does.
    void setScaleTop(float value);
    /// The pane's smallest extent across the bar, in pixels not counting the
    /// bar; enforced at the next resize. Default 10.
    float Min() const;
    /// Sets Min(): a different value is stored, announced by propertyChanged
    /// ("Min") and minChanged(), and handed to the bar. NaN and infinity are
    /// refused with ControlError 380.
    void setMin(float value);
    /// The smallest extent, in pixels beyond a 4-pixel margin, that a drag
    /// leaves to the document area. Default 10.
    float Max() const;
    /// Sets Max(), as setMin() sets Min().
    void setMax(float value);

    /// The edge the pane is docked to, as the host set it (AlignNone at first).
    Alignment alignment() const;
    /// Docks the pane to that edge of its parent (0 undocks it) and lays it
    /// out. A number that is no edge undocks the pane too, and is kept.
    void setAlignment(int16_t alignment);
    /// Docks the pane to that edge of its parent, as setAlignment(int16_t) does.
    void setAlignment(Alignment alignment);
    /// Whether the host is designing its window (false at first): the scale
    /// setters then fail with 387 rather than 382.
    bool designMode() const;
    /// Tells the pane, and its bar, whether the host is designing its window.
    void setDesignMode(bool on);
    /// Reads the six properties (defaults 0, and 10 for Min and Max), then lays out once.
    void loadProperties(const PropertyBag &bag);
    /// Writes the six properties in the same order with the same defaults.
    void saveProperties(PropertyBag &bag) const;
    /// The free area in pixels of the pane.
    QRect freeArea() const;

signals:
    /// After every layout pass: every resize, and once after loadProperties().
    void OnResize();
    /// After a drag of the bar that changed the document area's rectangle.
    void OnMDIClientResize();
    /// When a mouse button is released over the X of the close box.
    void Click();
    /// The property-changed notice: the host should save `name`.
    void propertyChanged(const QString &name);
    /// Min() changed, by setMin() or loadProperties().
    void minChanged(double value);
    /// Max() changed, by setMax() or loadProperties().
    void maxChanged(double value);

protected:
    /// Docks the pane again when its parent changes; keeps the bar above new children.
    bool event(QEvent *event) override;
    /// Draws the close box.
    void paintEvent(QPaintEvent *event) override;
    /// Lays the pane out.
    void resizeEvent(QResizeEvent *event) override;
    /// Lights the close box up under the pointer.
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Raises Click over the close box's X.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Puts the close box's light out.
    void leaveEvent(QEvent *event) override;

private:
    void setMinByName(double value);
    void setMaxByName(double value);

    struct Private;
    std::unique_ptr<Private> d;
};

}   // namespace splitbay6
