// The hot paths of a run: the random run's worst case (32767 atoms that never decay, 3001 steps,
// about 98 million draws), the deterministic run of 3002 steps, and the 3001-line data file.
#include "model/random/DecayDraws.h"
#include "model/run/Runs.h"
#include "output/DataFile.h"
#include "output/DataFileWriter.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

namespace {

void RandomRunWorstCase(benchmark::State& bench)
{
    auto state = std::make_unique<decay::RunState>();
    std::uint64_t seed = 1;
    for (auto _ : bench) {
        state->tmax = 3000;
        decay::runRandom(*state, {"32767", "0", ""}, seed++);
        benchmark::DoNotOptimize(state->Nt[3001]);
    }
    bench.counters["draws/s"] = benchmark::Counter(32767.0 * 3001, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(RandomRunWorstCase)->Unit(benchmark::kMillisecond);

// The same 98 million draws through each instruction set this processor has.
void CountDecays(benchmark::State& bench)
{
    const auto isa = static_cast<decay::DecayDraws::Isa>(bench.range(0));
    if (!decay::DecayDraws::supported(isa)) {
        bench.SkipWithError("not supported here");
        return;
    }
    decay::DecayDraws draws(7);
    const auto limit = decay::DecayDraws::drawLimit(0.0f);
    for (auto _ : bench)
        for (int step = 0; step < 3001; ++step)
            benchmark::DoNotOptimize(draws.countDecays(32767, limit, isa));
}
BENCHMARK(CountDecays)->Arg(0)->Arg(1)->Arg(2)->ArgName("isa")->Unit(benchmark::kMillisecond);

void DeterministicRun(benchmark::State& bench)
{
    auto state = std::make_unique<decay::RunState>();
    for (auto _ : bench) {
        decay::runDeterministic(*state, {"100", "0.1", "3000"});
        benchmark::DoNotOptimize(state->Nt[3001]);
    }
}
BENCHMARK(DeterministicRun)->Unit(benchmark::kMicrosecond);

void WriteDataFile(benchmark::State& bench)
{
    auto state = std::make_unique<decay::RunState>();
    decay::runDeterministic(*state, {"100", "0.001", "3000"});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.csv"));
    for (auto _ : bench) {
        const QString error = decay::writeFileAtomically(path, decay::dataFileText(*state));
        if (!error.isEmpty())
            bench.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(WriteDataFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
