// Every indicator computed as its pane computes it before drawing, over a
// 5000-day history, for 200, 1000 and 3000 visible days ending at the newest
// day.

#include "calc/IndicatorCalculations.h"
#include "document/PaneSettings.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

using namespace quotechart::indicators;

namespace {

struct SyntheticHistory {
    static constexpr std::size_t slots = 5001;
    std::vector<float> highs = std::vector<float>(slots);
    std::vector<float> lows = std::vector<float>(slots);
    std::vector<float> closes = std::vector<float>(slots);
    std::vector<int32_t> volumes = std::vector<int32_t>(slots);

    SyntheticHistory()
    {
        std::mt19937 generator(2024);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        double close = 60.0;
        for (std::size_t day = slots - 1; day >= 1; --day) {
            close *= 1.0 + (unit(generator) - 0.5) * 0.04;
            closes[day] = float(close);
            highs[day] = float(close * (1.0 + unit(generator) * 0.02));
            lows[day] = float(close * (1.0 - unit(generator) * 0.02));
            volumes[day] = int32_t(50000 + unit(generator) * 5000000);
        }
    }
};

const SyntheticHistory history;
const quotechart::PaneSettings periods;

Day lastVisible(const benchmark::State &state) { return Day(state.range(0)); }

void BM_Volume(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GetMaximumValue(VolumeSeries(history.volumes), 1, lastVisible(state)));
}

void BM_RSI(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rsiLine(history.closes, 1, lastVisible(state), periods.RSI_periods));
}

void BM_FastStochastic(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fastStochasticLines(history.closes, history.highs, history.lows, 1, lastVisible(state),
                                                     periods.FS_periodsK, periods.FS_periodsD));
}

void BM_SlowStochastic(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(slowStochasticLines(history.closes, history.highs, history.lows, 1, lastVisible(state),
                                                     periods.SS_periodsK, periods.SS_periodsD));
}

void BM_MACD(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(macdLines(history.closes, 1, lastVisible(state), periods.MACDperiods1,
                                           periods.MACDperiods2, periods.MACDperiods3));
}

void BM_ExpMADifference(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            expMADifferenceBars(history.closes, 1, lastVisible(state), periods.ExpMAperiods1, periods.ExpMAperiods2));
}

void BM_Momentum(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(momentumBars(history.closes, 1, lastVisible(state), periods.Momentumperiods));
}

void BM_Volatility(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(volatilityLine(history.highs, history.lows, 1, lastVisible(state),
                                                periods.Volatilityperiods1, periods.Volatilityperiods2));
}

void BM_OnBalanceVolume(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(onBalanceVolumeBars(history.closes, history.volumes, 1, lastVisible(state)));
}

void BM_MoneyFlowIndex(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(moneyFlowIndexLine(history.closes, history.highs, history.lows, history.volumes, 1,
                                                    lastVisible(state), periods.MoneyFlowperiods));
}

// The four moving averages and the Bollinger bands of the price pane, with
// work series sized to the history.
void BM_PriceOverlays(benchmark::State &state)
{
    const Day last = lastVisible(state);
    for (auto _ : state) {
        for (const Period period : {10, 50, 200, 20}) {
            WorkSeries average(5000);
            benchmark::DoNotOptimize(CalculateMA(history.closes, average, 1, Day(last + 1), period));
        }
        WorkSeries average(5000);
        WorkSeries band(5000);
        CalculateMA(history.closes, average, 1, Day(last + 21), 20);
        benchmark::DoNotOptimize(BollingerBands(history.closes, average.view(), band, 1, last, 20.0f, 2.0f));
    }
}

void visibleDays(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(200)->Arg(1000)->Arg(3000)->Unit(benchmark::kMicrosecond);
}

}   // namespace

BENCHMARK(BM_Volume)->Apply(visibleDays);
BENCHMARK(BM_RSI)->Apply(visibleDays);
BENCHMARK(BM_FastStochastic)->Apply(visibleDays);
BENCHMARK(BM_SlowStochastic)->Apply(visibleDays);
BENCHMARK(BM_MACD)->Apply(visibleDays);
BENCHMARK(BM_ExpMADifference)->Apply(visibleDays);
BENCHMARK(BM_Momentum)->Apply(visibleDays);
BENCHMARK(BM_Volatility)->Apply(visibleDays);
BENCHMARK(BM_OnBalanceVolume)->Apply(visibleDays);
BENCHMARK(BM_MoneyFlowIndex)->Apply(visibleDays);
BENCHMARK(BM_PriceOverlays)->Apply(visibleDays);
