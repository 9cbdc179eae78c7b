#include "platform/PictureBox.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

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
    : QWidget(parent), image_(1, 1, QImage::Format_RGB32), surface_(&image_, twipsPerPixelX(), twipsPerPixelY())
{
    image_.fill(surface_.backColor());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);   // moves are reported with no button held too
    // Only what changed is repainted: a crosshair move touches a column or two.
    surface_.setChangedCallback([this](const QRect &pixels) { update(pixels); });
}

PictureBox::~PictureBox() { surface_.flush(); }

const QImage &PictureBox::image()
{
    matchImageToSize();
    surface_.flush();
    return image_;
}

void PictureBox::setBackColor(const QColor &color)
{
    surface_.setBackColor(color);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    matchImageToSize();
    surface_.flush();
    QPainter painter(this);
    // Only the parts asked for: a crosshair move repaints a column or two.
    for (const QRect &part : event->region())
        painter.drawImage(part.topLeft(), image_, part);
    // Any part the image does not cover shows the back colour.
    if (image_.width() < width())
        painter.fillRect(image_.width(), 0, width() - image_.width(), height(), surface_.backColor());
    if (image_.height() < height())
        painter.fillRect(0, image_.height(), width(), height() - image_.height(), surface_.backColor());
}

void PictureBox::resizeEvent(QResizeEvent *) { matchImageToSize(); }

void PictureBox::matchImageToSize()
{
    const QSize wanted(std::max(1, width()), std::max(1, height()));
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
