#include "platform/TextStamps.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace platform {

namespace {

constexpr int MaxStamps = 1024;   // a few screens of labels

QString keyOf(const QString &text, const QFont &font, const QColor &colour)
{
    return font.key() + QChar(0) + QString::number(colour.rgba(), 16) + QChar(0) + text;
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

} // namespace

const TextStamp &textStamp(const QString &text, const QFont &font, const QColor &colour)
{
    thread_local QCache<QString, TextStamp> stamps(MaxStamps);
    const QString key = keyOf(text, font, colour);
    if (const TextStamp *stamp = stamps.object(key))
        return *stamp;
    auto *stamp = new TextStamp(render(text, font, colour));
    stamps.insert(key, stamp);
    return *stamps.object(key);
}

} // namespace platform
