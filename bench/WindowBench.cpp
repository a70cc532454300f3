// Drawing each view of 3001 points (grid fill, then one repaint) on a chart of the main window's
// size and on one of the large graph window's, and bringing up the first windows, on whatever
// platform QT_QPA_PLATFORM names (offscreen for a machine without a display); and switching the
// nuclide lab between its views of a 10,000-step run of the seven-member radium chain.
#include "model/Runs.h"
#include "ui/Look.h"
#include "ui/Platform.h"
#include "ui/charts/ChartViews.h"
#include "ui/charts/DecayChart.h"
#include "ui/experiment/ExperimentChart.h"
#include "ui/lab/NuclideLab.h"
#include "ui/main/ProgramWindows.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPixmap>

#include <memory>

namespace {

void DrawView3001Points(benchmark::State& bench)
{
    auto state = std::make_unique<decay::RunState>();
    decay::runDeterministic(*state, {"100", "0.001", "3000"});
    DecayChart chart;
    const bool large = bench.range(1) != 0;
    chart.resize(large ? look::tw(10572) : look::tw(6324), large ? look::tw(6924) : look::tw(4500)); // chart sizes in twips
    chart.show();
    QCoreApplication::processEvents();
    const auto view = static_cast<ChartView>(bench.range(0));
    for (auto _ : bench) {
        drawView(chart, *state, view, 3000);
        QCoreApplication::processEvents(); // hands the grid to Qt Charts
        benchmark::DoNotOptimize(chart.grab());
    }
}
BENCHMARK(DrawView3001Points)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->ArgNames({"view", "large"})->Unit(benchmark::kMillisecond);

// From nothing to the main window loaded (hidden) and the backdrop and title window shown, the
// title window painted once.
void StartWindowsUp(benchmark::State& bench)
{
    QtPlatform platform;
    for (auto _ : bench) {
        auto state = std::make_unique<decay::RunState>();
        ProgramWindows windows(*state, platform);
        windows.main();
        benchmark::DoNotOptimize(windows.title().grab());
    }
}
BENCHMARK(StartWindowsUp)->Unit(benchmark::kMillisecond);

// One switch between the atoms and the activity view: the series built, the chart painted.
void LabViewSwitch10000x7(benchmark::State& bench)
{
    QtPlatform platform;
    NuclideLab lab(platform);
    lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("Radium-226 (Ra-226)")));
    lab.txtSteps->setText(QStringLiteral("10000"));
    lab.cmdExact->click();
    lab.show();
    QCoreApplication::processEvents();
    bool activity = false;
    for (auto _ : bench) {
        activity = !activity;
        (activity ? lab.optActivity : lab.optAtoms)->setChecked(true);
        benchmark::DoNotOptimize(lab.chartLab->grab());
    }
    bench.counters["series"] = static_cast<double>(lab.chartLab->plot().layers.size());
}
BENCHMARK(LabViewSwitch10000x7)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
