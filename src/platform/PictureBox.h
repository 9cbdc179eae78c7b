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
    void setBackColor(const QColor &colour);
    QColor foreColor() const { return surface_.foreColor(); }
    void setForeColor(const QColor &colour) { surface_.setForeColor(colour); }

    // Size in twips.
    double scaleWidth() const { return width() * logicalTwipsX_; }
    double scaleHeight() const { return height() * logicalTwipsY_; }
    // Device pixels per widget pixel: the image holds the screen's pixels, so
    // a line is one device pixel wide and text is crisp on a 2x screen.
    double pixelRatio() const { return pixelRatio_; }

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
    float toTwipsX(double pixels) const { return float(pixels * logicalTwipsX_); }
    float toTwipsY(double pixels) const { return float(pixels * logicalTwipsY_); }
    QRect toWidgetPixels(const QRect &devicePixels) const;

    double logicalTwipsX_;   // twips per widget pixel
    double logicalTwipsY_;
    double pixelRatio_ = 1;
    QImage image_;
    Surface surface_;
};

}   // namespace platform
