// The nuclide lab's runs as the desktop computes them, for the page to match: the lab's default
// entries, chains of the table (the U-238 series, Mo-99 with Tc-99m, branching chains), a
// custom chain, steps that are not exact in binary (0.1 s, 0.1 h, 43 y, 570 y), random runs
// with a fixed seed, a milking, and the messages for entries the model refuses.

#include "JsonOut.h"
#include "PlotJson.h"

#include "model/nuclides/ChainActivity.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/NuclideLabSession.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"
#include "output/ChainFile.h"
#include "tests/model/nuclides/ShippedTable.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct Case {
    const char* name;
    const char* start;  // a first member of the table; "" for the custom chain
    bool defaults;      // the entries the lab starts the chain with, else those below
    int grid = 0;       // 0 uniform, 1 logarithmic
    const char* step = "";
    int unit = 0;       // s, min, h, d, y
    const char* steps = "";
    int amountUnit = 0; // of the first member: atoms, grams, becquerel
    const char* amount = "1000000";
    bool random = false;
    const char* seed = "";
    const char* milkStep = ""; // "" for no milking
    int milkMember = 1;
};

constexpr Case kCases[] = {
    {"defaults", "U-238", true},
    {"defaultsRandom", "U-238", true, 0, "", 0, "", 0, "", true, "20261207"},
    {"mo99", "Mo-99", false, 0, "0.1", 2, "500"},
    {"mo99Random", "Mo-99", false, 0, "0.1", 2, "500", 0, "1000000", true, "20261207"},
    {"mo99Milk", "Mo-99", false, 0, "0.1", 2, "500", 0, "1000000", false, "", "240", 1},
    {"u238Step570", "U-238", false, 0, "570", 4, "200"},
    {"u238Step570Random", "U-238", false, 0, "570", 4, "200", 0, "1000000", true, "18446744073709551615"},
    {"ra226Step43", "Ra-226", false, 0, "43", 4, "100", 1, "0.001"},
    {"bi212", "Bi-212", false, 0, "0.1", 1, "1000"},
    {"custom", "", false, 0, "0.1", 0, "300"},
    {"customRandom", "", false, 0, "0.1", 0, "300", 0, "1000000", true, "1"},
    {"badStep", "Mo-99", false, 0, "0,1x", 2, "500"},
    {"tooManySteps", "Mo-99", false, 0, "0.1", 2, "20000"},
};

// The page's custom chain as it opens, with its half-lives in seconds: 10 s decaying to 1 s
// decaying to a stable end.
decay::Chain customChain()
{
    using decay::TimeUnit;
    const decay::CustomChainTexts texts{{{"Parent", "10", TimeUnit::Second}, {"Daughter", "1", TimeUnit::Second}, {"Stable", "", TimeUnit::Second}},
                                        {{0, 1, "1"}, {1, 2, "1"}}};
    return *decay::readCustomChain(texts).chain;
}

// The first member's amount, none of the others'.
std::vector<std::string> firstOnly(const decay::Chain& chain, const std::string& amount)
{
    std::vector<std::string> initial(static_cast<std::size_t>(chain.size()), "0");
    initial[0] = amount;
    return initial;
}

decay::RunSetupTexts caseTexts(const Case& c, const decay::Chain& chain)
{
    if (c.defaults) // as the lab fills them in
        return decay::defaultEntries(chain, decay::runDefaults(chain));
    return {.initial = firstOnly(chain, c.amount), .step = c.step, .unit = decay::kTimeUnits[static_cast<std::size_t>(c.unit)],
            .steps = c.steps, .milkStep = c.milkStep, .milkMember = c.milkMember,
            .amountUnits = {decay::kAmountUnits[static_cast<std::size_t>(c.amountUnit)]}, .grid = decay::kGridKinds[static_cast<std::size_t>(c.grid)]};
}

std::string messageJson(const decay::Message& message)
{
    const bool numbers = std::any_of(message.values.begin(), message.values.end(), [](const decay::MessageValue& v) { return v.number.has_value(); });
    return webref::object({{"pattern", webref::jsonText(message.pattern)}, {"text", webref::jsonText(message.text())},
                           {"numbers", numbers ? "true" : "false"}});
}

