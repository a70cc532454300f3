// The class experiment: its entries, a range of its runs for one Web Worker, the statistics of the
// whole class, the chart's layers, the class data read from a file and the runs' file. The page
// holds one class and one set of class data, as the desktop's window does.

#include "Bindings.h"

#include "model/ClassData.h"
#include "model/Conversions.h"
#include "model/Ensemble.h"
#include "model/EnsembleStats.h"
#include "model/Entries.h"
#include "output/ExperimentFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace web {
namespace {

struct Experiment {
    std::optional<decay::Ensemble> ensemble;
    std::optional<decay::EnsembleStats> stats;
    std::optional<decay::ClassData> data;
    std::optional<decay::DecayFit> fit;
};

Experiment& experiment()
{
    static Experiment state;
    return state;
}

decay::EnsembleEntry entry(const val& texts)
{
    return decay::readEnsemble({text(texts, "atoms"), text(texts, "rate"), text(texts, "lastStep"), text(texts, "runs"),
                                text(texts, "seed"), texts["decimalPoint"].isString() ? text(texts, "decimalPoint") : std::string(".")});
}

// The window's entries on opening, from the main window's fields: the rate written as the model
// writes numbers, the half-life as ln 2 over it.
val experimentDefaults(const std::string& atoms, const std::string& rate, const std::string& halfLife,
                       const std::string& lastStep, const std::string& point)
{
    const decay::EnsembleParams params = decay::paramsFromMainWindow(atoms, rate, halfLife, lastStep, point);
    const std::string rateText = decay::numberText(params.rate);
    val result = val::object();
    result.set("atoms", std::to_string(params.atoms));
    result.set("rate", rateText);
    result.set("halfLife", decay::lnTwoOverText(rateText, ".").value_or(std::string()));
    result.set("lastStep", std::to_string(params.lastStep));
    result.set("runs", std::to_string(params.runs));
    return result;
}

// The entries read as the desktop reads them: {work} in run-steps, or {error} for the first
// unusable one.
val readEnsemble(const val& texts)
{
    const decay::EnsembleEntry read = entry(texts);
    val result = val::object();
    if (read.params) {
        result.set("runs", read.params->runs);
        result.set("lastStep", read.params->lastStep);
        result.set("work", static_cast<double>(std::max<std::int64_t>(decay::ensembleWork(*read.params), 1)));
    } else {
        result.set("error", message(read.error));
    }
    return result;
}

// Passes each slice of run-steps done to the page's function. A worker is stopped from outside,
// so this never cancels.
class CallbackProgress final : public decay::Progress {
public:
    explicit CallbackProgress(val callback)
        : m_callback(std::move(callback))
        , m_callable(m_callback.typeOf().as<std::string>() == "function")
    {
    }
    void advance(std::int64_t steps) override
    {
        if (m_callable)
            m_callback(static_cast<double>(steps));
    }
    bool cancelled() const override { return false; }

private:
    val m_callback;
    bool m_callable;
};

// The counts of runs first..last-1 of the class as an Int16Array (null for unusable entries):
// each run gets the seed the desktop's threads give it, whichever worker makes it.
val ensembleRuns(const val& texts, int first, int last, const val& onProgress)
{
    const decay::EnsembleEntry read = entry(texts);
    if (!read.params)
        return val::null();
    CallbackProgress progress(onProgress);
    const auto counts = decay::runEnsembleRuns(*read.params, first, last, progress);
    if (!counts)
        return val::null();
    const val view(emscripten::typed_memory_view(counts->size(), counts->data()));
    return val::global("Int16Array").new_(view);
}

val spread(const decay::Spread& s)
{
    val result = val::object();
    result.set("mean", s.mean);
    result.set("sd", s.sd);
    result.set("count", s.count);
    return result;
}

val summary(const decay::Ensemble& ensemble, const decay::EnsembleStats& stats)
{
    const decay::EnsembleParams& p = ensemble.params;
    val result = val::object();
    result.set("atoms", p.atoms);
    result.set("rate", p.rate);
    result.set("lastStep", p.lastStep);
    result.set("runs", p.runs);
    result.set("seed", std::to_string(p.seed));
    result.set("q", stats.q);
    result.set("halving", spread(stats.halving));
    result.set("slopeHalfLife", spread(stats.slopeHalfLife));
    result.set("continuousHalfLife", stats.continuousHalfLife);
    result.set("discreteHalfLife", stats.discreteHalfLife);
    return result;
}

// The class from the workers' counts, run after run, and its statistics; null when the entries
// or the number of counts do not fit, and the class before stays.
val setEnsemble(const val& texts, const val& counts)
{
    const decay::EnsembleEntry read = entry(texts);
    if (!read.params || !counts["length"].isNumber())
        return val::null();
    decay::Ensemble ensemble{.params = *read.params};
    ensemble.counts = emscripten::convertJSArrayToNumberVector<std::int16_t>(counts);
    const auto expected = static_cast<std::size_t>(read.params->runs) * static_cast<std::size_t>(ensemble.steps());
    if (ensemble.counts.size() != expected)
        return val::null();
    Experiment& state = experiment();
    state.stats = decay::ensembleStats(ensemble);
    state.ensemble = std::move(ensemble);
    return summary(*state.ensemble, *state.stats);
}

std::string experimentFile()
{
    const Experiment& state = experiment();
    return state.ensemble ? decay::experimentFileText(*state.ensemble, *state.stats) : std::string();
}

// What the page shows of the class data read last; null before any.
val classData()
{
    const Experiment& state = experiment();
    if (!state.data)
        return val::null();
    val result = val::object();
    result.set("groups", static_cast<double>(state.data->counts.size()));
    result.set("throws", static_cast<double>(state.data->steps.size()));
    if (state.fit) {
        val fit = val::object();
        fit.set("probability", state.fit->probability);
        fit.set("halfLife", state.fit->halfLife);
        result.set("fit", fit);
    } else {
        result.set("fit", val::null());
    }
    return result;
}

// The class data from a file's bytes: {groups, throws, fit: {probability, halfLife} or null},
// or {error}; the data before stay when the file is refused.
val readClassData(const val& bytes, const std::string& point)
{
    const auto raw = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    const decay::ClassDataRead read = decay::readClassData(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()), point);
    val result = val::object();
    if (!read.data) {
        result.set("error", message(read.error));
        return result;
    }
    Experiment& state = experiment();
    state.data = read.data;
    state.fit = decay::fitClassData(*state.data);
    return classData();
}

