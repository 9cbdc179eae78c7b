#pragma once
// How much of a text can be seen. A surface or a label shows a few thousand
// pixels at most, while a text read from a file may be millions of
// characters long: laying all of it out (and rasterising it) would cost
// seconds and gigabytes for pixels nobody sees.

#include <QFont>
#include <QString>

class QPaintDevice;

namespace platform {

// The start of `text` that reaches at least `pixels` right of its origin in
// `font` on `device` (a screen image when null), with a margin for glyphs
// that overhang their advance; the whole text when it is shorter. Short texts
// (every label of a ruler) are never measured. Zero-width characters cannot
// make it unbounded: it keeps at most sixteen characters a pixel.
QString visiblePart(const QString &text, const QFont &font, int pixels, const QPaintDevice *device = nullptr);

}   // namespace platform
