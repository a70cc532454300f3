// The nuclide table made from NUBASE2020: parsing the compiled-in text (5,490 states; at most 20 ms
// when the lab first opens) and building a chain from it (at most 1 ms): the U-238 series whole
// (22 members) and cut to the run's member limit.
#include "model/nuclides/TableChain.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

std::string tableText()
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void LoadTable(benchmark::State& bench)
{
    const std::string text = tableText();
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::parseNuclideTable(text));
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * text.size()));
}
BENCHMARK(LoadTable)->Unit(benchmark::kMillisecond);

void BuildUraniumSeries(benchmark::State& bench)
{
    const decay::NuclideTable table = *decay::parseNuclideTable(tableText()).table;
    const decay::ChainOptions options{.mostMembers = static_cast<int>(bench.range(0))};
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::chainFromTable(table, "U-238", options));
}
BENCHMARK(BuildUraniumSeries)->Arg(12)->Arg(40)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
