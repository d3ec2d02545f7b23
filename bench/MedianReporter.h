#pragma once
// The console reporter every benchmark program uses: it prints as Google
// Benchmark does and keeps each benchmark's time per iteration, the median
// when the runs are repeated, so that the program can tell its ratios and
// targets at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace vel::bench {

class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.error_occurred) {
                failed = true;
                continue;
            }
            // With repetitions the median stands for the benchmark.
            if (run.run_type == Run::RT_Iteration && !medians.count(run.run_name.str()))
                times[run.run_name.str()] = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times[run.run_name.str()] = run.GetAdjustedRealTime();
                medians.insert(run.run_name.str());
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // A benchmark's time per iteration, -1 when it did not run.
    double Time(const std::string &name) const {
        const auto found = times.find(name);
        return found == times.end() ? -1.0 : found->second;
    }
    std::map<std::string, double> times;  // in each benchmark's own unit
    std::set<std::string> medians;
    bool failed = false;  // a run stopped with an error
};

}  // namespace vel::bench
