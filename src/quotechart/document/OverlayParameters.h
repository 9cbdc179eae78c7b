#pragma once
// Overlay parameters: one set per thread, shared by every chart created on
// that thread (the parameter dialogs of one chart change them for all).

#include <cstdint>

namespace quotechart {

struct OverlayParameters {
    int16_t custom_ma_period = 20;
    int16_t envelope_percent = 5;
    int16_t envelope_period = 20;
    float bollinger_width = 2.0f;
    float bollinger_period = 20.0f;
};

OverlayParameters &overlayParameters();

}   // namespace quotechart
