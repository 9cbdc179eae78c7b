#pragma once
// Rendered texts kept as small images. Rulers print the same few dozen
// labels at every redraw; laying out and rasterising a text costs far more
// than copying its pixels, so each (text, font, colour) is rendered once.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace platform {

struct TextStamp {
    QImage image;    // premultiplied: the text over transparency
    QPoint offset;   // from the text's top-left corner to the image's
};

// The stamp of `text` in `font` and `colour` for a screen image (96 DPI
// logical, as picture boxes are). Shared by every surface of the thread; the
// cache holds at most 16 MiB, and the reference is good until the next call.
// At `pixelRatio` 2 the text is rendered twice as many pixels high, for
// an image held at a 2x screen's device pixels.
const TextStamp &textStamp(const QString &text, const QFont &font, const QColor &colour, double pixelRatio = 1);

// The bytes the thread's stamps hold.
qsizetype textStampBytes();

}   // namespace platform
