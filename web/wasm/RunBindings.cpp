// The decay run of the main window: its entries, the two runs, the chart views and the data file.
// Like the desktop program, the module holds one run state for the page.

#include "Bindings.h"

#include "model/common/Conversions.h"
#include "model/run/Entries.h"
#include "model/run/LnCounts.h"
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

decay::RunTexts runTexts(const val& texts)
{
    return {text(texts, "atoms"), text(texts, "rate"), text(texts, "lastStep"), decimalPoint(texts)};
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

// The points of one view as the desktop's chart has them: 0 atoms, 1 decayed atoms, 2 ln(atoms),
// 3 N(t+1) over N(t) with the line y = x. The ln view ends before the first count without a
// logarithm, and after a random run that ran out of atoms before its zero counts.
val viewSeries(int view)
{
    const decay::RunState& run = state();
    int last = std::min<int>(run.tmax, decay::kLastStepLimit);
    if (view == 2) {
        if (decay::isYes(run.Extinct))
            last = run.tzero - 1;
        last = decay::lastLogStep(run, std::min(last, decay::kLastStepLimit));
    }
    const int rows = std::max(last + 1, 0);
    std::vector<double> x(rows), y(rows);
    for (int t = 0; t < rows; ++t) {
        switch (view) {
        case 1: x[t] = t; y[t] = run.dNt[t]; break;
        case 2: x[t] = t; y[t] = decay::lnAtoms(run, t).value_or(0); break;
        case 3: x[t] = run.Nt[t]; y[t] = run.Nt[t + 1]; break;
        default: x[t] = t; y[t] = run.Nt[t]; break;
        }
    }
    val result = val::object();
    result.set("x", numbers(std::span<const double>(x)));
    result.set("y", numbers(std::span<const double>(y)));
    return result;
}

std::string dataFile() { return decay::dataFileText(state()); }

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_run)
{
    using namespace emscripten;
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
    function("viewSeries", &web::viewSeries);
    function("dataFile", &web::dataFile);
}
