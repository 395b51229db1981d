#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The console reporter that also keeps every benchmark's time per iteration, so that the suite can print
// each speed target as a ratio of two benchmarks measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Plain text: the table is read by people and scripts alike.
    RatioReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // One target: the time of `measured` over the time of `baseline`, to be at most `limit`.
    struct Target {
        std::string title;
        std::string measured;
        std::string baseline;
        double limit;
    };
    // A table of every target with both times, the ratio and whether it holds; a target whose benchmarks
    // did not run (filtered out) is left out.
    void PrintRatios(std::ostream& out, const std::vector<Target>& targets) const;

private:
    // The median of the runs' times: steadier than the fastest on a machine busy with other work, which may
    // slow any single run or, through the caches, speed one.
    static double median(std::vector<double> seconds);

    // Every repetition's CPU time per iteration in seconds, per benchmark name.
    std::map<std::string, std::vector<double>> m_seconds;
};
