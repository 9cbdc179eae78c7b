#include "indicators/ValueToLabel.h"

#include "platform/NumberFormat.h"

namespace quotechart {

QString ValueToLabel(float value)
{
    constexpr float Threshold = 100;
    bool thousand = false, million = false, billion = false;
    if (value > Threshold) {
        value /= 1000;
        thousand = true;
    }
    if (value > Threshold && thousand) {
        value /= 1000;
        million = true;
        thousand = false;
    }
    if (value > Threshold && million) {
        value /= 1000;
        billion = true;
        million = false;
    }
    if (thousand)
        return platform::formatNumber(value, u"####0.0") + QStringLiteral(" T");
    if (million)
        return platform::formatNumber(value, u"####0.0") + QStringLiteral(" M");
    if (billion)
        return platform::formatNumber(value, u"####0.00") + QStringLiteral(" B");
    return {};
}

}   // namespace quotechart
