#pragma once
// The price pane's scales, fixed by the price ruler and the chart drawing and
// kept between redraws (the arrows of a hidden chart use the last ones). A
// logarithmic scale keeps the ticks of the last linear one.

namespace quotechart {

struct PriceScale {
    float price_tick = 0;
    float ruler_low_ticks = 0;
    float ruler_high_ticks = 0;
    float price_scale = 0;   // vertical twips per price unit (per decade when logarithmic)
    float day_width = 0;     // horizontal twips per day slot
    bool logarithmic = false;
    double log_low = 0;    // log10 of the price on the lowest ruler line, when logarithmic
    double log_high = 0;   // and on the highest
};

}   // namespace quotechart
