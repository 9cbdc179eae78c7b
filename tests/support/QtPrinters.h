#pragma once
// Readable GoogleTest output for Qt values.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor &color, std::ostream *out)
{
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
inline void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}
inline void PrintTo(const QPoint &point, std::ostream *out) { *out << "(" << point.x() << ", " << point.y() << ")"; }
