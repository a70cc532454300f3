// The nuclide lab's runs: the exact run of the radium chain and of a 20-member chain over 10,000
// steps, a logarithmic grid of the uranium series, and the random runs of the Mo-99 and the
// Ra-226 chain with 10^6 atoms over 1,000 steps beside the same number of plain single-nuclide
// draws (10^6 atoms, 1,000 calls).
#include "model/nuclides/ChainRuns.h"
#include "model/random/DecayDraws.h"
#include "model/nuclides/TableChain.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

decay::Chain chain(const char* first, int members = decay::kMostChainMembers)
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return *decay::chainFromTable(*decay::parseNuclideTable(text.str()).table, first, {.mostMembers = members}).chain;
}

decay::RunSetup setup(const decay::Chain& c, double atoms, double step, int steps)
{
    std::vector<double> initial(static_cast<std::size_t>(c.size()), 0.0);
    initial[0] = atoms;
    return {initial, step, steps, {}};
}

void ExactRadiumChain(benchmark::State& bench)
{
    const auto radium = chain("Ra-226");
    const auto run = setup(radium, 1e6, radium.members[1].halfLife / 10, 10000);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::exactRun(radium, run));
}
BENCHMARK(ExactRadiumChain)->Unit(benchmark::kMillisecond);

void ExactTwentyMembers(benchmark::State& bench)
{
    const auto uranium = chain("U-238", 20);
    const auto run = setup(uranium, 1e6, decay::kSecondsPerYear, 10000);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::exactRun(uranium, run));
    bench.counters["members"] = uranium.size();
}
BENCHMARK(ExactTwentyMembers)->Unit(benchmark::kMillisecond);

// The whole series from a second to 10^10 years, 20 points a decade: every step its own matrix.
void ExactSeriesLogarithmic(benchmark::State& bench)
{
    const auto uranium = chain("U-238");
    auto run = setup(uranium, 1e6, 0, 0);
    run.grid = decay::logarithmicTimes(1, 1e10 * decay::kSecondsPerYear, 20);
    run.steps = static_cast<int>(run.grid.size()) - 1;
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::exactRun(uranium, run));
    bench.counters["steps"] = run.steps;
}
BENCHMARK(ExactSeriesLogarithmic)->Unit(benchmark::kMillisecond);

void RandomRadiumChain(benchmark::State& bench)
{
    const auto radium = chain("Ra-226");
    const auto run = setup(radium, 1e6, 3600, 1000);
    decay::DecayDraws draws(11);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::randomRun(radium, run, draws));
}
BENCHMARK(RandomRadiumChain)->Unit(benchmark::kMillisecond);

void RandomMolybdenumChain(benchmark::State& bench)
{
    const auto molybdenum = chain("Mo-99");
    const auto run = setup(molybdenum, 1e6, 0.6 * 3600, 1000);
    decay::DecayDraws draws(11);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::randomRun(molybdenum, run, draws));
}
BENCHMARK(RandomMolybdenumChain)->Unit(benchmark::kMillisecond);

void SingleNuclideDraws(benchmark::State& bench)
{
    decay::DecayDraws draws(11);
    const auto limit = decay::DecayDraws::drawLimit(0.0f);
    for (auto _ : bench)
        for (int step = 0; step < 1000; ++step)
            benchmark::DoNotOptimize(draws.countDecays(1000000, limit));
}
BENCHMARK(SingleNuclideDraws)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
