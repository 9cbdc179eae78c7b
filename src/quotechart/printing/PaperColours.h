#pragma once
// The moving averages' colours on paper, brighter than the screen's.

#include <QColor>

namespace quotechart {

inline const QColor PaperMA10(255, 0, 0);
inline const QColor PaperMA50(0, 255, 0);
inline const QColor PaperMA200(0, 0, 255);
inline const QColor PaperCustomMA(0, 255, 255);

}   // namespace quotechart
