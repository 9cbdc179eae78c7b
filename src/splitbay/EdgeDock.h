#pragma once
// Docking panes to the edges of their container, as MDI main windows place
// aligned controls: each pane keeps its own extent across its edge and
// stretches along it; panes stack from the outside in, in child order; the
// document area (a QMainWindow's central widget, otherwise the container's
// QMdiArea) takes what is left. A pane resized by a drag therefore hands the
// space it gives up to the document area at once.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class QWidget;

namespace splitbay6 {

class SplitbayCtl;

struct DockRequest {
    int32_t edge = 0;   // DockTop .. DockRight
    QSize size;         // the pane's current size
};

struct DockPlan {
    std::vector<QRect> panes;   // one per request, in order
    QRect rest;                 // for the document area; never of negative size
};

// Places the requests in `area` from the outside in. Pure.
DockPlan planDock(const QRect &area, const std::vector<DockRequest> &requests);

class EdgeDock : public QObject {
    Q_OBJECT
public:
    // Has the pane's container dock it (after a change of alignment, parent or
    // visibility) and lays the container out again at once.
    static void dock(SplitbayCtl &pane);

    void relayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EdgeDock(QWidget &container);
    QRect dockArea() const;
    QWidget *documentArea() const;
    std::vector<SplitbayCtl *> dockedPanes() const;
    void placeAll();
    void watchCentralWidget();
    void relayoutLater();

    QWidget &container_;
    QPointer<QWidget> central_;
    QRect centralArea_;   // where the main window's layout puts its central widget
    QRect assigned_;      // what this dock gave the document area last
    bool busy_ = false;
    bool relayoutPending_ = false;
    bool paneResized_ = false;   // while placing: a pane took another size
};

}   // namespace splitbay6
