// The price-pane part of the window redraw: Clear, both rulers and the chart
// with every overlay on, on a 1600 x 1000 pixel chart of a 5000-day history.

#include "BenchChart.h"

#include <benchmark/benchmark.h>

namespace {

void PricePaneRedraw(benchmark::State &state)
{
    const BenchHistory history(5000);
    const auto chart = benchChart(history, 1600, 1000);
    const auto visible = int16_t(state.range(0));
    for (auto _ : state) {
        int16_t s = 1, e = visible;
        chart->Clear();
        chart->DrawPriceRuler(s, e);
        chart->DrawDateRuler(s, e);
        chart->DisplayChart(s, e);
    }
}

BENCHMARK(PricePaneRedraw)->Arg(200)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

}   // namespace
