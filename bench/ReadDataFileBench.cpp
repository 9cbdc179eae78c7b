// Loading a 5000-day history file with ReadDataFile.

#include "BenchHistory.h"

#include <quotechart/REvuved.h>

#include <benchmark/benchmark.h>

namespace {

void ReadDataFile5000Days(benchmark::State &state)
{
    const BenchHistory history(5000);
    quotechart::setApplicationPath(history.path());
    quotechart::REvuved chart;
    for (auto _ : state) {
        QString ticker = BenchHistory::ticker();
        bool today = false;
        chart.ReadDataFile(ticker, today);
        benchmark::DoNotOptimize(chart.history().record_count);
    }
    if (chart.history().record_count != 5000)
        state.SkipWithError("the file did not load whole");
}

BENCHMARK(ReadDataFile5000Days)->Unit(benchmark::kMillisecond);

}   // namespace
