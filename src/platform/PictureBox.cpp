#include "platform/PictureBox.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {

int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), logicalTwipsX_(twipsPerPixelX()), logicalTwipsY_(twipsPerPixelY()),
      image_(1, 1, QImage::Format_RGB32), surface_(&image_, logicalTwipsX_, logicalTwipsY_)
{
    image_.fill(surface_.backColor());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);   // moves are reported with no button held too
    // Only what changed is repainted: a crosshair move touches a column or two.
    surface_.setChangedCallback([this](const QRect &pixels) { update(toWidgetPixels(pixels)); });
}

PictureBox::~PictureBox() { surface_.flush(); }

const QImage &PictureBox::image()
{
    matchImageToSize();
    surface_.flush();
    return image_;
}

void PictureBox::setBackColor(const QColor &colour)
{
    surface_.setBackColor(colour);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    matchImageToSize();
    surface_.flush();
    QPainter painter(this);
    // Only the parts asked for: a crosshair move repaints a column or two.
    // Each part is clipped to itself: under the dirty region's own clip (two
    // columns, say) the raster engine blends a tall part row by row on its
    // thread pool, which costs far more than copying the rows here. A region
    // of one part is such a clip already.
    const bool onePart = event->region().rectCount() == 1;
    for (const QRect &part : event->region()) {
        if (!onePart)
            painter.setClipRect(part);
        if (pixelRatio_ == 1) {
            painter.drawImage(part.topLeft(), image_, part);
            continue;
        }
        const QRectF source(part.x() * pixelRatio_, part.y() * pixelRatio_, part.width() * pixelRatio_,
                            part.height() * pixelRatio_);
        painter.drawImage(QRectF(part), image_, source);
    }
    if (!onePart)
        painter.setClipping(false);
    // Any part the image does not cover shows the back colour.
    const int shownWidth = int(image_.width() / pixelRatio_), shownHeight = int(image_.height() / pixelRatio_);
    if (shownWidth < width())
        painter.fillRect(shownWidth, 0, width() - shownWidth, height(), surface_.backColor());
    if (shownHeight < height())
        painter.fillRect(0, shownHeight, width(), height() - shownHeight, surface_.backColor());
}

void PictureBox::resizeEvent(QResizeEvent *) { matchImageToSize(); }

QRect PictureBox::toWidgetPixels(const QRect &devicePixels) const
{
    if (pixelRatio_ == 1)
        return devicePixels;
    const int left = int(std::floor(devicePixels.left() / pixelRatio_));
    const int top = int(std::floor(devicePixels.top() / pixelRatio_));
    const int right = int(std::ceil((devicePixels.right() + 1) / pixelRatio_));
    const int bottom = int(std::ceil((devicePixels.bottom() + 1) / pixelRatio_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void PictureBox::matchImageToSize()
{
    const double ratio = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    if (ratio != pixelRatio_) {
        pixelRatio_ = ratio;
        surface_.setScale(logicalTwipsX_ / ratio, logicalTwipsY_ / ratio, ratio);
    }
    const QSize wanted(std::max(1, int(std::ceil(width() * ratio))), std::max(1, int(std::ceil(height() * ratio))));
    if (wanted == image_.size())
        return;
    // The drawing keeps its place; new area shows the back colour.
    surface_.flush();
    QImage resized(wanted, QImage::Format_RGB32);
    resized.fill(surface_.backColor());
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
    surface_.setDevice(&image_);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), toTwipsX(event->position().x()),
                   toTwipsY(event->position().y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), toTwipsX(event->position().x()),
                   toTwipsY(event->position().y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), toTwipsX(event->position().x()),
                 toTwipsY(event->position().y()));
}

}   // namespace platform
