#pragma once
// PictureBox: a widget that keeps its drawing in a persistent image, so the
// drawing survives repaints (paintEvent only shows the image), and offers the
// Surface operations on it in twips. Mouse events are reported in twips with
// the old framework's button and shift codes.

#include "platform/Surface.h"

#include <QImage>
#include <QWidget>

namespace platform {

// Button codes: 1 left, 2 right, 4 middle. Shift codes: 1 Shift, 2 Ctrl, 4 Alt.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    Surface &surface()
    {
        matchImageToSize();
        return surface_;
    }
    // The drawing as it stands (ends the current batch of drawing).
    const QImage &image();

    QColor backColor() const { return surface_.backColor(); }
    void setBackColor(const QColor &color);
    QColor foreColor() const { return surface_.foreColor(); }
    void setForeColor(const QColor &color) { surface_.setForeColor(color); }

    // Size in twips.
    double scaleWidth() const { return width() * surface_.twipsPerPixelX(); }
    double scaleHeight() const { return height() * surface_.twipsPerPixelY(); }

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The image follows the widget's size; a hidden widget gets no resize
    // events, so this runs on every access too.
    void matchImageToSize();
    float toTwipsX(double pixels) const { return float(pixels * surface_.twipsPerPixelX()); }
    float toTwipsY(double pixels) const { return float(pixels * surface_.twipsPerPixelY()); }

    QImage image_;
    Surface surface_;
};

}   // namespace platform
