#include "indicators/IndicatorCatalogue.h"

#include "indicators/SeriesColours.h"

namespace quotechart {

using P = PaneSettings;

const QColor Black(0, 0, 0);

const std::array<IndicatorInfo, 10> indicatorCatalogue{{
    {1, "Volume", DisplayVolume, {}, {{{"Volume", VolumeColour}}}},
    {2, "RSI", DisplayRSI, {{{&P::RSI_periods, "RSI periods"}}}, {{{"RSI", Black, {&P::RSI_periods}}}}},
    {3,
     "Fast Stochastic",
     DisplayFastStochastic,
     {{{&P::FS_periodsK, "%K periods fast"}, {&P::FS_periodsD, "%D periods fast"}}},
     {{{"Fast Stoch. %K", Black, {&P::FS_periodsK}}, {"Fast Stoch. %D", SignalRed, {&P::FS_periodsD}}}}},
    {4,
     "Slow Stochastic",
     DisplaySlowStochastic,
     {{{&P::SS_periodsK, "%K periods slow"}, {&P::SS_periodsD, "%D periods slow"}}},
     {{{"Slow Stoch. %K", Black, {&P::SS_periodsK}}, {"Slow Stoch. %D", SignalRed, {&P::SS_periodsD}}}}},
    {5,
     "MACD",
     DisplayMACD,
     {{{&P::MACDperiods1, "First MA per."},
       {&P::MACDperiods2, "Second MA per."},
       {&P::MACDperiods3, "Signal MA per."}}},
     {{{"MACD", Black, {&P::MACDperiods1, &P::MACDperiods2}},
       {"EMA", SignalRed, {&P::MACDperiods3}},
       {"Divergence", DivergenceColour}}}},
    {6,
     "Exp. MA Difference",
     DisplayExpMADifference,
     {{{&P::ExpMAperiods1, "1st periods"}, {&P::ExpMAperiods2, "2nd periods"}}},
     {{{"EMA Diff.", DifferenceColour, {&P::ExpMAperiods1, &P::ExpMAperiods2}}}}},
    {7,
     "Momentum",
     DisplayMomentum,
     {{{&P::Momentumperiods, "Momentum per."}}},
     {{{"Momentum", MomentumColour, {&P::Momentumperiods}}}}},
    {8,
     "Volatility",
     DisplayVolatility,
     {{{&P::Volatilityperiods1, "1st periods"}, {&P::Volatilityperiods2, "2nd periods"}}},
     {{{"Volatility", Black, {&P::Volatilityperiods1, &P::Volatilityperiods2}}}}},
    {9, "On Balance Volume", DisplayOBV, {}, {{{"On Balance Volume", OBVColour}}}},
    {10,
     "Money Flow Index",
     DisplayMoneyFlow,
     {{{&P::MoneyFlowperiods, "Money flow per."}}},
     {{{"Money Flow", MoneyFlowColour, {&P::MoneyFlowperiods}}}}},
}};

QString SeriesLegend::text(const PaneSettings &settings) const
{
    QString result = QLatin1String(name);
    if (!periods[0])
        return result;
    result += u'(' + QString::number(settings.*periods[0]);
    if (periods[1])
        result += QStringLiteral(" vs. ") + QString::number(settings.*periods[1]);
    return result + u')';
}

const IndicatorInfo *findIndicator(int16_t number)
{
    if (number < 1 || number > int16_t(indicatorCatalogue.size()))
        return nullptr;
    return &indicatorCatalogue[std::size_t(number - 1)];
}

}   // namespace quotechart
