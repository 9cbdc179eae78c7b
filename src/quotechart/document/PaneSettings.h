#pragma once
// The settings of one indicator pane: which indicator it shows and the
// periods of every indicator, so the same indicator can appear in two panes
// with different periods. Fields are signed 16-bit, in this fixed order.

#include <array>
#include <cstdint>

namespace quotechart {

struct PaneSettings {
    int16_t indicator = 0;
    int16_t RSI_periods = 14;
    int16_t FS_periodsK = 5;
    int16_t FS_periodsD = 5;
    int16_t SS_periodsK = 5;
    int16_t SS_periodsD = 5;
    int16_t ExpMAperiods1 = 10;
    int16_t ExpMAperiods2 = 15;
    int16_t MACDperiods1 = 12;
    int16_t MACDperiods2 = 26;
    int16_t MACDperiods3 = 5;
    int16_t Momentumperiods = 12;
    int16_t Volatilityperiods1 = 10;
    int16_t Volatilityperiods2 = 10;
    int16_t MoneyFlowperiods = 10;
};

// The fourteen periods (fields 1 to 14) in record order, with the settings
// key each is stored under (the pane number is appended to the key).
struct PeriodField {
    int16_t PaneSettings::*member;
    const char *key;
};

inline constexpr std::array<PeriodField, 14> periodFields{{
    {&PaneSettings::RSI_periods, "RSI_periods"},
    {&PaneSettings::FS_periodsK, "FS_periodsK"},
    {&PaneSettings::FS_periodsD, "FS_periodsD"},
    {&PaneSettings::SS_periodsK, "SS_periodsK"},
    {&PaneSettings::SS_periodsD, "SS_periodsD"},
    {&PaneSettings::ExpMAperiods1, "ExpMAperiods1"},
    {&PaneSettings::ExpMAperiods2, "ExpMAperiods2"},
    {&PaneSettings::MACDperiods1, "MACDperiods1"},
    {&PaneSettings::MACDperiods2, "MACDperiods2"},
    {&PaneSettings::MACDperiods3, "MACDperiods3"},
    {&PaneSettings::Momentumperiods, "Momentumperiods"},
    {&PaneSettings::Volatilityperiods1, "Volatilityperiods1"},
    {&PaneSettings::Volatilityperiods2, "Volatilityperiods2"},
    {&PaneSettings::MoneyFlowperiods, "MoneyFlowperiods"},
}};

inline constexpr int PaneCount = 3;
// Indicators the three panes show when nothing is stored: Volume, Fast
// Stochastic, Exp. MA Difference.
inline constexpr std::array<int16_t, PaneCount> defaultIndicators{1, 3, 6};

}   // namespace quotechart
