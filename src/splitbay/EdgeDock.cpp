#include "EdgeDock.h"

#include "DockEdge.h"
#include "splitbay6/SplitbayCtl.h"

#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>

#include <algorithm>

namespace splitbay6 {

namespace {

const QString DockName = QStringLiteral("splitbay6.EdgeDock");

}   // namespace

DockPlan planDock(const QRect &area, const std::vector<DockRequest> &requests)
{
    int left = area.left(), top = area.top();
    int right = left + std::max(0, area.width()), bottom = top + std::max(0, area.height());
    DockPlan plan;
    for (const DockRequest &request : requests) {
        const int width = std::max(0, request.size.width()), height = std::max(0, request.size.height());
        const int across = std::max(0, right - left), down = std::max(0, bottom - top);
        switch (request.edge) {
        case DockTop:
            plan.panes.emplace_back(left, top, across, height);
            top += height;
            break;
        case DockBottom:
            plan.panes.emplace_back(left, bottom - height, across, height);
            bottom -= height;
            break;
        case DockLeft:
            plan.panes.emplace_back(left, top, width, down);
            left += width;
            break;
        case DockRight:
            plan.panes.emplace_back(right - width, top, width, down);
            right -= width;
            break;
        default: plan.panes.emplace_back(); break;
        }
    }
    plan.rest = QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
    return plan;
}

EdgeDock::EdgeDock(QWidget &container) : QObject(&container), container_(container)
{
    setObjectName(DockName);
    container_.installEventFilter(this);
}

void EdgeDock::dock(SplitbayCtl &pane)
{
    QWidget *container = pane.parentWidget();
    if (!container)
        return;
    auto *dock = container->findChild<EdgeDock *>(DockName, Qt::FindDirectChildrenOnly);
    if (!dock)
        dock = new EdgeDock(*container);
    pane.installEventFilter(dock);
    dock->relayout();
}

std::vector<SplitbayCtl *> EdgeDock::dockedPanes() const
{
    std::vector<SplitbayCtl *> panes;
    for (QObject *child : container_.children()) {
        auto *pane = qobject_cast<SplitbayCtl *>(child);
        if (pane && !pane->isHidden() && isDockEdge(pane->alignment()))
            panes.push_back(pane);
    }
    return panes;
}

QWidget *EdgeDock::documentArea() const
{
    if (auto *window = qobject_cast<QMainWindow *>(&container_))
        return window->centralWidget();
    return container_.findChild<QMdiArea *>(QString(), Qt::FindDirectChildrenOnly);
}

void EdgeDock::watchCentralWidget()
{
    auto *window = qobject_cast<QMainWindow *>(&container_);
    QWidget *central = window ? window->centralWidget() : nullptr;
    if (central == central_)
        return;
    if (central_)
        central_->removeEventFilter(this);
    central_ = central;
    assigned_ = QRect();   // the new central widget's place is the layout's
    if (central)
        central->installEventFilter(this);
}

QRect EdgeDock::dockArea() const
{
    auto *window = qobject_cast<QMainWindow *>(&container_);
    if (!window)
        return container_.contentsRect();
    if (central_)
        return centralArea_;
    // No central widget: the space between the menu bar and the status bar.
    QRect area = window->rect();
    if (const QWidget *menu = window->menuWidget(); menu && menu->isVisible())
        area.setTop(menu->geometry().bottom() + 1);
    if (const auto *status = window->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly);
        status && status->isVisible())
        area.setBottom(status->geometry().top() - 1);
    return area;
}

void EdgeDock::relayout()
{
    if (busy_)
        return;
    busy_ = true;
    relayoutPending_ = false;
    watchCentralWidget();
    // A central widget not where this dock put it was placed by the main
    // window's layout. (Its move events may never come: a hidden widget's
    // moves are merged into one, which may end where this dock put it.)
    if (central_ && central_->geometry() != assigned_)
        centralArea_ = central_->geometry();
    // A pane may change its own size when placed (its minimum size); the
    // plan is then made again with the size it took.
    for (int pass = 0; pass < 3; ++pass) {
        paneResized_ = false;
        placeAll();
        if (!paneResized_)
            break;
    }
    busy_ = false;
}

void EdgeDock::placeAll()
{
    const std::vector<SplitbayCtl *> panes = dockedPanes();
    std::vector<DockRequest> requests;
    for (const SplitbayCtl *pane : panes)
        requests.push_back({pane->alignment(), pane->size()});
    const DockPlan plan = planDock(dockArea(), requests);
    for (size_t i = 0; i < panes.size(); ++i)
        panes[i]->setGeometry(plan.panes[i]);
    if (QWidget *area = documentArea()) {
        assigned_ = plan.rest;
        area->setGeometry(plan.rest);
    }
}

void EdgeDock::relayoutLater()
{
    if (relayoutPending_)
        return;
    relayoutPending_ = true;
    QMetaObject::invokeMethod(this, &EdgeDock::relayout, Qt::QueuedConnection);
}

bool EdgeDock::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &container_) {
        // A main window's central widget reports the area once its layout has run.
        if (type == QEvent::Resize && !central_)
            relayout();
        else if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved || type == QEvent::LayoutRequest)
            relayoutLater();
    } else if (watched == central_) {
        if (type == QEvent::Move || type == QEvent::Resize)
            relayout();
    } else if (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide) {
        // A pane changed its extent or its visibility.
        if (busy_)
            paneResized_ = true;
        else
            relayout();
    }
    return false;
}

}   // namespace splitbay6
