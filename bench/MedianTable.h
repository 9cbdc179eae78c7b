#pragma once
// A console reporter that also keeps the median of each benchmark's
// repetitions, for the comparison benchmarks' closing ratio.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianTable : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
    }
    std::map<std::string, double> medians;
};