// The chart's three views, the activities in kBq on a logarithmic axis, and the ratio of the
// first member's first daughter; as the page asks for them, {view, plot}, the view's kind by its
// name.
std::vector<std::string> plotsJson(const decay::LabRun& run)
{
    using Kind = decay::LabView::Kind;
    const int daughter = run.chain.links.empty() ? -1 : run.chain.links[0].daughter;
    const std::pair<const char*, decay::LabView> views[] = {
        {"Atoms", {.kind = Kind::Atoms}},
        {"Activity", {.kind = Kind::Activity, .logY = true, .activityUnit = decay::ActivityUnit::kBq}},
        {"Ratio", {.kind = Kind::Ratio, .daughter = daughter, .over = daughter < 0 ? -1 : 0}}};
    std::vector<std::string> plots;
    for (const auto& [kind, view] : views) {
        const std::string shown = webref::object({{"kind", webref::jsonText(kind)}, {"logY", view.logY ? "true" : "false"},
                                                  {"activityUnit", std::to_string(static_cast<int>(view.activityUnit))},
                                                  {"daughter", std::to_string(view.daughter)}, {"over", std::to_string(view.over)}});
        plots.push_back(webref::object({{"view", shown}, {"plot", webref::plotJson(decay::labPlot(&run, view))}}));
    }
    return plots;
}

std::string runJson(const Case& c, const decay::Chain& chain)
{
    const decay::RunSetupTexts texts = caseTexts(c, chain);
    std::vector<std::pair<std::string, std::string>> members{
        {"name", webref::jsonText(c.name)}, {"start", webref::jsonText(c.start)}, {"defaults", c.defaults ? "true" : "false"},
        {"grid", std::to_string(c.grid)}, {"step", webref::jsonText(c.step)}, {"unit", std::to_string(c.unit)},
        {"steps", webref::jsonText(c.steps)}, {"amountUnit", std::to_string(c.amountUnit)}, {"amount", webref::jsonText(c.amount)},
        {"random", c.random ? "true" : "false"}, {"seed", webref::jsonText(c.seed)}, {"milkStep", webref::jsonText(c.milkStep)},
        {"milkMember", std::to_string(c.milkMember)}};
    std::vector<std::string> symbols;
    for (const decay::ChainMember& member : chain.members)
        symbols.push_back(webref::jsonText(member.symbol));
    members.emplace_back("members", webref::array(symbols));
    const decay::RunSetupEntry setup = decay::readRunSetup(chain, texts);
    decay::Message refusal = setup.setup ? decay::Message{} : setup.error;
    if (setup.setup && c.random)
        refusal = decay::randomRunRefusal(*setup.setup);
    if (!refusal.empty()) {
        members.emplace_back("error", messageJson(refusal));
        return webref::object(members);
    }
    const bool logarithmic = !setup.setup->grid.empty();
    const decay::TimeUnit unit = logarithmic ? texts.lastUnit : texts.unit;
    const auto run = decay::runLab(chain, *setup.setup, unit, c.random, std::strtoull(c.seed, nullptr, 10));
    std::vector<std::string> atoms;
    for (int i = 0; i < run->atoms.members; ++i)
        atoms.push_back(webref::numbers(run->atoms.member(i)));
    members.emplace_back("atoms", webref::array(atoms));
    members.emplace_back("file", webref::jsonText(decay::chainFileText(*run)));
    members.emplace_back("plots", webref::array(plotsJson(*run)));
    // The status line, the step as typed.
    decay::NuclideLabSession session;
    session.setResult(*run);
    members.emplace_back("status", webref::reportJson(session.statusReport(texts.step)));
    // The sentence under the chart, for the first member's first daughter against it.
    if (!run->chain.links.empty())
        members.emplace_back("equilibrium", webref::messageValues(decay::equilibriumMessage(run->chain, run->setup.initial,
                                                                                            run->chain.links[0].daughter, 0)));
    return webref::object(members);
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = argc > 1 ? argv[1] : ".";
    std::vector<std::string> cases;
    for (const Case& c : kCases)
        cases.push_back(runJson(c, *c.start ? tableChain(c.start) : customChain()));
    webref::write(folder, "lab", webref::array(cases));
    // A branch threshold beyond 100 %, refused with the field's range.
    webref::write(folder, "labThreshold", webref::object({{"typed", webref::jsonText("200")},
                                                          {"error", messageJson(decay::readBranchThreshold("200", ".").error)}}));
}
