// The counting lab's hot paths: one frame of a run played at 1x with 10^5 detected events per
// second of simulated time, and the half-life fits of 10,000 intervals.
#include "model/Counter.h"
#include "model/HalfLifeFit.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// 10 minutes in 1 ms steps: 1000 decays (random run) or 10^6 Bq (exact run) in every step, seen
// with efficiency 0.1, so 10^5 detected events per second, and the usual background.
decay::SampleRun busyRun(decay::SampleRun::Kind kind)
{
    const double perStep = kind == decay::SampleRun::Kind::Decays ? 1000 : 1e6;
    return {.kind = kind, .times = decay::uniformTimes(1e-3, 600000), .perStep = std::vector<double>(600000, perStep)};
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
    decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = decay::uniformTimes(1, 10000), .perStep = {}};
    for (int k = 0; k < 10000; ++k)
        run.perStep.push_back(1000 * std::exp(-lambda * k));
    decay::Counter counter(run, {}, 5);
    counter.countAll();
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

} // namespace

BENCHMARK_MAIN();
