// The counting lab: a detector beside a run of a chain from the nuclide table or of activated
// silver, its background, the fits, counts imported and exported, radiocarbon dating and repeat
// counts. Like the desktop's window, the module holds one lab for the page; the page keeps only
// what it shows.

#include "LabBindings.h"
#include "PlotBindings.h"

#include "model/common/Conversions.h"
#include "model/counting/CountingPlot.h"
#include "model/counting/CountingSession.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"
#include "output/CountsFile.h"

#include <emscripten/bind.h>

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
    const decay::Message refusal = lab().activateSilver(activation, point, seed(seedText));
    return refusal.empty() && lab().sample() ? success() : failure(refusal);
}

// The run to count: its grid and its members that decay.
val sampleInfo()
{
    if (!lab().sample())
        return val::null();
    const decay::LabRun& run = *lab().sample();
    val result = val::object();
    result.set("steps", run.setup.steps);
    result.set("grid", !run.setup.grid.empty());
    result.set("last", run.setup.grid.empty() ? run.setup.step * run.setup.steps : run.setup.grid.back());
    result.set("unit", std::string(decay::unitName(run.unit)));
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

// How far the counter is: the counts of the running interval, the time and the intervals done.
val counterProgress()
{
    if (!lab().counter())
        return val::null();
    const decay::Counter& counter = *lab().counter();
    val result = val::object();
    result.set("running", static_cast<double>(counter.running().counts));
    result.set("time", counter.time());
    result.set("finished", counter.finished());
    result.set("intervals", static_cast<double>(counter.intervals().size()));
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
    lab().measureBackground(*entry.settings, *seconds.value, seed(seedText));
    return success();
}

// The data shown and fitted

// The counts of the intervals shown.
val shownCounts()
{
    std::vector<double> counts;
    for (const decay::CountInterval& interval : lab().shownData().intervals)
        counts.push_back(static_cast<double>(interval.counts));
    return numbers(std::span<const double>(counts));
}

// A method or shape the model does not have is its first.
decay::FitMethod known(decay::FitMethod method)
{
    return method == decay::FitMethod::WeightedLeastSquares ? method : decay::FitMethod::PoissonLikelihood;
}

decay::FitShape known(decay::FitShape shape)
{
    return shape == decay::FitShape::TwoNuclides || shape == decay::FitShape::Chain ? shape : decay::FitShape::OneNuclide;
}

std::string methodName(decay::FitMethod method) { return std::string(decay::methodName(known(method))); }
std::string shapeName(decay::FitShape shape) { return std::string(decay::shapeName(known(shape))); }

// What the lab says; `name` names the nuclide lab's run as the page titles it.
val sampleText(const std::string& name) { return message(lab().sampleMessage(name)); }
val backgroundText() { return message(lab().backgroundMessage()); }
val counterReport() { return report(lab().counterReport()); }
val fitReport(decay::FitMethod method, decay::FitShape shape, bool playing) { return report(lab().fitReport(known(method), known(shape), playing)); }
val datingReport() { return report(lab().datingReport()); }
val repeatText() { return message(lab().repeatMessage()); }
val worksheetText(const std::string& name, decay::FitShape shape) { return message(lab().worksheetMessage(name, known(shape))); }

// Files

val importCounts(const std::string& fileText, const std::string& point, const std::string& fileName)
{
    const decay::Message refusal = lab().importCounts(fileText, point, fileName);
    return refusal.empty() ? success() : failure(refusal);
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
    return success();
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

void revealAge() { lab().revealAge(); }

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

// The count rates as the lab shows them, in the unit of the data shown: the run's for own counts,
// the file's for imported ones; with the fit while there is one.
decay::RatePlotData rateData(bool logY)
{
    return lab().rateData(lab().lastFit().has_value(), lab().sample().has_value(), logY);
}

val ratePlot(bool logY)
{
    return plotValue(decay::ratePlot(rateData(logY), nullptr));
}

val residualPlot(bool logY)
{
    decay::Plot residuals;
    decay::ratePlot(rateData(logY), &residuals);
    return plotValue(residuals);
}

// The ages of every count of the dating sample, with the sample's true age once shown.
val datingPlot()
{
    const auto& sample = lab().datingSample();
    return plotValue(decay::datingPlot(lab().datings(), lab().ageShown() && sample ? std::optional(sample->age) : std::nullopt));
}

val repeatPlot()
{
    return plotValue(decay::repeatPlot(lab().repeats()));
}

val repeatCounts()
{
    return numbers(std::span<const std::int64_t>(lab().repeats()));
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_counting)
{
    using namespace emscripten;
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
    function("countingProgress", &web::counterProgress);
    function("countingMeasureBackground", &web::measureBackground);
    function("countingShownCounts", &web::shownCounts);
    function("countingMethodName", &web::methodName);
    function("countingShapeName", &web::shapeName);
    function("countingSampleText", &web::sampleText);
    function("countingBackgroundText", &web::backgroundText);
    function("countingCounterReport", &web::counterReport);
    function("countingFitReport", &web::fitReport);
    function("countingDatingReport", &web::datingReport);
    function("countingRepeatText", &web::repeatText);
    function("countingWorksheetText", &web::worksheetText);
    function("countingImport", &web::importCounts);
    function("countingExport", &web::exportCounts);
    function("countingNewDatingSample", &web::newDatingSample);
    function("countingCountDatingSample", &web::countDatingSample);
    function("countingRevealAge", &web::revealAge);
    function("countingRepeat", &web::repeat);
    function("countingTakeLabRun", &web::takeLabRun);
    function("countingRatePlot", &web::ratePlot);
    function("countingResidualPlot", &web::residualPlot);
    function("countingDatingPlot", &web::datingPlot);
    function("countingRepeatPlot", &web::repeatPlot);
    function("countingRepeatCounts", &web::repeatCounts);
}
