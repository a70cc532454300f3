// The nuclide lab's runs: the exact run of the radium chain over 10,000 steps, and the
// random run of the Mo-99 chain with 10^6 atoms over 1,000 steps beside the same number of plain
// single-nuclide draws (10^6 atoms, 1,000 calls).
#include "model/ChainRuns.h"
#include "model/DecayDraws.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

decay::Chain chain(const char* first)
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return *decay::chainFromTable(*decay::parseNuclideTable(text.str()).table, first).chain;
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
