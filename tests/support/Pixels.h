#pragma once
// Reading what a picture box shows, pixel by pixel.

#include "QtPrinters.h"
#include "platform/PictureBox.h"

#include <QColor>
#include <QImage>

#include <map>
#include <utility>

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

// The rows of an image holding pixels of `colour`, as (first column, count).
inline std::map<int, std::pair<int, int>> paintedRows(const QImage &image, const QColor &colour)
{
    std::map<int, std::pair<int, int>> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                auto &row = rows[y];
                if (row.second == 0)
                    row.first = x;
                ++row.second;
            }
    return rows;
}
