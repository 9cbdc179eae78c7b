#pragma once
// The candlesticks' colours: of days closing at or above their open, and
// below it. These are the defaults of the settings store's keys.

#include <QColor>

namespace quotechart {

struct CandleColours {
    QColor rising = QColor(0, 150, 0);
    QColor falling = QColor(210, 0, 0);
};

}   // namespace quotechart
