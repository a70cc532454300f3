// The atoms of a run one by one: building them beside the run's own time, for a million atoms of
// a lone nuclide and of the radium chain over 1,000 steps; a frame of the square, a jump in time,
// and a patch's curve.
#include "model/atoms/AtomsSession.h"
#include "model/nuclides/ChainRuns.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/TableChain.h"
#include "model/random/DecayDraws.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

decay::Chain chain(const char* first)
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return *decay::chainFromTable(*decay::parseNuclideTable(text.str()).table, first, {}).chain;
}

decay::Chain loneNuclide()
{
    decay::CustomChainTexts texts;
    texts.members.push_back({"X", "100", decay::TimeUnit::Second});
    return *decay::readCustomChain(texts).chain;
}

// A million atoms over 1,000 steps: the lone nuclide's half-life is 100 steps; the radium
// chain's steps an hour each, as the lab's random-run benchmark takes it, in which few Ra-226 atoms
// decay; the thorium series' steps 5 days each, over which nearly every atom goes down the whole
// series to Pb-208, the most moves a chain's atoms make.
struct Case {
    decay::Chain chain;
    double step;
};
Case runCase(int which)
{
    if (which == 0)
        return {loneNuclide(), 1};
    return which == 1 ? Case{chain("Ra-226"), 3600} : Case{chain("Th-228"), 5 * 86400.0};
}

decay::LabRun labRun(const Case& c)
{
    std::vector<double> initial(static_cast<std::size_t>(c.chain.size()), 0.0);
    initial[0] = 1e6;
    return *decay::runLab(c.chain, {initial, c.step, 1000, {}}, decay::TimeUnit::Second, true, 11);
}

void RandomRun(benchmark::State& bench)
{
    const Case c = runCase(static_cast<int>(bench.range(0)));
    std::vector<double> initial(static_cast<std::size_t>(c.chain.size()), 0.0);
    initial[0] = 1e6;
    const decay::RunSetup setup{initial, c.step, 1000, {}};
    decay::DecayDraws draws(11);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::randomRun(c.chain, setup, draws));
}
BENCHMARK(RandomRun)->ArgName("chain")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BuildAtoms(benchmark::State& bench)
{
    const decay::LabRun run = labRun(runCase(static_cast<int>(bench.range(0))));
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const decay::AtomField field(decay::atomsOfLab(&run), 5);
        bytes = field.bytes();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BuildAtoms)->ArgName("chain")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A frame of a million atoms, one pixel each, at a step that moves on every frame (`jump:0`), or
// jumping between the first and the last step (`jump:1`).
void Frame(benchmark::State& bench)
{
    const decay::LabRun run = labRun(runCase(static_cast<int>(bench.range(0))));
    decay::AtomsSession session(decay::atomsOfLab(&run), 5);
    const decay::AtomLayout layout = decay::atomLayout(session.atoms(), 1000, 1000);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout.width() * layout.height()));
    int step = 0;
    for (auto _ : bench) {
        step = bench.range(1) ? (step == 0 ? 1000 : 0) : (step + 1) % 1001;
        session.setStep(step);
        session.paint(layout, pixels, decay::PixelOrder::Argb);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(Frame)->ArgNames({"chain", "jump"})->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

// A patch's curve: a quarter of the square (250,000 atoms) and the whole.
void PatchCurve(benchmark::State& bench)
{
    const decay::LabRun run = labRun(runCase(static_cast<int>(bench.range(0))));
    decay::AtomsSession session(decay::atomsOfLab(&run), 5);
    const decay::AtomLayout layout = decay::atomLayout(session.atoms(), 1000, 1000);
    const double side = bench.range(1) ? 1000 : 500;
    for (auto _ : bench) {
        session.setPatch(0, session.atomsInRectangle(layout, 0, 0, side, side));
        benchmark::DoNotOptimize(session.plot());
    }
}
BENCHMARK(PatchCurve)->ArgNames({"chain", "whole"})->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
