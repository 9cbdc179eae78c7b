#include "platform/TextStamps.h"

#include "platform/ScaledFont.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <cmath>
#include <optional>

namespace platform {

namespace {

// The cache is bounded by the bytes it holds, images and keys: a count of
// entries says nothing when one text may be megabytes. A few screens of
// labels take well under a megabyte.
constexpr qsizetype MaxStampBytes = qsizetype(16) << 20;

qsizetype bytesOf(const QString &key, const TextStamp &stamp)
{
    return qsizetype(sizeof(TextStamp)) + key.size() * qsizetype(sizeof(QChar)) + stamp.image.sizeInBytes();
}

// What tells fonts apart in a stamp's key. QFont::key() leaves out kerning,
// hinting and overline, which change the pixels too.
QString writtenOut(const QFont &font)
{
    return font.key() + QStringLiteral(",%1,%2,%3")
                            .arg(int(font.kerning()))
                            .arg(int(font.hintingPreference()))
                            .arg(int(font.overline()));
}

// The key of a font, kept for the last few fonts: writing one out takes
// every field of the font, and a redraw stamps dozens of labels in two or
// three fonts. Equal fonts have equal keys.
const QString &fontKey(const QFont &font)
{
    struct Known {
        QFont font;
        QString key;
    };
    thread_local std::array<std::optional<Known>, 4> known;
    thread_local std::size_t next = 0;
    for (const std::optional<Known> &entry : known)
        if (entry && entry->font == font)
            return entry->key;
    std::optional<Known> &slot = known[next];
    next = (next + 1) % known.size();
    slot = Known{font, writtenOut(font)};
    return slot->key;
}

QString keyOf(const QString &text, const QFont &font, const QColor &colour)
{
    return fontKey(font) + QChar(0) + QString::number(colour.rgba(), 16) + QChar(0) + text;
}

TextStamp render(const QString &text, const QFont &font, const QColor &colour)
{
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);   // the metrics of an image, as drawing uses
    const QFontMetricsF metrics(font, &probe);
    const QRectF bounds = metrics.boundingRect(text);   // relative to the baseline origin
    const int left = int(std::floor(bounds.left())) - 1, top = int(std::floor(bounds.top())) - 1;
    const int width = int(std::ceil(bounds.right())) + 2 - left, height = int(std::ceil(bounds.bottom())) + 2 - top;
    TextStamp stamp;
    stamp.image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    stamp.image.fill(Qt::transparent);
    {
        QPainter painter(&stamp.image);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(-left, -top), text);
    }
    stamp.offset = QPoint(left, int(std::lround(metrics.ascent())) + top);
    return stamp;
}

QCache<QString, TextStamp> &stamps()
{
    thread_local QCache<QString, TextStamp> cache(MaxStampBytes);
    return cache;
}

}   // namespace

qsizetype textStampBytes() { return stamps().totalCost(); }

const TextStamp &textStamp(const QString &text, const QFont &logicalFont, const QColor &colour, double pixelRatio)
{
    // A stamp too large for the cache is kept only until the next one.
    thread_local TextStamp uncached;
    const QFont font = scaledFont(logicalFont, pixelRatio);
    const QString key = keyOf(text, font, colour);
    if (const TextStamp *stamp = stamps().object(key))
        return *stamp;
    auto *stamp = new TextStamp(render(text, font, colour));
    const qsizetype bytes = bytesOf(key, *stamp);
    if (bytes > MaxStampBytes) {
        uncached = std::move(*stamp);
        delete stamp;
        return uncached;
    }
    stamps().insert(key, stamp, bytes);
    return *stamp;
}

}   // namespace platform
