// The counting lab's hot paths: one frame of a run played at 1x with 10^5 detected events per
// second of simulated time, and the half-life fits of 10,000 intervals, of every shape.
#include "tests/model/nuclides/ShippedTable.h"
#include "model/nuclides/TableChain.h"
#include "model/counting/Counter.h"
#include "model/counting/HalfLifeFit.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The times of a run of `steps` steps of `step` seconds, as the lab's run has them.
std::vector<double> evenTimes(double step, int steps)
{
    return decay::RunSetup{.initial = {}, .step = step, .steps = steps, .milk = {}, .grid = {}}.times();
}

// 10 minutes in 1 ms steps: 1000 decays (random run) or 10^6 Bq (exact run) in every step, seen
// with efficiency 0.1, so 10^5 detected events per second, and the usual background.
decay::SampleRun busyRun(decay::SampleRun::Kind kind)
{
    const double perStep = kind == decay::SampleRun::Kind::Decays ? 1000 : 1e6;
    return {.kind = kind, .times = evenTimes(1e-3, 600000), .perStep = std::vector<double>(600000, perStep)};
}

// What the window does once per frame at 60 frames per second, playing at 1x.
void CountingFrame(benchmark::State& bench)
{
    const auto kind = static_cast<decay::SampleRun::Kind>(bench.range(0));
    decay::Counter counter(busyRun(kind), {.efficiency = 0.1, .background = 0.5, .stepsPerInterval = 1000}, 3);
    double t = 0;
    for (auto _ : bench) {
        t += 1.0 / 60;
        counter.playTo(t);
        benchmark::DoNotOptimize(counter.running().counts);
    }
}
BENCHMARK(CountingFrame)->Arg(0)->Arg(1)->ArgName("exact")->Iterations(20000)->Unit(benchmark::kMicrosecond);

// 10,000 one-second intervals of a source with a half-life of 2000 s, background measured.
decay::FitData tenThousandIntervals()
{
    const double lambda = std::log(2.0) / 2000;
    decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = evenTimes(1, 10000), .perStep = {}};
    for (int k = 0; k < 10000; ++k)
        run.perStep.push_back(1000 * std::exp(-lambda * k));
    decay::Counter counter(run, {}, 5);
    counter.advanceToStep(counter.steps());
    decay::DecayDraws draws(6);
    return decay::countedData(counter.intervals(), decay::measureBackground(draws, 0.5, 1000));
}

void FitTenThousandIntervals(benchmark::State& bench)
{
    const decay::FitData data = tenThousandIntervals();
    const auto fit = bench.range(0) == 0 ? decay::fitPoissonLikelihood : decay::fitWeightedLeastSquares;
    for (auto _ : bench)
        benchmark::DoNotOptimize(fit(data).halfLife);
}
BENCHMARK(FitTenThousandIntervals)->Arg(0)->Arg(1)->ArgName("line")->Unit(benchmark::kMillisecond);

// Every shape of the fit on 10,000 intervals by either method: two nuclides (T = 300 s and
// 2000 s), one through a Geiger tube's dead time, and the Mo-99 chain counted in 60 s intervals
// from its ingrowth on.
void FitShapes(benchmark::State& bench)
{
    const int shape = static_cast<int>(bench.range(0));
    const auto method = bench.range(1) == 0 ? decay::FitMethod::PoissonLikelihood : decay::FitMethod::WeightedLeastSquares;
    decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = {}, .perStep = {}};
    decay::FitModel model;
    decay::CounterSettings settings;
    if (shape == 2) {
        static const decay::NuclideTable& table = shipped();
        const decay::Chain chain = *decay::chainFromTable(table, "Mo-99", {}).chain;
        std::vector<double> initial(static_cast<std::size_t>(chain.size()), 0.0);
        initial[0] = 1e9;
        decay::RunSetup setup{.initial = initial, .step = 60, .steps = 10000, .milk = {}, .grid = {}};
        const auto exact = *decay::exactRun(chain, setup);
        const std::vector<bool> counted(static_cast<std::size_t>(chain.size()), true);
        run = decay::countedSample(exact, counted, setup.times(), false);
        decay::Counter counter(run, settings, 5);
        counter.advanceToStep(counter.steps());
        model = decay::chainModel(chain, initial, counted, counter.intervals());
    } else {
        run.times = evenTimes(1, 10000);
        for (int k = 0; k < 10000; ++k)
            run.perStep.push_back(shape == 0 ? 1000 * std::exp2(-k / 300.0) + 300 * std::exp2(-k / 2000.0) : 5e4 * std::exp2(-k / 2000.0));
        model.shape = shape == 0 ? decay::FitShape::TwoNuclides : decay::FitShape::OneNuclide;
        settings = {.efficiency = 0.1, .background = 0.5, .stepsPerInterval = 1, .deadTime = {.tau = shape == 1 ? 1e-4 : 0}};
    }
    decay::Counter counter(run, settings, 5);
    counter.advanceToStep(counter.steps());
    decay::DecayDraws draws(6);
    const decay::FitData data = decay::countedData(counter.intervals(), decay::measureBackground(draws, 0.5, 1000), settings.deadTime);
    for (auto _ : bench)
        benchmark::DoNotOptimize(decay::fitHalfLives(data, method, model).halfLife);
    bench.SetLabel(decay::fitHalfLives(data, method, model).fitted() ? "fitted" : "NO FIT");
}
BENCHMARK(FitShapes)->ArgsProduct({{0, 1, 2}, {0, 1}})->ArgNames({"shape", "lsq"})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
