#pragma once
// The texts of the crosshair's two read-outs for one day.

#include "quotechart/PriceHistory.h"

#include <QString>

#include <optional>

namespace quotechart {

// Company, high, low, close and date of day d; empty when d is not a loaded
// day or its date does not read (the caption then keeps its text).
std::optional<QString> captionText(const QString &company, const PriceHistory &history, int d);

struct ChangeReadout {
    QString text;
    bool rise = false;   // shown in green; anything else in red
};

// The change of day d's close against the older day d + 1 and its
// percentage, the minus form also for no change. Empty when either day is not
// loaded: the oldest day has nothing to compare with, and the read-out keeps
// its text. A previous close of 0 leaves the percentage at 0.
std::optional<ChangeReadout> changeReadout(const PriceHistory &history, int d);

}   // namespace quotechart
