// The class experiment: a class of 1000 runs, 100 runs of the worst case (32767 atoms that never
// decay, 3000 steps: 9.8 G draws) on every core, and the statistics and chart of 1000 runs
// (QT_QPA_PLATFORM=offscreen on a machine without a display).
#include "model/random/DecayDraws.h"
#include "model/experiment/EnsembleStats.h"
#include "ui/charts/PlotChart.h"
#include "ui/experiment/ExperimentPlots.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

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

// The same runs with the whole program held to one counting loop (0 generic, 1 AVX2, 2 AVX-512).
void WorstCase100RunsOnLoop(benchmark::State& bench)
{
    const auto fastest = decay::DecayDraws::preferred();
    if (!decay::DecayDraws::prefer(static_cast<decay::DecayDraws::Isa>(bench.range(0)))) {
        bench.SkipWithError("not supported here");
        return;
    }
    WorstCase100Runs(bench);
    decay::DecayDraws::prefer(fastest);
}
BENCHMARK(WorstCase100RunsOnLoop)->Arg(0)->Arg(1)->Arg(2)->ArgName("isa")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The statistics of 1000 runs and their chart (100 of them drawn, the class mean, both bands and
// the theory) painted at the window's size; of 100 steps as above, and of 3000.
void StatisticsAndChart1000Runs(benchmark::State& bench)
{
    const int lastStep = static_cast<int>(bench.range(0));
    const auto runs = ensemble({.atoms = 1000, .rate = 100.0 / (10.0 * lastStep), .lastStep = lastStep, .runs = 1000, .seed = 5});
    PlotChart chart;
    QImage image(820, 520, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        const auto stats = decay::ensembleStats(runs);
        chart.setPlot(experimentPlot(ExperimentView::Counts, &runs, &stats, nullptr, nullptr));
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        chart.paint(painter, image.size());
    }
}
BENCHMARK(StatisticsAndChart1000Runs)->Arg(100)->Arg(3000)->ArgName("steps")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv); // fonts for the chart's texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
