// The class experiment: its entries, a range of its runs for one Web Worker, the statistics of the
// whole class, the chart's layers, the class data read from a file and the runs' file. The page
// holds one class and one set of class data, as the desktop's window does.

#include "ExperimentBindings.h"

#include "Bindings.h"
#include "PlotBindings.h"

#include "model/experiment/ClassData.h"
#include "model/common/Conversions.h"
#include "model/experiment/Ensemble.h"
#include "model/experiment/EnsembleStats.h"
#include "model/experiment/ExperimentPlot.h"
#include "model/run/Entries.h"
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
                                text(texts, "seed"), decimalPoint(texts)});
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
    result.set("halving", stats.halving);
    result.set("slopeHalfLife", stats.slopeHalfLife);
    result.set("continuousHalfLife", stats.continuousHalfLife);
    result.set("discreteHalfLife", stats.discreteHalfLife);
    return result;
}

// The class from the workers' counts, run after run, and its statistics; null when the entries
// or the number of counts do not fit, and the class before stays.
val setEnsemble(const val& texts, const val& counts)
{
    const decay::EnsembleEntry read = entry(texts);
    if (!read.params)
        return val::null();
    decay::Ensemble ensemble{.params = *read.params};
    const auto expected = static_cast<std::size_t>(read.params->runs) * static_cast<std::size_t>(ensemble.steps());
    ensemble.counts = numberList<std::int16_t>(counts, expected + 1);
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

// The class data from a file's bytes: {groups, throws, fit: {probability, halfLife} or null},
// or {error}; the data before stay when the file is refused. Bytes past the largest file are
// left out: what is there tells the model that the file is too large.
val readClassData(const val& bytes, const std::string& point)
{
    const auto raw = numberList<std::uint8_t>(bytes, decay::kLargestClassFile + 1);
    const decay::ClassDataRead read = decay::readClassData(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()), point);
    if (!read.data) {
        val refusal = val::object();
        refusal.set("error", message(read.error));
        return refusal;
    }
    Experiment& state = experiment();
    state.data = read.data;
    state.fit = decay::fitClassData(*state.data);
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

// The chart of the view; a view the model does not have shows the counts.
val experimentPlot(decay::ExperimentView view)
{
    const Experiment& state = experiment();
    const bool known = view == decay::ExperimentView::LnCounts || view == decay::ExperimentView::HalfLives;
    const decay::ExperimentPlot plot = decay::plotExperiment(known ? view : decay::ExperimentView::Counts, state.ensemble ? &*state.ensemble : nullptr,
                                                             state.stats ? &*state.stats : nullptr, state.data ? &*state.data : nullptr,
                                                             state.fit ? &*state.fit : nullptr);
    return plotValue(plot);
}

} // namespace

const decay::Ensemble* classEnsemble()
{
    return experiment().ensemble ? &*experiment().ensemble : nullptr;
}

} // namespace web

EMSCRIPTEN_BINDINGS(class_experiment)
{
    using namespace emscripten;
    value_object<decay::Spread>("Spread")
        .field("mean", &decay::Spread::mean)
        .field("sd", &decay::Spread::sd)
        .field("count", &decay::Spread::count);
    enum_<decay::ExperimentView>("ExperimentView")
        .value("Counts", decay::ExperimentView::Counts)
        .value("LnCounts", decay::ExperimentView::LnCounts)
        .value("HalfLives", decay::ExperimentView::HalfLives);
    function("experimentDefaults", &web::experimentDefaults);
    function("readEnsemble", &web::readEnsemble);
    function("ensembleRuns", &web::ensembleRuns);
    function("setEnsemble", &web::setEnsemble);
    function("experimentFile", &web::experimentFile);
    function("readClassData", &web::readClassData);
    function("largestClassFile", +[] { return static_cast<double>(decay::kLargestClassFile); });
    function("experimentPlot", &web::experimentPlot);
}
