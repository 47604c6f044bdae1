// The whole take-off as the user's command runs it (dropping the previous result, reading the model and
// evaluating every element) on synthetic projects of 10,000 and 100,000 elements: elements per second,
// host calls per element and the peak resident set size of the process. Installing the project stays
// outside the timed loop. The machine may be shared: each size runs five times and the median counts.
#include "HostCallCounters.hpp"
#include "SyntheticProject.hpp"

#include "engine/Articles.hpp"

#include "hostplatform/Host.hpp"

#include <benchmark/benchmark.h>

#include <string>

#include <sys/resource.h>

namespace {

double PeakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes on Linux
}

void BM_Takeoff(benchmark::State& state) {
    static const Articles fillsTheRuleTables;
    const int elements = static_cast<int>(state.range(0));
    synthetic::Install(elements);

    for (auto _ : state) {
        hostplatform::HostCalls::Reset();
        Articles::articleCount = 0;
        Articles::reportCount = 0;
        Articles::allArticlesGroups.Clear();
        if (!Articles::ReadElementsFromModel(false)) {
            state.SkipWithError("the QELM system was not read");
            return;
        }
        benchmark::DoNotOptimize(Articles::EvaluateElements());
    }

    state.counters["elements/s"] =
        benchmark::Counter(static_cast<double>(elements), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["collected"] = static_cast<double>(vAllElementGuids.GetSize());
    state.counters["articles"] = Articles::articleCount;
    state.counters["reports"] = Articles::reportCount;
    state.counters["groups"] = static_cast<double>(Articles::allArticlesGroups.GetSize());
    state.counters["peak_rss_MB"] = PeakRssMegabytes();
    bench::ReportHostCalls(state, "take-off of " + std::to_string(elements), "host_calls/elem", elements);

    Articles::allArticlesGroups.Clear();
    vAllElementGuids.Clear();
    hostplatform::ResetHost();
}

BENCHMARK(BM_Takeoff)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithHostCalls(argc, argv);
}
