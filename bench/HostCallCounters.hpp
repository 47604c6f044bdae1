// Host calls beside the time: the real host answers far more slowly than the stand-in, so the calls per
// element or row of a run are the figure that decides its cost there. Counted over the last iteration
// (every iteration makes the same calls); each benchmark resets the counts when its iteration starts.
#pragma once

#include "hostplatform/HostCalls.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace bench {

// The calls per unit by call name of each run, by heading; printed once at the end, since the library
// calls a benchmark several times.
inline std::map<std::string, std::string>& HostCallBreakdowns() {
    static std::map<std::string, std::string> breakdowns;
    return breakdowns;
}

// Sets the counter `name` to the calls per unit and keeps the calls per unit by call name under `run`.
inline void ReportHostCalls(benchmark::State& state, const std::string& run, const std::string& name,
                            double units) {
    if (units <= 0.0)
        return;
    state.counters[name] = static_cast<double>(hostplatform::HostCalls::Total()) / units;
    std::string text;
    char line[160];
    for (const auto& [call, count] : hostplatform::HostCalls::ByName()) {
        std::snprintf(line, sizeof line, "  %10.3f %10llu  %s\n", static_cast<double>(count) / units,
                      static_cast<unsigned long long>(count), call.c_str());
        text += line;
    }
    HostCallBreakdowns()[run + ", " + name + " over " + std::to_string(static_cast<long long>(units))] = text;
}

// Runs the benchmarks, then prints the breakdowns on stderr.
inline int RunWithHostCalls(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    for (const auto& [heading, text] : HostCallBreakdowns())
        std::fprintf(stderr, "%s, calls per unit and calls:\n%s", heading.c_str(), text.c_str());
    return 0;
}

} // namespace bench
