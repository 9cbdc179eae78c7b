#pragma once
// The price scale the renderer tests draw hand-made histories with.

#include "document/PriceScale.h"

// 1 price unit = 100 twips, the ruler line 10 at 50 twips above the bottom.
inline quotechart::PriceScale handScale()
{
    quotechart::PriceScale scale;
    scale.price_tick = 1;
    scale.ruler_low_ticks = 10;
    scale.ruler_high_ticks = 20;
    scale.price_scale = 100;
    scale.day_width = 1000;
    return scale;
}
