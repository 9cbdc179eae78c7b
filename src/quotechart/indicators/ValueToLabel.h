#pragma once
// Short labels for large values (volumes, on-balance volume).

#include <QString>

namespace quotechart {

// Thousands " T", millions " M", billions " B", switching at 100 of a unit
// rather than 1000, so that the label stays short: 150 gives "0.2 T",
// 100000 gives "100.0 T", 2.5e6 "2.5 M", 1.5e9 "1.50 B". A value of 100 or
// less gives an empty label; values beyond billions stay in billions.
QString ValueToLabel(float value);

}   // namespace quotechart
