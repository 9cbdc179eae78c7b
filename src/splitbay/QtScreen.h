#pragma once
// The screen seam on Qt: handles name widgets, the capture is Qt's mouse
// grab, the document area is the container's QMdiArea, and the ghost bar is
// an overlay window shown and hidden again.

#include "Screen.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace splitbay6 {

class HalftoneOverlay;

class QtScreen final : public QObject, public Screen {
    Q_OBJECT
public:
    QtScreen();
    ~QtScreen() override;

    WindowHandle handleOf(QWidget *window) override;
    std::optional<ScreenRect> windowRect(WindowHandle window) const override;
    WindowHandle documentArea(WindowHandle container) const override;
    QPoint cursorPos() const override;
    WindowHandle captureOwner() const override;
    void setCapture(WindowHandle window) override;
    void releaseCapture(WindowHandle window) override;
    void invertHalftone(const QRect &area) override;
    void repaintAll() override;

    // The ghost bars now shown, for checks.
    QList<QRect> ghostAreas() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *windowOf(WindowHandle window) const;
    // Issues handles on demand, also to windows the screen only reports
    // (the capture owner, a document area).
    WindowHandle issueHandle(QWidget *window) const;

    mutable QHash<int32_t, QPointer<QWidget>> windows_;
    mutable QHash<const QObject *, int32_t> handles_;
    std::vector<std::pair<QRect, std::unique_ptr<HalftoneOverlay>>> ghosts_;
    // The pointer as the last mouse event reported it, and where QCursor put
    // it then (see cursorPos).
    std::optional<QPoint> lastEventPos_;
    QPoint cursorAtLastEvent_;
};

}   // namespace splitbay6
