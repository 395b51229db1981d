#include "ratioreporter.h"

#include <algorithm>
#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        const double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto [it, added] = m_seconds.emplace(run.benchmark_name(), seconds);
        if (!added) it->second = std::min(it->second, seconds);
    }
}

void RatioReporter::PrintRatios(std::ostream& out, const std::vector<Target>& targets) const {
    out << "\nTarget                                          measured     baseline   ratio  limit\n";
    char line[160];
    for (const Target& t : targets) {
        const auto m = m_seconds.find(t.measured);
        const auto b = m_seconds.find(t.baseline);
        if (m == m_seconds.end() || b == m_seconds.end()) continue;
        const double ratio = m->second / b->second;
        std::snprintf(line, sizeof line, "%-44s %9.1f us %9.1f us %7.2f %6.1f  %s\n", t.title.c_str(),
                      m->second * 1e6, b->second * 1e6, ratio, t.limit, ratio <= t.limit ? "ok" : "MISSED");
        out << line;
    }
}
