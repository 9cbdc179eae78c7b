#include "indicators/IndicatorCatalogue.h"

#include "indicators/PaneRoutines.h"

namespace quotechart {

namespace {

Series closes(const PriceHistory &h) { return h.close_array; }
Series highs(const PriceHistory &h) { return h.high_array; }
Series lows(const PriceHistory &h) { return h.low_array; }
VolumeSeries volumes(const PriceHistory &h) { return h.volume_array; }

using S = platform::Surface;
using P = PaneSettings;

void volume(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &) { DisplayVolume(r, s, volumes(h), f, l); }
void rsi(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayRSI(r, s, closes(h), f, l, p.RSI_periods);
}
void fastStochastic(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayFastStochastic(r, s, closes(h), highs(h), lows(h), f, l, p.FS_periodsK, p.FS_periodsD);
}
void slowStochastic(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplaySlowStochastic(r, s, closes(h), highs(h), lows(h), f, l, p.SS_periodsK, p.SS_periodsD);
}
void macd(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayMACD(r, s, closes(h), f, l, p.MACDperiods1, p.MACDperiods2, p.MACDperiods3);
}
void expMADifference(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayExpMADifference(r, s, closes(h), f, l, p.ExpMAperiods1, p.ExpMAperiods2);
}
void momentum(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayMomentum(r, s, closes(h), f, l, p.Momentumperiods);
}
void volatility(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayVolatility(r, s, highs(h), lows(h), f, l, p.Volatilityperiods1, p.Volatilityperiods2);
}
void obv(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &) { DisplayOBV(r, s, closes(h), volumes(h), f, l); }
void moneyFlow(S &r, S &s, const PriceHistory &h, int16_t f, int16_t l, const P &p)
{
    DisplayMoneyFlow(r, s, closes(h), highs(h), lows(h), volumes(h), f, l, p.MoneyFlowperiods);
}

} // namespace

const std::array<IndicatorInfo, 10> indicatorCatalogue{{
    {1, "Volume", volume, {}},
    {2, "RSI", rsi, {{{&P::RSI_periods, "RSI periods"}}}},
    {3, "Fast Stochastic", fastStochastic, {{{&P::FS_periodsK, "%K periods fast"}, {&P::FS_periodsD, "%D periods fast"}}}},
    {4, "Slow Stochastic", slowStochastic, {{{&P::SS_periodsK, "%K periods slow"}, {&P::SS_periodsD, "%D periods slow"}}}},
    {5, "MACD", macd,
     {{{&P::MACDperiods1, "First MA per."}, {&P::MACDperiods2, "Second MA per."}, {&P::MACDperiods3, "Signal MA per."}}}},
    {6, "Exp. MA Difference", expMADifference, {{{&P::ExpMAperiods1, "1st periods"}, {&P::ExpMAperiods2, "2nd periods"}}}},
    {7, "Momentum", momentum, {{{&P::Momentumperiods, "Momentum per."}}}},
    {8, "Volatility", volatility, {{{&P::Volatilityperiods1, "1st periods"}, {&P::Volatilityperiods2, "2nd periods"}}}},
    {9, "On Balance Volume", obv, {}},
    {10, "Money Flow Index", moneyFlow, {{{&P::MoneyFlowperiods, "Money flow per."}}}},
}};

const IndicatorInfo *findIndicator(int16_t number)
{
    if (number < 1 || number > int16_t(indicatorCatalogue.size()))
        return nullptr;
    return &indicatorCatalogue[std::size_t(number - 1)];
}

} // namespace quotechart
