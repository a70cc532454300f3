#include "ExperimentPlot.h"

#include <algorithm>
#include <cmath>

namespace decay {
namespace {

constexpr const char* kExperimentContext = "ExperimentPlots";

constexpr int kMostRunsDrawn = 100;

// Points (t, values[t]), or (steps[i], values[i]) when steps are given.
PlotLine curve(std::vector<double> values, const std::vector<double>* steps = nullptr)
{
    PlotLine line{.x = {}, .y = std::move(values)};
    line.x.reserve(line.y.size());
    for (std::size_t i = 0; i < line.y.size(); ++i)
        line.x.push_back(steps ? (*steps)[i] : static_cast<double>(i));
    return line;
}

// values + sign * by, never below 0: a count band ends at no atoms.
PlotLine offset(const std::vector<double>& values, const std::vector<double>& by, double sign)
{
    std::vector<double> shifted(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        shifted[i] = std::max(values[i] + sign * by[i], 0.0);
    return curve(std::move(shifted));
}

PlotLayer lines(const char* name, PlotColor color, double width, std::vector<PlotLine> polylines)
{
    return {.name = {name}, .color = color, .width = width, .lines = std::move(polylines)};
}

PlotLayer band(const char* name, PlotColor color, const std::vector<double>& centre, const std::vector<double>& sd)
{
    return {.name = {name}, .color = color, .kind = PlotLayer::Kind::Band, .lines = {offset(centre, sd, -1), offset(centre, sd, 1)}};
}

// The runs drawn: all up to 100, else 100 spread evenly over the class.
std::vector<int> drawnRuns(int runs)
{
    std::vector<int> drawn;
    const int count = std::min(runs, kMostRunsDrawn);
    for (int i = 0; i < count; ++i)
        drawn.push_back(static_cast<int>(static_cast<long long>(i) * runs / count));
    return drawn;
}

std::vector<PlotLayer> halfLifeLayers(const EnsembleStats& s)
{
    const Histogram h = histogram(s.halvingTimes);
    PlotLayer bars{.name = {"Measured half-lives"}, .color = {90, 140, 220}, .kind = PlotLayer::Kind::Bars, .lines = {{}}, .barWidth = h.width};
    int highest = 1;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        bars.lines[0].x.push_back(h.low + (static_cast<double>(i) + 0.5) * h.width);
        bars.lines[0].y.push_back(h.counts[i]);
        highest = std::max(highest, h.counts[i]);
    }
    std::vector<PlotLayer> layers{std::move(bars)};
    const auto mark = [&](const char* name, PlotColor color, double at) {
        if (std::isfinite(at))
            layers.push_back({.name = {name}, .color = color, .kind = PlotLayer::Kind::Mark, .width = 2.5,
                              .lines = {{.x = {at, at}, .y = {0, static_cast<double>(highest)}}}});
    };
    mark("Class mean", {230, 120, 0}, s.halving.mean);
    mark("ln 2 / −ln(1−q)", {0, 130, 60}, s.discreteHalfLife);
    mark("ln 2 / r", {200, 0, 90}, s.continuousHalfLife);
    return layers;
}

std::vector<PlotLayer> countLayers(const Ensemble& e, const EnsembleStats& s, bool log)
{
    const auto values = [log](const std::vector<double>& v) { return log ? logarithms(v) : v; };
    std::vector<PlotLayer> layers;
    if (!log) {
        layers.push_back(band("Binomial ±1σ", {0, 150, 70, 50}, s.expectation, s.binomialSd));
        layers.push_back(band("Class ±1σ", {240, 140, 0, 60}, s.mean, s.sd));
    }
    std::vector<PlotLine> runs;
    for (int run : drawnRuns(e.params.runs)) {
        const auto counts = e.run(run);
        runs.push_back(curve(values({counts.begin(), counts.end()})));
    }
    layers.push_back(lines("Runs", {40, 80, 200, 45}, 1, std::move(runs)));
    layers.push_back(lines("Class mean", {230, 120, 0}, 2.5, {curve(values(s.mean))}));
    layers.push_back(lines("Expectation N0·(1−q)^t", {0, 130, 60}, 2, {curve(values(s.expectation))}));
    layers.push_back(lines("Continuous law N0·e^(−r·t)", {200, 0, 90}, 2, {curve(values(s.continuous))}));
    if (log) {
        const double last = e.params.lastStep;
        layers.push_back(lines("Fitted line", {0, 0, 0}, 1.5, {{.x = {0, last}, .y = {s.meanIntercept, s.meanIntercept + s.meanSlope * last}}}));
    }
    return layers;
}

void addClassData(std::vector<PlotLayer>& layers, const ClassData& data, const DecayFit* fit, bool log)
{
    PlotLayer points{.name = {"Class data"}, .color = {60, 60, 60}, .kind = PlotLayer::Kind::Points, .width = 1};
    if (log)
        points.lines.push_back(curve(logarithms(meanCounts(data)), &data.steps));
    else
        for (const auto& group : data.counts)
            points.lines.push_back(curve(group, &data.steps));
    layers.push_back(std::move(points));
    if (fit) {
        const auto fitted = fittedCounts(*fit, data.steps);
        layers.push_back(lines("Class data fit", {60, 60, 60}, 1.5, {curve(log ? logarithms(fitted) : fitted, &data.steps)}));
    }
}

} // namespace

ExperimentPlot plotExperiment(ExperimentView view, const Ensemble* ensemble, const EnsembleStats* stats, const ClassData* data,
                              const DecayFit* fit)
{
    if (view == ExperimentView::HalfLives)
        return {.context = kExperimentContext,
                .title = {"Half-lives where N first falls to N0/2"},
                .xTitle = {"Half-life (steps)"},
                .yTitle = {"Runs"},
                .layers = stats ? halfLifeLayers(*stats) : std::vector<PlotLayer>{}};
    const bool log = view == ExperimentView::LnCounts;
    ExperimentPlot plot{.context = kExperimentContext,
                        .title = {log ? "ln N(t) of the class" : "Atoms left in each run"},
                        .xTitle = {"Step t"},
                        .yTitle = {log ? "ln N" : "Atoms N(t)"}};
    if (ensemble && stats)
        plot.layers = countLayers(*ensemble, *stats, log);
    if (data)
        addClassData(plot.layers, *data, fit, log);
    return plot;
}

} // namespace decay
