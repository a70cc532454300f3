// The nuclide lab and the chart of nuclides: the nuclide table parsed once, the chain chosen or
// typed, its exact and random runs, the series of the views, the equilibrium and the chain file.
// Like the desktop's lab window, the module holds one chain and one run for the page.

#include "LabBindings.h"
#include "PlotBindings.h"

#include "model/nuclides/ChainActivity.h"
#include "model/common/Conversions.h"
#include "model/nuclides/DecayModes.h"
#include "model/nuclides/Elements.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"
#include "output/ChainFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace web {
namespace {

struct Lab {
    decay::NuclideTable table;
    std::optional<decay::Chain> shown; // the table chain chosen, or the custom chain last read
    std::optional<decay::LabRun> result;
};

Lab& lab()
{
    static Lab state;
    return state;
}

// The chain the views and the equilibrium speak of: the one run last, else the one shown.
const decay::Chain* currentChain()
{
    if (lab().result)
        return &lab().result->chain;
    return lab().shown ? &*lab().shown : nullptr;
}

val messages(const std::vector<decay::Message>& list)
{
    val result = val::array();
    for (const decay::Message& m : list)
        result.call<void>("push", message(m));
    return result;
}

const char* relationSign(decay::Relation relation)
{
    switch (relation) {
    case decay::Relation::Below: return "<";
    case decay::Relation::Above: return ">";
    case decay::Relation::About: return "~";
    case decay::Relation::Unknown: return "?";
    case decay::Relation::Equal: break;
    }
    return "";
}

// One nuclide as the lab's members table and the chart's tool tip show it; the texts that need
// the user's language (element, units) go as their English sources.
val nuclideObject(const decay::Nuclide& nuclide)
{
    val result = val::object();
    result.set("symbol", nuclide.symbol);
    result.set("element", nuclide.element);
    result.set("z", nuclide.z);
    result.set("a", nuclide.a);
    result.set("state", nuclide.state);
    result.set("stable", nuclide.stable());
    result.set("halfLife", nuclide.halfLife);
    result.set("value", nuclide.halfLifeValue);
    result.set("valueText", decay::numberText(nuclide.halfLifeValue));
    result.set("uncertainty", nuclide.uncertainty);
    result.set("uncertaintyText", nuclide.uncertainty > 0 ? decay::numberText(nuclide.uncertainty) : std::string());
    result.set("unit", nuclide.unit);
    result.set("relation", std::string(relationSign(nuclide.halfLifeRelation)));
    result.set("estimated", nuclide.halfLifeEstimated);
    result.set("spinParity", nuclide.spinParity);
    result.set("source", nuclide.source);
    result.set("modes", nuclide.modesText());
    result.set("mainMode", nuclide.mainMode());
    if (!nuclide.stable()) {
        const std::string unit(nuclide.shownUnit());
        result.set("shownUnit", unit);
        result.set("shownValue", nuclide.halfLife / decay::symbolSeconds(unit).value_or(1));
        result.set("shownDigits", decay::printedDigits(nuclide.halfLifeValue));
    }
    return result;
}

val chainObject(const decay::Chain& chain)
{
    val members = val::array();
    for (const decay::ChainMember& member : chain.members) {
        val item = val::object();
        item.set("symbol", member.symbol);
        item.set("title", member.title);
        item.set("halfLife", member.halfLife);
        item.set("stable", member.stable());
        members.call<void>("push", item);
    }
    val links = val::array();
    for (const decay::ChainLink& link : chain.links) {
        val item = val::object();
        item.set("parent", link.parent);
        item.set("daughter", link.daughter);
        item.set("fraction", link.fraction);
        item.set("mode", link.mode);
        item.set("modeSymbol", link.mode.empty() ? std::string() : decay::modeSymbol(link.mode));
        item.set("modeChange", link.mode.empty() ? std::string() : decay::modeChangeText(link.mode));
        links.call<void>("push", item);
    }
    val result = val::object();
    result.set("members", members);
    result.set("links", links);
    return result;
}

val optionalChain(const std::optional<decay::Chain>& chain)
{
    return chain ? chainObject(*chain) : val::null();
}

// The table from the text of data/nuclides.txt; "" when it was read, else what is wrong with it.
std::string load(const std::string& nuclides)
{
    auto parsed = decay::parseNuclideTable(nuclides);
    if (!parsed.table) {
        lab().table = {};
        return parsed.error;
    }
    lab().table = std::move(*parsed.table);
    return {};
}

val starts() { return texts(lab().table.chainStarts); }

val nuclide(const std::string& symbol)
{
    const decay::Nuclide* found = lab().table.find(symbol);
    return found ? nuclideObject(*found) : val::null();
}

// Every nuclide of the table in the table's order, for the chart: numbers as arrays, the rest
// fetched one by one with nuclide().
val nuclides()
{
    const auto& all = lab().table.nuclides;
    std::vector<double> z, n, state, halfLife;
    std::vector<std::string> symbols, modes;
    for (const decay::Nuclide& nuclide : all) {
        z.push_back(nuclide.z);
        n.push_back(nuclide.a - nuclide.z);
        state.push_back(nuclide.state);
        halfLife.push_back(nuclide.halfLife);
        symbols.push_back(nuclide.symbol);
        modes.push_back(nuclide.mainMode());
    }
    val result = val::object();
    result.set("z", numbers(std::span<const double>(z)));
    result.set("n", numbers(std::span<const double>(n)));
    result.set("state", numbers(std::span<const double>(state)));
    result.set("halfLife", numbers(std::span<const double>(halfLife)));
    result.set("symbol", texts(symbols));
    result.set("mainMode", texts(modes));
    return result;
}

val elements()
{
    std::vector<std::string> symbols, names;
    for (int z = 0; z < decay::elementCount(); ++z) {
        symbols.emplace_back(decay::elementSymbol(z));
        names.emplace_back(decay::elementName(z));
    }
    val result = val::object();
    result.set("symbols", texts(symbols));
    result.set("names", texts(names));
    return result;
}

val nuclideSymbol(int z, int a, const std::string& isomer) { return val(decay::nuclideSymbol(z, a, isomer)); }

val readThreshold(const std::string& text, const std::string& point)
{
    const decay::NumberEntry entry = decay::readBranchThreshold(text, point);
    val result = val::object();
    result.set("value", entry.value ? val(*entry.value) : val::null());
    result.set("error", message(entry.error));
    return result;
}

// The chain of the table that starts at `symbol`, branches below `threshold` (a fraction) left out.
val chooseTable(const std::string& symbol, double threshold)
{
    decay::ChainOptions options;
    options.threshold = finite(threshold, options.threshold);
    const decay::TableChain entry = decay::chainFromTable(lab().table, symbol, options);
    lab().shown = entry.chain;
    lab().result.reset();
    val result = val::object();
    result.set("chain", optionalChain(entry.chain));
    result.set("error", message(entry.error));
    result.set("notes", messages(entry.notes));
    return result;
}

decay::CustomChainTexts customTexts(const val& texts)
{
    decay::CustomChainTexts custom;
    custom.decimalPoint = decimalPoint(texts);
    const val members = property(texts, "members");
    for (std::size_t i = 0; i < length(members); ++i) {
        const val m = members[i];
        custom.members.push_back({text(m, "name"), text(m, "halfLife"), chosen(decay::kTimeUnits, m, "unit")});
    }
    // A member number the page does not have is -1, which the model names as no member.
    const val links = property(texts, "links");
    for (std::size_t i = 0; i < length(links); ++i) {
        const val l = links[i];
        custom.links.push_back({whole(l, "parent", -1), whole(l, "daughter", -1), text(l, "fraction")});
    }
    return custom;
}

// A custom chain as typed: the chain, or the model's message on what is wrong with it.
val chooseCustom(const val& texts)
{
    const decay::ChainEntry entry = decay::readCustomChain(customTexts(texts));
    lab().shown = entry.chain;
    lab().result.reset();
    val result = val::object();
    result.set("chain", optionalChain(entry.chain));
    result.set("error", message(entry.error));
    return result;
}

// The entries a chain starts with, and the steps of its logarithmic grid.
val defaults()
{
    if (!lab().shown)
        return val::null();
    val result = val::object();
    const decay::RunDefaults d = decay::runDefaults(*lab().shown);
    const bool logarithmic = d.grid == decay::GridKind::Logarithmic;
    result.set("step", decay::significantDigits(d.step, 4));
    result.set("unit", static_cast<int>(d.unit));
    result.set("steps", d.steps);
    result.set("logarithmic", logarithmic);
    result.set("last", decay::significantDigits(logarithmic ? d.last : d.step * d.steps, 4));
    result.set("lastUnit", static_cast<int>(logarithmic ? d.lastUnit : d.unit));
    result.set("perDecade", d.perDecade);
    result.set("amount", decay::significantDigits(d.amount, 6));
    result.set("amountUnit", static_cast<int>(d.amountUnit));
    const int steps = logarithmic ? static_cast<int>(decay::logarithmicTimes(d.step * decay::unitSeconds(d.unit),
                                                                             d.last * decay::unitSeconds(d.lastUnit), d.perDecade)
                                                         .size()) - 1
                                  : d.steps;
    result.set("milkStep", std::max(steps / 2, 1));
    return result;
}

// A run of the chain shown from the entries: {ran, error (a model message)} and, when it ran,
// what the status line tells. The seed is decimal text: JavaScript numbers hold 53 bits of it.
val run(const val& texts, bool random, const std::string& seedText)
{
    val result = val::object();
    result.set("ran", false);
    result.set("error", message({}));
    if (!lab().shown)
        return result;
    const decay::Chain chain = *lab().shown;
    const decay::RunSetupEntry entry = decay::readRunSetup(chain, runSetupTexts(texts));
    if (!entry.setup) {
        result.set("error", message(entry.error));
        return result;
    }
    if (random) {
        const decay::Message refusal = decay::randomRunRefusal(*entry.setup);
        if (!refusal.empty()) {
            result.set("error", message(refusal));
            return result;
        }
    }
    const bool logarithmic = !entry.setup->grid.empty();
    // The views and the file keep the time in the unit of the step, or of the last time.
    const decay::TimeUnit unit = chosen(decay::kTimeUnits, texts, logarithmic ? "lastUnit" : "unit");
    std::optional<decay::LabRun> ran = decay::runLab(chain, *entry.setup, unit, random, seed(seedText));
    if (!ran)
        return result;
    lab().result = std::move(ran);
    const decay::RunSetup& setup = lab().result->setup;
    result.set("ran", true);
    result.set("chain", chainObject(lab().result->chain));
    result.set("steps", setup.steps);
    result.set("logarithmic", logarithmic);
    if (logarithmic) {
        // The grid's first time after 0 in the unit of the first time, its last in the run's unit.
        const decay::TimeUnit firstUnit = chosen(decay::kTimeUnits, texts, "firstUnit");
        result.set("first", setup.grid[1] / decay::unitSeconds(firstUnit));
        result.set("last", setup.grid.back() / decay::unitSeconds(unit));
    }
    result.set("milkMember", setup.milk ? val(setup.milk->member) : val::null());
    result.set("milkStep", setup.milk ? val(setup.milk->step) : val::null());
    return result;
}

// Whether the entries can be run, before a random run goes to a worker: the model's message
// on what is wrong with them, an empty one when they can (or when no chain is shown, which the
// page finds out itself).
val check(const val& texts, bool random)
{
    if (!lab().shown)
        return message({});
    const decay::RunSetupEntry entry = decay::readRunSetup(*lab().shown, runSetupTexts(texts));
    if (!entry.setup)
        return message(entry.error);
    return message(random ? decay::randomRunRefusal(*entry.setup) : decay::Message{});
}

// The random run's atoms and decays, member after member, for the page to take over from a worker.
val randomSeries()
{
    val result = val::object();
    if (!lab().result)
        return result;
    result.set("values", numbers(std::span<const double>(lab().result->atoms.values)));
    result.set("decays", numbers(std::span<const double>(lab().result->atoms.decays)));
    return result;
}

// A random run a worker made from the same chain and entries: the exact solution beside it
// computed here, the atoms taken as they came. Refused when their shape is not the run's.
val adopt(const val& texts, const val& values, const val& decays)
{
    val result = run(texts, false, "0");
    if (!result["ran"].as<bool>())
        return result;
    decay::LabRun& ran = *lab().result;
    std::vector<double> atoms = numberList<double>(values, ran.atoms.values.size() + 1);
    std::vector<double> decayed = numberList<double>(decays, ran.atoms.decays.size() + 1);
    if (atoms.size() != ran.atoms.values.size() || decayed.size() != ran.atoms.decays.size()) {
        lab().result.reset();
        result.set("ran", false);
        return result;
    }
    ran.exact = ran.atoms;
    ran.atoms.values = std::move(atoms);
    ran.atoms.decays = std::move(decayed);
    ran.random = true;
    return result;
}

val seriesList(const decay::ChainSeries& series)
{
    val list = val::array();
    for (int i = 0; i < series.members; ++i)
        list.call<void>("push", numbers(series.member(i)));
    return list;
}

// The run's values for the views: times in the run's unit, atoms and activities (Bq) of every
// member, their total, and beside a random run the same of its exact solution; null without a run.
val series()
{
    if (!lab().result)
        return val::null();
    const decay::LabRun& run = *lab().result;
    std::vector<double> times = run.times();
    for (double& t : times)
        t /= decay::unitSeconds(run.unit);
    const auto add = [&](val& to, const decay::ChainSeries& atoms, const char* prefix) {
        const decay::ChainSeries activity = decay::activities(run.chain, atoms);
        to.set(std::string(prefix) + "atoms", seriesList(atoms));
        to.set(std::string(prefix) + "activity", seriesList(activity));
        to.set(std::string(prefix) + "total", numbers(std::span<const double>(decay::totalActivity(activity))));
    };
    val result = val::object();
    result.set("times", numbers(std::span<const double>(times)));
    result.set("unit", static_cast<int>(run.unit));
    result.set("random", run.random);
    add(result, run.atoms, "");
    if (run.exact)
        add(result, *run.exact, "exact_");
    return result;
}

// A_daughter / A_over of the run at every step, and of its exact solution beside a random run.
// The chart as `view` {run, kind (0 atoms, 1 activities, 2 the ratio), logY, activityUnit, daughter,
// over} shows the last run, or the prompt to run the chain when `run` is false.
val plot(const val& view)
{
    decay::LabView shown;
    const int kind = whole(view, "kind", 0);
    shown.kind = kind == 1 ? decay::LabView::Kind::Activity : kind == 2 ? decay::LabView::Kind::Ratio : decay::LabView::Kind::Atoms;
    shown.logY = flag(view, "logY");
    shown.activityUnit = chosen(decay::kActivityUnits, view, "activityUnit");
    shown.daughter = whole(view, "daughter", -1);
    shown.over = whole(view, "over", -1);
    const decay::LabRun* run = flag(view, "run") && lab().result ? &*lab().result : nullptr;
    return plotValue(decay::labPlot(run, shown));
}

val upstream(int daughter)
{
    const decay::Chain* chain = currentChain();
    std::vector<double> members;
    if (chain && daughter >= 0 && daughter < chain->size())
        for (int i : decay::upstreamMembers(*chain, daughter))
            members.push_back(i);
    return numbers(std::span<const double>(members));
}

// The equilibrium of the daughter against a member upstream, from the run's start or before a
// run from a pure start of the first member.
val equilibrium(int daughter, int over)
{
    const decay::Chain* chain = currentChain();
    if (!chain || daughter < 0 || over < 0 || daughter >= chain->size() || over >= chain->size())
        return val::null();
    const std::vector<double> initial = lab().result ? lab().result->setup.initial : decay::pureStart(*chain);
    const decay::Equilibrium e = decay::equilibrium(*chain, initial, daughter, over);
    val result = val::object();
    result.set("kind", e.kind);
    result.set("ratio", e.ratio);
    result.set("setter", e.setter);
    result.set("peak", e.kind == decay::EquilibriumKind::Transient ? decay::activityPeak(*chain, initial, daughter) : std::nan(""));
    std::vector<double> above;
    for (int i : decay::upstreamMembers(*chain, over))
        above.push_back(i);
    result.set("aboveOver", numbers(std::span<const double>(above)));
    return result;
}

// A time in the largest of the lab's units it is at least 1 of: {value, unit}.
val fitting(double seconds)
{
    const decay::TimeUnit unit = decay::fittingUnit(seconds);
    val result = val::object();
    result.set("value", seconds / decay::unitSeconds(unit));
    result.set("unit", std::string(decay::unitName(unit)));
    return result;
}

val unitNames()
{
    std::vector<std::string> names;
    for (decay::TimeUnit unit : decay::kTimeUnits)
        names.emplace_back(decay::unitName(unit));
    return texts(names);
}

val activityUnits()
{
    std::vector<std::string> names;
    std::vector<double> per;
    for (decay::ActivityUnit unit : decay::kActivityUnits) {
        names.emplace_back(decay::activityUnitName(unit));
        per.push_back(decay::becquerelPer(unit));
    }
    val result = val::object();
    result.set("names", texts(names));
    result.set("per", numbers(std::span<const double>(per)));
    return result;
}

// Digits beyond a double's 17 say nothing and would only lengthen the text.
std::string entryText(double value, int digits) { return decay::significantDigits(value, std::clamp(digits, 1, 17)); }

std::string chainFile() { return lab().result ? decay::chainFileText(*lab().result) : std::string(); }

int mostCustomMembers() { return decay::kMostCustomMembers; }

} // namespace

