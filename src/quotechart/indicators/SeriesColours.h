#pragma once
// The colours of the indicator panes' series, shared by the panes and the
// printed legend that names them.

#include <QColor>

namespace quotechart {

inline const QColor SignalRed(200, 0, 0);   // %D lines and the MACD signal
inline const QColor VolumeColour(0, 128, 0);
inline const QColor MoneyFlowColour(178, 0, 178);
inline const QColor DivergenceColour(28, 177, 227);
inline const QColor DifferenceColour(0, 200, 0);
inline const QColor MomentumColour(0, 70, 0);
inline const QColor OBVColour(0, 128, 0);

}   // namespace quotechart
