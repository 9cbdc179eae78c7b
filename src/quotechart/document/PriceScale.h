#pragma once
// The price pane's scales, fixed by the price ruler and the chart drawing and
// kept between redraws (the arrows of a hidden chart use the last ones).

namespace quotechart {

struct PriceScale {
    float price_tick = 0;
    float ruler_low_ticks = 0;
    float ruler_high_ticks = 0;
    float price_scale = 0;   // vertical twips per price unit
    float day_width = 0;     // horizontal twips per day slot
};

}   // namespace quotechart
