#pragma once
// The ghost bar on a real screen: a frameless window above all others that
// lets the mouse through and shows the halftone pattern. Showing it and
// hiding it again leaves the screen as it was, which is what inverting twice
// does, without drawing on other windows.

#include <QWidget>

namespace splitbay6 {

class HalftoneOverlay : public QWidget {
    Q_OBJECT
public:
    // `area` in screen pixels; the pattern's origin is its top-left corner.
    explicit HalftoneOverlay(const QRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;
};

}   // namespace splitbay6
