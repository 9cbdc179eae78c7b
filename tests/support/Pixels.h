#pragma once
// Reading what a picture box shows, pixel by pixel.

#include "QtPrinters.h"
#include "platform/PictureBox.h"

#include <QColor>
#include <QImage>

inline QColor pixelAt(platform::PictureBox &box, int x, int y) { return box.image().pixelColor(x, y); }

// How many pixels of column x (or row y) have the given colour.
inline int countInColumn(platform::PictureBox &box, int x, const QColor &color)
{
    const QImage &image = box.image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixelColor(x, y) == color;
    return count;
}

inline int countInRow(platform::PictureBox &box, int y, const QColor &color)
{
    const QImage &image = box.image();
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) == color;
    return count;
}
