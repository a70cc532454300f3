// The data files the desktop writes for fixed entries: deterministic runs and random runs with
// a fixed seed, including entries whose values are not exact in binary and runs that end early.

#include "JsonOut.h"
#include "PlotJson.h"

#include "model/run/RunPlot.h"
#include "model/run/Runs.h"
#include "output/DataFile.h"

#include <memory>

namespace {

struct Case {
    const char* name;
    bool random;
    const char* atoms;
    const char* rate;
    const char* lastStep;
    const char* seed;
};

constexpr Case kCases[] = {
    {"defaults", false, "100", "0.1", "50", ""},
    {"defaultsRandom", true, "100", "0.1", "50", "20261207"},
    {"halfLifeRate", false, "1000", "0.0161197", "570", ""},
    {"largeRandom", true, "32767", "0.3", "3000", "1"},
    {"overLimitRandom", true, "40000", "0.05", "43", "18446744073709551615"},
    {"slowDecay", false, "12345", "0.001", "3000", ""},
    {"rateOne", false, "7", "1", "10", ""},
};

// The main window's four views, in the order of the model's RunView.
std::vector<std::string> views(const decay::RunState& state)
{
    std::vector<std::string> plots;
    for (const auto view : {decay::RunView::AtomsVsTime, decay::RunView::DecayedVsTime, decay::RunView::LnAtomsVsTime, decay::RunView::NextVsNow})
        plots.push_back(webref::plotJson(decay::runPlot(state, view, decay::mainViewLastStep(state, view))));
    return plots;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = argc > 1 ? argv[1] : ".";
    std::vector<std::string> cases;
    for (const Case& c : kCases) {
        const auto state = std::make_unique<decay::RunState>();
        decay::RunOutcome outcome;
        if (c.random) {
            // A random run runs to the last step the window loaded before: set as a deterministic run would.
            decay::runDeterministic(*state, {c.atoms, c.rate, c.lastStep});
            outcome = decay::runRandom(*state, {c.atoms, c.rate, {}}, std::strtoull(c.seed, nullptr, 10));
        } else {
            outcome = decay::runDeterministic(*state, {c.atoms, c.rate, c.lastStep});
        }
        cases.push_back(webref::object({
            {"name", webref::jsonText(c.name)},
            {"random", c.random ? "true" : "false"},
            {"atoms", webref::jsonText(c.atoms)},
            {"rate", webref::jsonText(c.rate)},
            {"lastStep", webref::jsonText(c.lastStep)},
            {"seed", webref::jsonText(c.seed)},
            {"box", webref::jsonText(outcome.box)},
            {"file", webref::jsonText(decay::dataFileText(*state))},
            {"views", webref::array(views(*state))},
        }));
    }
    webref::write(folder, "run", webref::array(cases));
}
