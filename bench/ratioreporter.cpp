#include "ratioreporter.h"

#include <algorithm>
#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        m_seconds[run.benchmark_name()].push_back(run.GetAdjustedCPUTime() /
                                                  benchmark::GetTimeUnitMultiplier(run.time_unit));
    }
}

double RatioReporter::median(std::vector<double> seconds) {
    const auto middle = seconds.begin() + static_cast<std::ptrdiff_t>(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    if (seconds.size() % 2 == 1) return *middle;
    return (*middle + *std::max_element(seconds.begin(), middle)) / 2;
}

void RatioReporter::PrintRatios(std::ostream& out, const std::vector<Target>& targets) const {
    out << "\nTarget                                          measured     baseline   ratio  limit\n";
    char line[160];
    for (const Target& t : targets) {
        const auto m = m_seconds.find(t.measured);
        const auto b = m_seconds.find(t.baseline);
        if (m == m_seconds.end() || b == m_seconds.end()) continue;
        const double measured = median(m->second);
        const double baseline = median(b->second);
        const double ratio = measured / baseline;
        std::snprintf(line, sizeof line, "%-44s %9.1f us %9.1f us %7.2f %6.1f  %s\n", t.title.c_str(),
                      measured * 1e6, baseline * 1e6, ratio, t.limit, ratio <= t.limit ? "ok" : "MISSED");
        out << line;
    }
}
