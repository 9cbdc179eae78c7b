#include "platform/TextExtent.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>

namespace platform {

namespace {

constexpr qsizetype ShortText = 256;   // kept whole, unmeasured
constexpr int OverhangMargin = 32;     // pixels a last glyph may reach past its advance
constexpr qsizetype MostPerPixel = 16;

// A cut never splits a surrogate pair.
qsizetype cutAt(const QString &text, qsizetype n)
{
    if (n > 0 && n < text.size() && text[n - 1].isHighSurrogate())
        ++n;
    return std::min(n, text.size());
}

}   // namespace

QString visiblePart(const QString &text, const QFont &font, int pixels, const QPaintDevice *device)
{
    if (text.size() <= ShortText)
        return text;
    const double reach = double(std::max(pixels, 0)) + OverhangMargin;
    const qsizetype most = std::max<qsizetype>(ShortText, qsizetype(reach) * MostPerPixel);
    QImage probe;
    if (!device) {
        probe = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);   // as text stamps measure
        device = &probe;
    }
    const QFontMetricsF metrics(font, const_cast<QPaintDevice *>(device));
    for (qsizetype n = ShortText;; n *= 2) {
        const qsizetype cut = cutAt(text, std::min(n, most));
        if (cut >= text.size())
            return text;
        const QString part = text.first(cut);
        if (cut >= most || metrics.horizontalAdvance(part) >= reach)
            return part;
    }
}

}   // namespace platform
