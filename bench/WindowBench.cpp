// Drawing each view of 3001 points (grid fill, then one repaint) on a chart of the main window's
// size and on one of the large graph window's, and bringing up the first windows, on whatever
// platform QT_QPA_PLATFORM names (offscreen for a machine without a display); and switching the
// nuclide lab between its views of a 10,000-step run of the radium chain; and a frame
// of the counting lab that counts 10^5 events a second, played in real time.
#include "model/atoms/AtomHistory.h"
#include "model/nuclides/Chain.h"
#include "model/nuclides/LabRun.h"
#include "model/run/Runs.h"
#include "ui/Look.h"
#include "ui/Platform.h"
#include "ui/atoms/AtomsWindow.h"
#include "ui/charts/ChartViews.h"
#include "ui/charts/DecayChart.h"
#include "ui/charts/PlotChart.h"
#include "ui/counting/CountingLab.h"
#include "ui/counting/CountingTab.h"
#include "ui/counting/DetectorBox.h"
#include "ui/nuclides/NuclideLab.h"
#include "ui/run/ProgramWindows.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QPixmap>

#include <memory>
#include <optional>

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

// A frame of the atoms window for a million atoms of a lone nuclide over 1,000 steps, a step on
// each: the square painted, scaled into its room and drawn, the chart and the text, as the window
// of 1200 x 900 pixels shows them.
void AtomsWindowStep(benchmark::State& bench)
{
    decay::CustomChainTexts texts;
    texts.members.push_back({"X", "100", decay::TimeUnit::Second});
    const decay::Chain chain = *decay::readCustomChain(texts).chain;
    const std::optional<decay::LabRun> run = decay::runLab(chain, {{1e6}, 1, 1000, {}}, decay::TimeUnit::Second, true, 11);
    AtomsWindow w(decay::atomsOfLab(&*run), 5);
    w.resize(1200, 900);
    w.show();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : bench) {
        step = (step + 1) % 1001;
        w.sldTime->setValue(step);
        w.repaint();
    }
    bench.counters["fps"] = benchmark::Counter(static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(AtomsWindowStep)->Unit(benchmark::kMillisecond);

// One frame of the counting lab at 1x: a sixtieth of a second of a sample that the detector sees
// decay 10^5 times a second (4.55e12 atoms of a one-year nuclide, all seen), counted in steps of
// 10 ms, each its own interval, so that every frame adds points to the chart and the whole window
// is painted again. The run has 10,000 steps: the chart ends with 10,000 points and error bars.
// The mean is over every frame of the run; `worst_ms` is the slowest frame.
// A custom nuclide of 1 y, 4.55 * 10^12 atoms of it (10^5 decays a second), its exact run in
// 10,000 steps of 10 ms, in the nuclide lab.
std::optional<decay::LabRun> tenThousandSteps(QtPlatform& platform)
{
    NuclideLab lab(platform);
    lab.cboNuclide->setCurrentIndex(lab.cboNuclide->count() - 1); // a custom chain
    const QStringList cells[] = {{"X", "1"}, {"", ""}, {"", ""}};
    for (int row = 0; row < 3; ++row)
        for (int column : {NuclideLab::ColName, NuclideLab::ColHalfLife, NuclideLab::ColDaughter})
            lab.tblMembers->item(row, column)->setText(column == NuclideLab::ColDaughter ? QString() : cells[row][column == NuclideLab::ColName ? 0 : 1]);
    qobject_cast<QComboBox*>(lab.tblMembers->cellWidget(0, NuclideLab::ColUnit))->setCurrentIndex(static_cast<int>(decay::TimeUnit::Year));
    lab.tblMembers->item(0, NuclideLab::ColAtoms)->setText(QStringLiteral("4.55e12"));
    lab.txtStep->setText(QStringLiteral("0.01"));
    lab.cboStepUnit->setCurrentIndex(static_cast<int>(decay::TimeUnit::Second));
    lab.txtSteps->setText(QStringLiteral("10000"));
    lab.cmdExact->click();
    return lab.result() ? std::optional(*lab.result()) : std::nullopt;
}

void CountingFrameAt1x(benchmark::State& bench)
{
    QtPlatform platform;
    const auto run = tenThousandSteps(platform);
    CountingLab counter(platform);
    counter.setSample(*run, QStringLiteral("X"));
    counter.detector->txtEfficiency->setText(QStringLiteral("1"));
    counter.counting->cboSpeed->setCurrentIndex(0);
    counter.show();
    QCoreApplication::processEvents();
    double worst = 0;
    std::int64_t frames = 0;
    for (auto _ : bench) {
        if (!counter.counting->playing()) {
            bench.PauseTiming();
            counter.counting->cmdStart->click();
            bench.ResumeTiming();
        }
        QElapsedTimer frame;
        frame.start();
        counter.counting->playFor(1.0 / 60);
        benchmark::DoNotOptimize(counter.grab());
        worst = std::max(worst, static_cast<double>(frame.nsecsElapsed()) / 1e6);
        ++frames;
    }
    bench.counters["worst_ms"] = worst;
    bench.counters["counts_per_frame"] = counter.session().counter() ? static_cast<double>(counter.session().counter()->intervals().front().counts) * 1.667 : 0;
}
BENCHMARK(CountingFrameAt1x)->Iterations(6000)->Unit(benchmark::kMillisecond);

// The same run played "as fast as possible": frames of the play timer until the counter is done,
// each counting for its slice and painting the window. The window waits for the timer between
// frames, so the wall time the user sees is the sum over frames of the longer of the timer's
// 16 ms and the frame's own time (`wall_s`).
void CountingAsFastAsPossible(benchmark::State& bench)
{
    QtPlatform platform;
    const auto run = tenThousandSteps(platform);
    CountingLab counter(platform);
    counter.setSample(*run, QStringLiteral("X"));
    counter.detector->txtEfficiency->setText(QStringLiteral("1"));
    counter.counting->cboSpeed->setCurrentIndex(counter.counting->cboSpeed->count() - 1);
    counter.show();
    QCoreApplication::processEvents();
    double wall = 0;
    std::int64_t frames = 0;
    for (auto _ : bench) {
        counter.counting->cmdStart->click();
        wall = 0;
        frames = 0;
        while (counter.counting->playing()) {
            QElapsedTimer frame;
            frame.start();
            counter.counting->playFor(1.0 / 60);
            benchmark::DoNotOptimize(counter.grab());
            wall += std::max(0.016, static_cast<double>(frame.nsecsElapsed()) / 1e9);
            ++frames;
        }
    }
    bench.counters["frames"] = static_cast<double>(frames);
    bench.counters["wall_s"] = wall;
}
BENCHMARK(CountingAsFastAsPossible)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