// The chart's layers as the desktop's chart has them: names and titles as the English sources
// of the context "ExperimentPlots", colours as CSS, each layer's lines as x and y arrays.

constexpr int kMostRunsDrawn = 100;

struct Line {
    std::vector<double> x, y;
};

struct Layer {
    std::string name;
    std::string color;
    double width = 1;
    // or "band" (between its two lines), "points", "bars", "mark" (a vertical line at x from y[0] to y[1])
    std::string kind = "lines";
    std::vector<Line> lines;
    double barWidth = 0;
};

std::string rgba(int red, int green, int blue, int alpha = 255)
{
    return "rgba(" + std::to_string(red) + ',' + std::to_string(green) + ',' + std::to_string(blue) + ','
           + decay::numberText(alpha / 255.0) + ')';
}

// Points (t, values[t]), or (steps[i], values[i]) when steps are given.
Line curve(std::vector<double> values, const std::vector<double>* steps = nullptr)
{
    Line line{.x = {}, .y = std::move(values)};
    for (std::size_t i = 0; i < line.y.size(); ++i)
        line.x.push_back(steps ? (*steps)[i] : static_cast<double>(i));
    return line;
}

// values + sign * by, never below 0: a count band ends at no atoms.
Line offset(const std::vector<double>& values, const std::vector<double>& by, double sign)
{
    std::vector<double> shifted(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        shifted[i] = std::max(values[i] + sign * by[i], 0.0);
    return curve(std::move(shifted));
}

Layer band(const char* name, const std::string& color, const std::vector<double>& centre, const std::vector<double>& sd)
{
    return {.name = name, .color = color, .kind = "band", .lines = {offset(centre, sd, -1), offset(centre, sd, 1)}};
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

std::vector<Layer> halfLifeLayers(const decay::EnsembleStats& s)
{
    const decay::Histogram h = decay::histogram(s.halvingTimes);
    Layer bars{.name = "Measured half-lives", .color = rgba(90, 140, 220), .kind = "bars", .lines = {{}}, .barWidth = h.width};
    int highest = 1;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        bars.lines[0].x.push_back(h.low + (static_cast<double>(i) + 0.5) * h.width);
        bars.lines[0].y.push_back(h.counts[i]);
        highest = std::max(highest, h.counts[i]);
    }
    std::vector<Layer> layers{bars};
    const auto mark = [&](const char* name, const std::string& color, double at) {
        if (std::isfinite(at))
            layers.push_back({.name = name, .color = color, .width = 2.5, .kind = "mark", .lines = {{.x = {at, at}, .y = {0, double(highest)}}}});
    };
    mark("Class mean", rgba(230, 120, 0), s.halving.mean);
    mark("ln 2 / −ln(1−q)", rgba(0, 130, 60), s.discreteHalfLife);
    mark("ln 2 / r", rgba(200, 0, 90), s.continuousHalfLife);
    return layers;
}

std::vector<Layer> countLayers(const decay::Ensemble& e, const decay::EnsembleStats& s, bool log)
{
    const auto values = [log](const std::vector<double>& v) { return log ? decay::logarithms(v) : v; };
    std::vector<Layer> layers;
    if (!log) {
        layers.push_back(band("Binomial ±1σ", rgba(0, 150, 70, 50), s.expectation, s.binomialSd));
        layers.push_back(band("Class ±1σ", rgba(240, 140, 0, 60), s.mean, s.sd));
    }
    Layer runs{.name = "Runs", .color = rgba(40, 80, 200, 45), .width = 1};
    for (int run : drawnRuns(e.params.runs)) {
        const auto counts = e.run(run);
        runs.lines.push_back(curve(values({counts.begin(), counts.end()})));
    }
    layers.push_back(std::move(runs));
    layers.push_back({.name = "Class mean", .color = rgba(230, 120, 0), .width = 2.5, .lines = {curve(values(s.mean))}});
    layers.push_back({.name = "Expectation N0·(1−q)^t", .color = rgba(0, 130, 60), .width = 2, .lines = {curve(values(s.expectation))}});
    layers.push_back({.name = "Continuous law N0·e^(−r·t)", .color = rgba(200, 0, 90), .width = 2, .lines = {curve(values(s.continuous))}});
    if (log) {
        const double last = e.params.lastStep;
        layers.push_back({.name = "Fitted line", .color = rgba(0, 0, 0), .width = 1.5,
                          .lines = {{.x = {0, last}, .y = {s.meanIntercept, s.meanIntercept + s.meanSlope * last}}}});
    }
    return layers;
}

void addClassData(std::vector<Layer>& layers, const decay::ClassData& data, const decay::DecayFit* fit, bool log)
{
    Layer points{.name = "Class data", .color = rgba(60, 60, 60), .width = 1, .kind = "points"};
    if (log)
        points.lines.push_back(curve(decay::logarithms(decay::meanCounts(data)), &data.steps));
    else
        for (const auto& group : data.counts)
            points.lines.push_back(curve(group, &data.steps));
    layers.push_back(std::move(points));
    if (fit) {
        const auto fitted = decay::fittedCounts(*fit, data.steps);
        layers.push_back({.name = "Class data fit", .color = rgba(60, 60, 60), .width = 1.5,
                          .lines = {curve(log ? decay::logarithms(fitted) : fitted, &data.steps)}});
    }
}

val layerValue(const Layer& layer)
{
    val lines = val::array();
    for (const Line& line : layer.lines) {
        val item = val::object();
        item.set("x", numbers(std::span<const double>(line.x)));
        item.set("y", numbers(std::span<const double>(line.y)));
        lines.call<void>("push", item);
    }
    val result = val::object();
    result.set("name", layer.name);
    result.set("color", layer.color);
    result.set("width", layer.width);
    result.set("kind", layer.kind);
    result.set("barWidth", layer.barWidth);
    result.set("lines", lines);
    return result;
}

// View 0 the counts, 1 their logarithms, 2 the measured half-lives: {title, xTitle, yTitle, layers}.
val experimentPlot(int view)
{
    const Experiment& state = experiment();
    const bool log = view == 1;
    std::vector<Layer> layers;
    val result = val::object();
    if (view == 2) {
        result.set("title", std::string("Half-lives where N first falls to N0/2"));
        result.set("xTitle", std::string("Half-life (steps)"));
        result.set("yTitle", std::string("Runs"));
        if (state.stats)
            layers = halfLifeLayers(*state.stats);
    } else {
        result.set("title", std::string(log ? "ln N(t) of the class" : "Atoms left in each run"));
        result.set("xTitle", std::string("Step t"));
        result.set("yTitle", std::string(log ? "ln N" : "Atoms N(t)"));
        if (state.ensemble)
            layers = countLayers(*state.ensemble, *state.stats, log);
        if (state.data)
            addClassData(layers, *state.data, state.fit ? &*state.fit : nullptr, log);
    }
    val items = val::array();
    for (const Layer& layer : layers)
        items.call<void>("push", layerValue(layer));
    result.set("layers", items);
    return result;
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(class_experiment)
{
    using namespace emscripten;
    function("experimentDefaults", &web::experimentDefaults);
    function("readEnsemble", &web::readEnsemble);
    function("ensembleRuns", &web::ensembleRuns);
    function("setEnsemble", &web::setEnsemble);
    function("experimentFile", &web::experimentFile);
    function("readClassData", &web::readClassData);
    function("classData", &web::classData);
    function("largestClassFile", +[] { return static_cast<double>(decay::kLargestClassFile); });
    function("experimentPlot", &web::experimentPlot);
}
