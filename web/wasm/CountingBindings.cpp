// The counting lab: a detector beside a run of a chain from the nuclide table or of activated
// silver, its background, the fits, counts imported and exported, radiocarbon dating and repeat
// counts. Like the desktop's window, the module holds one lab for the page; the page keeps only
// what it shows.

#include "LabBindings.h"
#include "PlotBindings.h"

#include "model/counting/Activation.h"
#include "model/nuclides/ChainActivity.h"
#include "model/common/Conversions.h"
#include "model/counting/CountingPlot.h"
#include "model/counting/CountingSession.h"
#include "model/counting/CountsImport.h"
#include "model/counting/Counter.h"
#include "model/random/DecayDraws.h"
#include "model/counting/HalfLifeFit.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "model/counting/Radiocarbon.h"
#include "model/counting/RepeatCounts.h"
#include "model/nuclides/TableChain.h"
#include "output/CountsFile.h"

#include <emscripten/bind.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace web {
namespace {

// The counting lab's session; the nuclide table is the nuclide lab's, read once for the page.
decay::CountingSession& lab()
{
    static decay::CountingSession session;
    return session;
}

val failure(const decay::Message& error)
{
    val result = val::object();
    result.set("ok", false);
    result.set("error", message(error));
    return result;
}

val success()
{
    val result = val::object();
    result.set("ok", true);
    return result;
}

decay::CounterSettingsEntry counterSettings(const val& texts)
{
    return decay::readCounterSettings({text(texts, "efficiency"), text(texts, "background"), text(texts, "interval"), decimalPoint(texts),
                                       text(texts, "deadTime"),
                                       flag(texts, "paralysable") ? decay::DeadTime::Kind::Paralysable : decay::DeadTime::Kind::NonParalysable});
}

// The table

// The table's chains, from the page's copy of the table unless the nuclide lab has read it.
val loadTable(const std::string& tableText)
{
    decay::NuclideLabSession& nuclides = labSession();
    const std::string error = nuclides.table().nuclides.empty() ? nuclides.loadTable(tableText) : std::string();
    val result = val::object();
    result.set("error", error);
    val starts = val::array();
    for (const std::string& start : nuclides.table().chainStarts) {
        const decay::Nuclide* nuclide = nuclides.table().find(start);
        val item = val::object();
        item.set("symbol", start);
        item.set("element", nuclide ? nuclide->element : std::string());
        starts.call<void>("push", item);
    }
    result.set("starts", starts);
    return result;
}

std::optional<decay::Chain> tableChain(const std::string& start, double threshold = decay::ChainOptions{}.threshold)
{
    return decay::chainFromTable(labSession().table(), start, {.threshold = threshold}).chain;
}

// The nuclide lab's first entries for a chain, on its uniform grid.
val chainDefaults(const std::string& start)
{
    const std::optional<decay::Chain> chain = tableChain(start);
    if (!chain)
        return val::null();
    const decay::RunDefaults defaults = decay::runDefaults(*chain);
    val result = val::object();
    result.set("step", defaults.step);
    result.set("unit", static_cast<int>(defaults.unit));
    result.set("steps", defaults.steps);
    result.set("atoms", defaults.amountUnit == decay::AmountUnit::Atoms ? defaults.amount : 1e6);
    return result;
}

void setSample(decay::LabRun run)
{
    lab().setSample(std::move(run));
}

// A run of a chain from the table as the nuclide lab's entries give it: `initial` the amount of
// every member (or `atoms` of the first alone, the rest 0), the uniform or logarithmic grid,
// milking; the time unit of the run that of the step, or of the last time on a logarithmic grid.
decay::RunSetupTexts setupTexts(const decay::Chain& chain, const val& texts)
{
    decay::RunSetupTexts setup = runSetupTexts(texts);
    if (!val::global("Array").call<bool>("isArray", property(texts, "initial")))
        setup.initial = {text(texts, "atoms")};
    setup.initial.resize(chain.members.size(), "0");
    return setup;
}

// The nuclide lab's last run, a typed chain's too, as the sample.
val takeLabRun()
{
    const auto& run = labSession().result();
    if (!run)
        return failure({});
    setSample(*run);
    return success();
}

val runTable(const val& texts, const std::string& seedText)
{
    const std::optional<decay::Chain> chain = tableChain(text(texts, "start"), number(texts, "threshold", decay::ChainOptions{}.threshold));
    if (!chain)
        return failure({});
    const decay::RunSetupTexts setup = setupTexts(*chain, texts);
    const decay::RunSetupEntry entry = decay::readRunSetup(*chain, setup);
    if (!entry.setup)
        return failure(entry.error);
    const bool random = flag(texts, "random");
    if (random) {
        const decay::Message refusal = decay::randomRunRefusal(*entry.setup);
        if (!refusal.empty())
            return failure(refusal);
    }
    const decay::TimeUnit unit = setup.grid == decay::GridKind::Logarithmic ? setup.lastUnit : setup.unit;
    std::optional<decay::LabRun> run = decay::runLab(*chain, *entry.setup, unit, random, seed(seedText));
    if (!run)
        return failure({});
    setSample(std::move(*run));
    return success();
}

val countSilver(const std::string& activation, const std::string& point, const std::string& seedText)
{
    const decay::NumberEntry seconds = decay::readActivationTime(activation, point);
    if (!seconds.value)
        return failure(seconds.error);
    std::optional<decay::LabRun> run = decay::silverRun(*seconds.value, seed(seedText));
    if (!run)
        return failure({});
    setSample(std::move(*run));
    val result = success();
    result.set("seconds", *seconds.value);
    return result;
}

// The run to count: its kind, its grid and its members that decay.
val sampleInfo()
{
    if (!lab().sample())
        return val::null();
    const decay::LabRun& run = *lab().sample();
    val result = val::object();
    result.set("random", run.random);
    result.set("steps", run.setup.steps);
    result.set("step", run.setup.step);
    result.set("grid", !run.setup.grid.empty());
    result.set("last", run.setup.grid.empty() ? run.setup.step * run.setup.steps : run.setup.grid.back());
    result.set("unit", std::string(decay::unitName(run.unit)));
    result.set("unitSeconds", decay::unitSeconds(run.unit));
    result.set("first", run.chain.members.empty() ? std::string() : run.chain.members[0].symbol);
    val members = val::array();
    for (std::size_t i = 0; i < run.chain.members.size(); ++i) {
        if (run.chain.members[i].stable())
            continue;
        val member = val::object();
        member.set("symbol", run.chain.members[i].symbol);
        member.set("index", static_cast<int>(i));
        members.call<void>("push", member);
    }
    result.set("members", members);
    return result;
}

// Counting

val checkSettings(const val& texts)
{
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    return entry.settings ? success() : failure(entry.error);
}

// A counter for the sample from the entries and the members chosen (their indices in the chain).
val startCounting(const val& texts, const val& chosen, const std::string& seedText)
{
    if (!lab().sample())
        return failure({});
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return failure(entry.error);
    std::vector<bool> counted(lab().sample()->chain.members.size(), false);
    for (const double place : numberList<double>(chosen, counted.size())) {
        const int member = whole(place, -1);
        if (member >= 0 && member < static_cast<int>(counted.size()))
            counted[static_cast<std::size_t>(member)] = true;
    }
    const decay::Message refusal = lab().start(*entry.settings, std::move(counted), seed(seedText));
    return refusal.empty() ? success() : failure(refusal);
}

// Each way of counting on gives the counts it recorded, for the clicks and the lamp.
double advanceStep() { return static_cast<double>(lab().advanceStep()); }
double playTo(double seconds) { return static_cast<double>(lab().playTo(seconds)); }

val interval(const decay::CountInterval& counted)
{
    val result = val::object();
    result.set("start", counted.start);
    result.set("end", counted.end);
    result.set("counts", static_cast<double>(counted.counts));
    return result;
}

// How far the counter is: the running interval, the last complete one with its dead-time correction.
val counterStatus()
{
    if (!lab().counter())
        return val::null();
    const decay::Counter& counter = *lab().counter();
    val result = val::object();
    result.set("running", static_cast<double>(counter.running().counts));
    result.set("total", static_cast<double>(lab().totalCounts()));
    result.set("time", counter.time());
    result.set("endTime", counter.endTime());
    result.set("finished", counter.finished());
    result.set("intervals", static_cast<double>(counter.intervals().size()));
    result.set("saturated", counter.saturated());
    const decay::DeadTime& dead = counter.settings().deadTime;
    result.set("tau", dead.tau);
    if (counter.intervals().empty()) {
        result.set("last", val::null());
    } else {
        const decay::CountInterval& last = counter.intervals().back();
        result.set("last", interval(last));
        const double seconds = last.end - last.start;
        result.set("corrected", seconds > 0 ? decay::trueRate(static_cast<double>(last.counts) / seconds, dead)
                                            : std::numeric_limits<double>::quiet_NaN());
    }
    const decay::CounterSettings& settings = counter.settings();
    val used = val::object();
    used.set("efficiency", settings.efficiency);
    used.set("background", settings.background);
    used.set("tau", settings.deadTime.tau);
    used.set("paralysable", settings.deadTime.kind == decay::DeadTime::Kind::Paralysable);
    result.set("settings", used);
    return result;
}

// Background

val measureBackground(const val& texts, const std::string& timeText, const std::string& seedText)
{
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return failure(entry.error);
    const decay::NumberEntry seconds = decay::readBackgroundTime(timeText, decimalPoint(texts));
    if (!seconds.value)
        return failure(seconds.error);
    const decay::BackgroundMeasurement& background = lab().measureBackground(*entry.settings, *seconds.value, seed(seedText));
    val result = success();
    result.set("counts", static_cast<double>(background.counts));
    result.set("seconds", *seconds.value);
    result.set("rate", background.rate());
    result.set("sigma", background.sigma());
    return result;
}

// The data shown and fitted

decay::FitData shownData() { return lab().shownData(); }

// The intervals with the background each expects (times in seconds, or the file's unit).
val shownSeries()
{
    const decay::FitData data = shownData();
    std::vector<double> starts, ends, counts, background;
    for (std::size_t k = 0; k < data.intervals.size(); ++k) {
        starts.push_back(data.intervals[k].start);
        ends.push_back(data.intervals[k].end);
        counts.push_back(static_cast<double>(data.intervals[k].counts));
        background.push_back(data.background(k));
    }
    val result = val::object();
    result.set("starts", numbers(std::span<const double>(starts)));
    result.set("ends", numbers(std::span<const double>(ends)));
    result.set("counts", numbers(std::span<const double>(counts)));
    result.set("background", numbers(std::span<const double>(background)));
    result.set("backgroundRate", data.backgroundRate);
    result.set("backgroundTime", data.backgroundTime);
    result.set("backgroundSigma", data.backgroundRateSigma());
    return result;
}

// A method the model does not have is its first, the likelihood.
decay::FitMethod known(decay::FitMethod method)
{
    return method == decay::FitMethod::WeightedLeastSquares ? method : decay::FitMethod::PoissonLikelihood;
}

std::string methodName(decay::FitMethod method) { return std::string(decay::methodName(known(method))); }

std::string shapeName(decay::FitShape shape) { return std::string(decay::shapeName(shape)); }

// The half-life from the counts shown, in the data's unit of time.
val fit(decay::FitMethod method, decay::FitShape shape)
{
    // A shape the model does not have is its first, one nuclide.
    const bool knownShape = shape == decay::FitShape::TwoNuclides || shape == decay::FitShape::Chain;
    const decay::HalfLifeFit& f = lab().fit(known(method), knownShape ? shape : decay::FitShape::OneNuclide);
    val result = val::object();
    result.set("fitted", f.fitted());
    result.set("shape", f.shape);
    result.set("halfLife", f.halfLife);
    result.set("sigma", f.sigma);
    result.set("secondHalfLife", f.secondHalfLife);
    result.set("secondSigma", f.secondSigma);
    result.set("chiSquare", f.chiSquare);
    result.set("degreesOfFreedom", f.degreesOfFreedom);
    result.set("reducedChiSquare", f.degreesOfFreedom > 0 ? f.reducedChiSquare() : std::numeric_limits<double>::quiet_NaN());
    result.set("pValue", f.pValue);
    result.set("note", message(f.note));
    result.set("expected", numbers(std::span<const double>(f.expected)));
    result.set("residuals", numbers(std::span<const double>(f.residuals)));
    return result;
}

void clearFit() { lab().clearFit(); }

// Files

val importCounts(const std::string& fileText, const std::string& point)
{
    const decay::Message refusal = lab().importCounts(fileText, point);
    if (!refusal.empty())
        return failure(refusal);
    val result = success();
    result.set("timeUnit", lab().imported()->timeUnit);
    return result;
}

std::string exportCounts()
{
    return lab().hasOwnCounts() ? decay::countsFileText(lab().shownData(), lab().sample()->unit) : std::string();
}

// Radiocarbon dating

val newDatingSample(const std::string& carbon, const std::string& age, const std::string& point, const std::string& seedText)
{
    const decay::NumberEntry grams = decay::readCarbon(carbon, point);
    if (!grams.value)
        return failure(grams.error);
    const bool hidden = decay::isBlank(age);
    const decay::NumberEntry typed = hidden ? decay::NumberEntry{} : decay::readAge(age, point);
    if (!hidden && !typed.value)
        return failure(typed.error);
    lab().newDatingSample(*grams.value, hidden ? std::nullopt : typed.value, seed(seedText));
    val result = success();
    result.set("hidden", hidden);
    result.set("grams", lab().datingSample()->carbonGrams);
    result.set("age", lab().datingSample()->age);
    return result;
}

// One count of the sample, with the background counted for as long, as a dating laboratory does,
// so that a longer count narrows both.
val countDatingSample(const val& texts, const std::string& minutesText, const std::string& seedText)
{
    if (!lab().datingSample())
        return failure({});
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return failure(entry.error);
    const decay::NumberEntry minutes = decay::readDatingMinutes(minutesText, decimalPoint(texts));
    if (!minutes.value)
        return failure(minutes.error);
    lab().countDatingSample(*entry.settings, *minutes.value * 60, seed(seedText));
    return success();
}

val datings()
{
    val result = val::array();
    for (const decay::DatingMeasurement& d : lab().datings()) {
        val item = val::object();
        item.set("seconds", d.count.seconds);
        item.set("counts", static_cast<double>(d.count.counts));
        item.set("backgroundCounts", static_cast<double>(d.background.counts));
        item.set("ratio", d.result.ratio);
        item.set("ratioLow", d.result.ratioLow);
        item.set("ratioHigh", d.result.ratioHigh);
        item.set("note", message(d.result.note));
        val ages = val::array();
        val labels = val::array();
        for (const decay::DatedAge& age : d.result.ages) {
            ages.call<void>("push", val(age));
            labels.call<void>("push", message(decay::ageLabel(age)));
        }
        item.set("ages", ages);
        item.set("labels", labels);
        result.call<void>("push", item);
    }
    return result;
}

// Repeat counts

val repeat(const val& counterTexts, const val& texts, const std::string& seedText)
{
    const decay::CounterSettingsEntry counter = counterSettings(counterTexts);
    if (!counter.settings)
        return failure(counter.error);
    const decay::RepeatSettingsEntry entry = decay::readRepeatSettings({text(texts, "repeats"), text(texts, "rate"), text(texts, "seconds"), decimalPoint(counterTexts)});
    if (!entry.settings)
        return failure(entry.error);
    lab().repeat(*entry.settings, counter.settings->deadTime, seed(seedText));
    return success();
}

// The repeat counts, what their spread says, and the Poisson and Gaussian expectations per bin of
// `bin` counts from the least count on, for the histogram.
// The count rates as `view` {logY, fitShown, hasSample} shows them, in the unit of the data
// shown: the run's for own counts, the file's for imported ones; with the fit while it is shown.
decay::RatePlotData rateData(const val& view)
{
    return lab().rateData(flag(view, "fitShown"), flag(view, "hasSample"), flag(view, "logY"));
}

val ratePlot(const val& view)
{
    return plotValue(decay::ratePlot(rateData(view), nullptr));
}

val residualPlot(const val& view)
{
    decay::Plot residuals;
    decay::ratePlot(rateData(view), &residuals);
    return plotValue(residuals);
}

// The ages of every count of the dating sample, with the sample's true age when `trueAge` is set.
val datingPlot(bool trueAge)
{
    const auto& sample = lab().datingSample();
    return plotValue(decay::datingPlot(lab().datings(), trueAge && sample ? std::optional(sample->age) : std::nullopt));
}

val repeatPlot()
{
    return plotValue(decay::repeatPlot(lab().repeats()));
}

val repeatResult()
{
    const std::vector<std::int64_t>& counts = lab().repeats();
    val result = val::object();
    result.set("counts", numbers(std::span<const std::int64_t>(counts)));
    const decay::Dispersion d = decay::dispersion(counts);
    result.set("n", d.n);
    result.set("mean", d.mean);
    result.set("variance", d.variance);
    result.set("index", d.index);
    result.set("chiSquare", d.chiSquare);
    result.set("degreesOfFreedom", d.degreesOfFreedom);
    result.set("pValue", d.pValue);
    return result;
}


} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_counting)
{
    using namespace emscripten;
    value_object<decay::DatedAge>("DatedAge")
        .field("halfLife", &decay::DatedAge::halfLife)
        .field("halfLifeSigma", &decay::DatedAge::halfLifeSigma)
        .field("age", &decay::DatedAge::age)
        .field("minus", &decay::DatedAge::minus)
        .field("plus", &decay::DatedAge::plus)
        .field("lowerLimit", &decay::DatedAge::lowerLimit);
    enum_<decay::FitMethod>("FitMethod")
        .value("PoissonLikelihood", decay::FitMethod::PoissonLikelihood)
        .value("WeightedLeastSquares", decay::FitMethod::WeightedLeastSquares);
    enum_<decay::FitShape>("FitShape")
        .value("OneNuclide", decay::FitShape::OneNuclide)
        .value("TwoNuclides", decay::FitShape::TwoNuclides)
        .value("Chain", decay::FitShape::Chain);
    function("countingLoadTable", &web::loadTable);
    function("countingChainDefaults", &web::chainDefaults);
    function("countingRunTable", &web::runTable);
    function("countingSilver", &web::countSilver);
    function("countingSampleInfo", &web::sampleInfo);
    function("countingCheckSettings", &web::checkSettings);
    function("countingStart", &web::startCounting);
    function("countingAdvanceStep", &web::advanceStep);
    function("countingPlayTo", &web::playTo);
    function("countingStatus", &web::counterStatus);
    function("countingMeasureBackground", &web::measureBackground);
    function("countingShownSeries", &web::shownSeries);
    function("countingMethodName", &web::methodName);
    function("countingShapeName", &web::shapeName);
    function("countingFit", &web::fit);
    function("countingClearFit", &web::clearFit);
    function("countingImport", &web::importCounts);
    function("countingExport", &web::exportCounts);
    function("countingNewDatingSample", &web::newDatingSample);
    function("countingCountDatingSample", &web::countDatingSample);
    function("countingDatings", &web::datings);
    function("countingRepeat", &web::repeat);
    function("countingTakeLabRun", &web::takeLabRun);
    function("countingRatePlot", &web::ratePlot);
    function("countingResidualPlot", &web::residualPlot);
    function("countingDatingPlot", &web::datingPlot);
    function("countingRepeatPlot", &web::repeatPlot);
    function("countingRepeatResult", &web::repeatResult);
}
