#include "indicators/IndicatorCatalogue.h"

namespace quotechart {

using P = PaneSettings;

const std::array<IndicatorInfo, 10> indicatorCatalogue{{
    {1, "Volume", DisplayVolume, {}},
    {2, "RSI", DisplayRSI, {{{&P::RSI_periods, "RSI periods"}}}},
    {3,
     "Fast Stochastic",
     DisplayFastStochastic,
     {{{&P::FS_periodsK, "%K periods fast"}, {&P::FS_periodsD, "%D periods fast"}}}},
    {4,
     "Slow Stochastic",
     DisplaySlowStochastic,
     {{{&P::SS_periodsK, "%K periods slow"}, {&P::SS_periodsD, "%D periods slow"}}}},
    {5,
     "MACD",
     DisplayMACD,
     {{{&P::MACDperiods1, "First MA per."},
       {&P::MACDperiods2, "Second MA per."},
       {&P::MACDperiods3, "Signal MA per."}}}},
    {6,
     "Exp. MA Difference",
     DisplayExpMADifference,
     {{{&P::ExpMAperiods1, "1st periods"}, {&P::ExpMAperiods2, "2nd periods"}}}},
    {7, "Momentum", DisplayMomentum, {{{&P::Momentumperiods, "Momentum per."}}}},
    {8,
     "Volatility",
     DisplayVolatility,
     {{{&P::Volatilityperiods1, "1st periods"}, {&P::Volatilityperiods2, "2nd periods"}}}},
    {9, "On Balance Volume", DisplayOBV, {}},
    {10, "Money Flow Index", DisplayMoneyFlow, {{{&P::MoneyFlowperiods, "Money flow per."}}}},
}};

const IndicatorInfo *findIndicator(int16_t number)
{
    if (number < 1 || number > int16_t(indicatorCatalogue.size()))
        return nullptr;
    return &indicatorCatalogue[std::size_t(number - 1)];
}

}   // namespace quotechart