decay::RunSetupTexts runSetupTexts(const val& texts)
{
    decay::RunSetupTexts setup;
    setup.initial = textList(property(texts, "initial"));
    setup.amountUnit = chosen(decay::kAmountUnits, texts, "amountUnit");
    setup.grid = chosen(decay::kGridKinds, texts, "grid");
    setup.step = text(texts, "step");
    setup.unit = chosen(decay::kTimeUnits, texts, "unit");
    setup.steps = text(texts, "steps");
    setup.first = text(texts, "first");
    setup.firstUnit = chosen(decay::kTimeUnits, texts, "firstUnit");
    setup.last = text(texts, "last");
    setup.lastUnit = chosen(decay::kTimeUnits, texts, "lastUnit");
    setup.perDecade = text(texts, "perDecade");
    if (flag(texts, "milk")) {
        setup.milkStep = text(texts, "milkStep");
        setup.milkMember = std::max(whole(texts, "milkMember", 0), 0);
    }
    setup.decimalPoint = decimalPoint(texts);
    return setup;
}

} // namespace web

EMSCRIPTEN_BINDINGS(decay_lab)
{
    using namespace emscripten;
    enum_<decay::EquilibriumKind>("EquilibriumKind")
        .value("Secular", decay::EquilibriumKind::Secular)
        .value("Transient", decay::EquilibriumKind::Transient)
        .value("None", decay::EquilibriumKind::None);
    function("labLoad", &web::load);
    function("labStarts", &web::starts);
    function("labNuclide", &web::nuclide);
    function("labNuclides", &web::nuclides);
    function("labElements", &web::elements);
    function("labNuclideSymbol", &web::nuclideSymbol);
    function("labReadThreshold", &web::readThreshold);
    function("labChooseTable", &web::chooseTable);
    function("labChooseCustom", &web::chooseCustom);
    function("labDefaults", &web::defaults);
    function("labRun", &web::run);
    function("labCheck", &web::check);
    function("labRandomSeries", &web::randomSeries);
    function("labAdopt", &web::adopt);
    function("labSeries", &web::series);
    function("labPlot", &web::plot);
    function("labUpstream", &web::upstream);
    function("labEquilibrium", &web::equilibrium);
    function("labFitting", &web::fitting);
    function("labUnitNames", &web::unitNames);
    function("labActivityUnits", &web::activityUnits);
    function("labEntryText", &web::entryText);
    function("labChainFile", &web::chainFile);
    function("labMostCustomMembers", &web::mostCustomMembers);
}
