#include "Halftone.h"

namespace splitbay6 {

namespace {

int wrap8(int value) { return ((value % 8) + 8) % 8; }

}   // namespace

bool halftoneInverts(int dx, int dy)
{
    const unsigned row = HalftoneRows[size_t(wrap8(dy))] & 0xFFu;
    return (row >> (7 - wrap8(dx))) & 1u;
}

void invertHalftone(QImage &image, const QRect &area)
{
    const QRect clipped = area.normalized() & image.rect();
    if (clipped.isEmpty())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (halftoneInverts(x - area.left(), y - area.top()))
                line[x] ^= 0x00FFFFFFu;   // colour bits only; alpha stays
        }
    }
}

QImage halftoneTile(const QColor &plain, const QColor &inverted)
{
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixelColor(x, y, halftoneInverts(x, y) ? inverted : plain);
    return tile;
}

}   // namespace splitbay6
