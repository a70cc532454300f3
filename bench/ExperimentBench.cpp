// The class experiment: a class of 1000 runs, 100 runs of the worst case (32767 atoms that never
// decay, 3000 steps: 9.8 G draws) on every core, and the statistics and chart of 1000 runs.
#include "model/EnsembleStats.h"

#include <benchmark/benchmark.h>

namespace {

decay::Ensemble ensemble(const decay::EnsembleParams& params)
{
    decay::ProgressCounter progress;
    return *decay::runEnsemble(params, progress);
}

void ClassOf1000(benchmark::State& bench)
{
    std::uint64_t seed = 1;
    for (auto _ : bench)
        benchmark::DoNotOptimize(ensemble({.atoms = 1000, .rate = 0.1, .lastStep = 100, .runs = 1000, .seed = seed++}));
}
BENCHMARK(ClassOf1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void WorstCase100Runs(benchmark::State& bench)
{
    std::uint64_t seed = 1;
    for (auto _ : bench)
        benchmark::DoNotOptimize(ensemble({.atoms = 32767, .rate = 0, .lastStep = 3000, .runs = 100, .seed = seed++}));
    bench.counters["draws/s"] = benchmark::Counter(100 * 32767.0 * 3000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(WorstCase100Runs)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
