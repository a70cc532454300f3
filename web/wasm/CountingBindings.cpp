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

#include <algorithm>
#include <cmath>
#include <optional>

namespace web {
namespace {

// The counting lab's session; the nuclide table is the nuclide lab's, read once for the page.
decay::CountingSession& lab()
{
    static decay::CountingSession session;
    return session;
}

// What the page hears of an operation: done, or refused and why (perhaps without a word).
struct Outcome {
    bool ok = true;
    decay::Message error;
};
Outcome outcome(decay::Message refusal)
{
    const bool ok = refusal.empty();
    return {ok, std::move(refusal)};
}
const Outcome kRefused{.ok = false};


decay::CounterSettingsEntry counterSettings(const val& texts)
{
    return decay::readCounterSettings({text(texts, "efficiency"), text(texts, "background"), text(texts, "interval"), decimalPoint(texts),
                                       text(texts, "deadTime"),
                                       flag(texts, "paralysable") ? decay::DeadTime::Kind::Paralysable : decay::DeadTime::Kind::NonParalysable});
}

// The sample

std::optional<decay::Chain> tableChain(const std::string& start, double threshold = decay::ChainOptions{}.threshold)
{
    return decay::chainFromTable(labSession().table(), start, {.threshold = threshold}).chain;
}

// The nuclide lab's first entries for a chain on a uniform grid, and the first member's atoms, which
// the page's sample takes.
struct ChainDefaults {
    double step = 0;
    decay::TimeUnit unit = decay::TimeUnit::Second;
    int steps = 0;
    double atoms = 0;
};
std::optional<ChainDefaults> chainDefaults(const std::string& start)
{
    const std::optional<decay::Chain> chain = tableChain(start);
    if (!chain)
        return std::nullopt;
    const decay::RunDefaults defaults = decay::runDefaults(*chain);
    const decay::UniformGrid grid = decay::uniformGrid(defaults);
    return ChainDefaults{grid.step, grid.unit, grid.steps, defaults.atoms};
}

// The nuclide lab's last run, a typed chain's too, as the sample.
Outcome takeLabRun()
{
    const auto& run = labSession().result();
    if (!run)
        return kRefused;
    lab().setSample(*run);
    return {};
}

// A run of a chain from the table as the nuclide lab's entries give it, `atoms` of the first member
// alone when there is no `initial` amount of every member.
Outcome runTable(const val& texts, const std::string& seedText)
{
    const std::optional<decay::Chain> chain = tableChain(text(texts, "start"), number(texts, "threshold", decay::ChainOptions{}.threshold));
    if (!chain)
        return kRefused;
    decay::RunSetupTexts setup = runSetupTexts(texts);
    if (!val::global("Array").call<bool>("isArray", property(texts, "initial")))
        setup.initial = {text(texts, "atoms")};
    setup.initial.resize(chain->members.size(), "0");
    auto prepared = decay::NuclideLabSession::prepare(*chain, setup, flag(texts, "random"));
    if (auto* refusal = std::get_if<decay::Message>(&prepared))
        return {false, *refusal};
    std::optional<decay::LabRun> run = decay::NuclideLabSession::run(std::get<decay::NuclideLabSession::Prepared>(prepared), seed(seedText));
    if (!run)
        return kRefused;
    lab().setSample(std::move(*run));
    return {};
}

Outcome countSilver(const std::string& activation, const std::string& point, const std::string& seedText)
{
    const decay::Message refusal = lab().activateSilver(activation, point, seed(seedText));
    return refusal.empty() && lab().sample() ? Outcome{} : Outcome{false, refusal};
}

// The run counted, as the page's tests read it: its steps, its grid, its last time and its unit.
struct SampleInfo {
    int steps = 0;
    bool grid = false;
    double last = 0;
    std::string unit;
};
std::optional<SampleInfo> sampleInfo()
{
    if (!lab().sample())
        return std::nullopt;
    const decay::LabRun& run = *lab().sample();
    return SampleInfo{run.setup.steps, !run.setup.grid.empty(), run.setup.grid.empty() ? run.setup.step * run.setup.steps : run.setup.grid.back(),
                      std::string(decay::unitName(run.unit))};
}

std::vector<decay::CountingSession::Member> countable() { return lab().countable(); }
decay::FitShape defaultShape() { return lab().defaultShape(); }

// Counting

Outcome checkSettings(const val& texts) { return outcome(counterSettings(texts).error); }

// A counter for the sample from the entries and the members chosen (their places in the chain);
// the background counting time as typed, for a background not yet measured.
Outcome startCounting(const val& texts, const val& chosen, const std::string& backgroundTime, const std::string& seedText,
                      const std::string& backgroundSeedText)
{
    if (!lab().sample())
        return kRefused;
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return outcome(entry.error);
    std::vector<bool> counted(lab().sample()->chain.members.size(), false);
    for (const double place : numberList<double>(chosen, counted.size())) {
        const int member = whole(place, -1);
        if (member >= 0 && member < static_cast<int>(counted.size()))
            counted[static_cast<std::size_t>(member)] = true;
    }
    return outcome(lab().start(*entry.settings, std::move(counted), seed(seedText), seed(backgroundSeedText), backgroundTime,
                               text(texts, "decimalPoint")));
}

// Each way of counting on gives the counts it recorded, for the clicks and the lamp.
double advanceStep() { return static_cast<double>(lab().advanceStep()); }
double playTo(double seconds) { return static_cast<double>(lab().playTo(seconds)); }
std::optional<decay::CountingSession::CounterProgress> progress() { return lab().progress(); }

Outcome measureBackground(const val& texts, const std::string& seconds, const std::string& seedText)
{
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return outcome(entry.error);
    return outcome(lab().measureBackground(*entry.settings, seconds, decimalPoint(texts), seed(seedText)));
}

// The counts of the intervals shown.
std::vector<double> shownCounts()
{
    std::vector<double> counts;
    for (const decay::CountInterval& interval : lab().shownData().intervals)
        counts.push_back(static_cast<double>(interval.counts));
    return counts;
}

// The fit

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
decay::Message sampleText(const std::string& name) { return lab().sampleMessage(name); }
decay::Message backgroundText() { return lab().backgroundMessage(); }
decay::Report counterReport() { return lab().counterReport(); }
decay::Report fitReport(decay::FitMethod method, decay::FitShape shape, bool playing) { return lab().fitReport(known(method), known(shape), playing); }
decay::Report datingReport() { return lab().datingReport(); }
decay::Message repeatText() { return lab().repeatMessage(); }
decay::Message worksheetText(const std::string& name, decay::FitShape shape) { return lab().worksheetMessage(name, known(shape)); }

// Files

Outcome importCounts(const std::string& fileText, const std::string& point, const std::string& fileName)
{
    return outcome(lab().importCounts(fileText, point, fileName));
}

// A real counter's pulses as the lab's counts: their times (seconds), the length of the input, its
// gaps as start and length pairs, and the hold-off in milliseconds, counted in intervals of
// `interval` seconds as typed.
decay::PulseRecord pulseRecord(const val& record)
{
    decay::PulseRecord pulses{.seconds = std::max(number(record, "seconds"), 0.0), .holdOff = number(record, "holdOffMs") / 1e3};
    for (double t : numberList<double>(property(record, "times"), std::size_t{1} << 26))
        if (std::isfinite(t) && (pulses.times.empty() || t >= pulses.times.back()))
            pulses.times.push_back(t);
    const std::vector<double> gaps = numberList<double>(property(record, "gaps"), std::size_t{1} << 20);
    for (std::size_t k = 0; k + 1 < gaps.size(); k += 2)
        pulses.gaps.push_back({finite(gaps[k]), std::max(finite(gaps[k + 1]), 0.0)});
    return pulses;
}

Outcome useRecording(const val& record, const std::string& interval, const std::string& point)
{
    return outcome(lab().useRecording(pulseRecord(record), interval, point));
}

void useRecordedBackground(const val& record)
{
    lab().useRecordedBackground(pulseRecord(record));
}

void repeatRecording()
{
    lab().repeatRecording();
}

std::string exportPulseTimes()
{
    return lab().recording() ? decay::pulseTimesText(*lab().recording()) : std::string();
}

std::string exportCounts()
{
    if (lab().recording())
        return decay::countsFileText(lab().shownData(), decay::TimeUnit::Second);
    return lab().hasOwnCounts() ? decay::countsFileText(lab().shownData(), lab().sample()->unit) : std::string();
}

// Radiocarbon dating and repeat counts

Outcome newDatingSample(const std::string& carbon, const std::string& age, const std::string& point, const std::string& seedText)
{
    return outcome(lab().newDatingSample(carbon, age, point, seed(seedText)));
}

Outcome countDatingSample(const val& texts, const std::string& minutes, const std::string& seedText)
{
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return outcome(entry.error);
    return outcome(lab().countDatingSample(*entry.settings, minutes, decimalPoint(texts), seed(seedText)));
}

void revealAge() { lab().revealAge(); }

Outcome dateRecording(const val& texts, const std::string& carbon)
{
    const decay::CounterSettingsEntry entry = counterSettings(texts);
    if (!entry.settings)
        return outcome(entry.error);
    return outcome(lab().dateRecording(carbon, entry.settings->efficiency, decimalPoint(texts)));
}

Outcome repeat(const val& counterTexts, const val& texts, const std::string& seedText)
{
    const decay::CounterSettingsEntry counter = counterSettings(counterTexts);
    if (!counter.settings)
        return outcome(counter.error);
    return outcome(lab().repeat({text(texts, "repeats"), text(texts, "rate"), text(texts, "seconds"), decimalPoint(counterTexts)},
                                counter.settings->deadTime, seed(seedText)));
}

std::vector<double> repeatCounts() { return {lab().repeats().begin(), lab().repeats().end()}; }

// The charts

// The count rates as the lab shows them, in the unit of the data shown: the run's for own counts,
// the file's for imported ones; with the fit while there is one.
decay::RatePlotData rateData(bool logY)
{
    return lab().rateData(lab().lastFit().has_value(), lab().sample().has_value(), logY);
}

val ratePlot(bool logY) { return plotValue(decay::ratePlot(rateData(logY), nullptr)); }

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

val repeatPlot() { return plotValue(decay::repeatPlot(lab().repeats())); }

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_counting)
{
    using namespace emscripten;
    using Session = decay::CountingSession;
    enum_<decay::FitMethod>("FitMethod")
        .value("PoissonLikelihood", decay::FitMethod::PoissonLikelihood)
        .value("WeightedLeastSquares", decay::FitMethod::WeightedLeastSquares);
    enum_<decay::FitShape>("FitShape")
        .value("OneNuclide", decay::FitShape::OneNuclide)
        .value("TwoNuclides", decay::FitShape::TwoNuclides)
        .value("Chain", decay::FitShape::Chain);
    value_object<web::Outcome>("Outcome").field("ok", &web::Outcome::ok).field("error", &web::Outcome::error);
    value_object<web::ChainDefaults>("ChainDefaults")
        .field("step", &web::ChainDefaults::step)
        .field("unit", &web::ChainDefaults::unit)
        .field("steps", &web::ChainDefaults::steps)
        .field("atoms", &web::ChainDefaults::atoms);
    value_object<web::SampleInfo>("SampleInfo")
        .field("steps", &web::SampleInfo::steps)
        .field("grid", &web::SampleInfo::grid)
        .field("last", &web::SampleInfo::last)
        .field("unit", &web::SampleInfo::unit);
    value_object<Session::Member>("CountedMember").field("symbol", &Session::Member::symbol).field("index", &Session::Member::place);
    value_object<Session::CounterProgress>("CounterProgress")
        .field("running", &Session::CounterProgress::running)
        .field("time", &Session::CounterProgress::time)
        .field("finished", &Session::CounterProgress::finished)
        .field("intervals", &Session::CounterProgress::intervals);
    function("countingChainDefaults", &web::chainDefaults);
    function("countingRunTable", &web::runTable);
    function("countingSilver", &web::countSilver);
    function("countingSampleInfo", &web::sampleInfo);
    function("countingCountable", &web::countable);
    function("countingDefaultShape", &web::defaultShape);
    function("countingCheckSettings", &web::checkSettings);
    function("countingStart", &web::startCounting);
    function("countingAdvanceStep", &web::advanceStep);
    function("countingPlayTo", &web::playTo);
    function("countingProgress", &web::progress);
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
    function("countingDateRecording", &web::dateRecording);
    function("countingRevealAge", &web::revealAge);
    function("countingRepeat", &web::repeat);
    function("countingTakeLabRun", &web::takeLabRun);
    function("countingRatePlot", &web::ratePlot);
    function("countingResidualPlot", &web::residualPlot);
    function("countingDatingPlot", &web::datingPlot);
    function("countingRepeatPlot", &web::repeatPlot);
    function("countingRepeatCounts", &web::repeatCounts);
    function("countingUseRecording", &web::useRecording);
    function("countingUseRecordedBackground", &web::useRecordedBackground);
    function("countingRepeatRecording", &web::repeatRecording);
    function("countingExportPulseTimes", &web::exportPulseTimes);
}
