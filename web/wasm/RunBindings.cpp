// The decay run of the main window: its entries, the two runs, the chart views and the data file.
// Like the desktop program, the module holds one run state for the page.

#include "RunBindings.h"

#include "Bindings.h"
#include "PlotBindings.h"

#include "model/common/Conversions.h"
#include "model/run/Entries.h"
#include "model/run/LnCounts.h"
#include "model/run/RunPlot.h"
#include "model/run/Runs.h"
#include "output/DataFile.h"

#include <emscripten/bind.h>

#include <algorithm>

namespace web {
namespace {

decay::RunState& state()
{
    static decay::RunState runState;
    return runState;
}

val optionalText(const std::optional<std::string>& value)
{
    return value ? val(*value) : val::null();
}

val rateEntry(const decay::RateEntry& entry)
{
    val result = val::object();
    result.set("replacement", optionalText(entry.replacement));
    result.set("other", entry.other);
    return result;
}

val outcome(const decay::RunOutcome& outcome)
{
    val result = val::object();
    result.set("ran", outcome.ran);
    result.set("label", message(outcome.label));
    result.set("box", outcome.box);
    result.set("lnViewEnabled", outcome.lnViewEnabled);
    result.set("runEnabled", outcome.runEnabled);
    result.set("focusDecayedView", outcome.focusDecayedView);
    result.set("lastStep", static_cast<int>(state().tmax));
    result.set("extinct", decay::isYes(state().Extinct));
    return result;
}

val confirmInitialAtoms(const std::string& text) { return optionalText(decay::confirmInitialAtoms(text)); }
val confirmSimulationTime(const std::string& text) { return optionalText(decay::confirmSimulationTime(text)); }
val confirmHalfLife(const std::string& text, const std::string& point) { return rateEntry(decay::confirmHalfLife(text, point)); }
val confirmRate(const std::string& text, const std::string& point) { return rateEntry(decay::confirmRate(text, point)); }
val lnTwoOverText(const std::string& text, const std::string& point) { return optionalText(decay::lnTwoOverText(text, point)); }
bool isNumberText(const std::string& text, const std::string& point) { return decay::isNumberText(text, point); }

// What the window does on opening: the last step from its field, 50 when that cannot be read.
void loadLastStep(const std::string& text)
{
    state().tmax = decay::toInt16(decay::lenientValue(text).value_or(50)).value_or(50);
}

// An entry changed: the run shown no longer matches the fields.
void invalidate() { state().RunValid = "No"; }

val runDeterministic(const val& texts) { return outcome(decay::runDeterministic(state(), runTexts(texts))); }

val runRandom(const val& texts, const std::string& seedText)
{
    return outcome(decay::runRandom(state(), runTexts(texts), seed(seedText)));
}

// A view of the run as the desktop's main window has it.
val viewPlot(decay::RunView view)
{
    return plotValue(decay::runPlot(state(), view, decay::mainViewLastStep(state(), view)));
}

std::string dataFile() { return decay::dataFileText(state()); }

} // namespace

decay::RunTexts runTexts(const val& texts)
{
    return {text(texts, "atoms"), text(texts, "rate"), text(texts, "lastStep"), decimalPoint(texts)};
}

const decay::RunState& runState()
{
    return state();
}

} // namespace web

EMSCRIPTEN_BINDINGS(decay_run)
{
    using namespace emscripten;
    enum_<decay::RunView>("RunView")
        .value("AtomsVsTime", decay::RunView::AtomsVsTime)
        .value("DecayedVsTime", decay::RunView::DecayedVsTime)
        .value("LnAtomsVsTime", decay::RunView::LnAtomsVsTime)
        .value("NextVsNow", decay::RunView::NextVsNow);
    function("confirmInitialAtoms", &web::confirmInitialAtoms);
    function("confirmSimulationTime", &web::confirmSimulationTime);
    function("confirmHalfLife", &web::confirmHalfLife);
    function("confirmRate", &web::confirmRate);
    function("lnTwoOverText", &web::lnTwoOverText);
    function("isNumberText", &web::isNumberText);
    function("loadLastStep", &web::loadLastStep);
    function("invalidate", &web::invalidate);
    function("runDeterministic", &web::runDeterministic);
    function("runRandom", &web::runRandom);
    function("viewPlot", &web::viewPlot);
    function("dataFile", &web::dataFile);
}
