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
#include "model/nuclides/NuclideLabSession.h"
#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"
#include "output/ChainFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace web {

decay::NuclideLabSession& labSession()
{
    static decay::NuclideLabSession lab;
    return lab;
}

namespace {

decay::NuclideLabSession& session()
{
    return labSession();
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

// The table from the text of data/nuclides.txt, read once for the page (the counting lab may have
// read it first); "" when it was read, else what is wrong with it.
std::string load(const std::string& nuclides)
{
    return session().table().nuclides.empty() ? session().loadTable(nuclides) : std::string();
}

val starts() { return texts(session().table().chainStarts); }

val nuclide(const std::string& symbol)
{
    const decay::Nuclide* found = session().table().find(symbol);
    return found ? nuclideObject(*found) : val::null();
}

// Every nuclide of the table in the table's order, for the chart: numbers as arrays, the rest
// fetched one by one with nuclide().
val nuclides()
{
    const auto& all = session().table().nuclides;
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
    const decay::NumberEntry entry = session().setThreshold(text, point);
    val result = val::object();
    result.set("value", entry.value ? val(*entry.value) : val::null());
    result.set("error", message(entry.error));
    return result;
}

// The chain of the table that starts at `symbol`, branches below `threshold` (a fraction) left out.
val chooseTable(const std::string& symbol, double threshold)
{
    session().setThreshold(threshold);
    const decay::TableChain entry = session().chooseTable(symbol);
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
    const decay::ChainEntry entry = session().chooseCustom(customTexts(texts));
    val result = val::object();
    result.set("chain", optionalChain(entry.chain));
    result.set("error", message(entry.error));
    return result;
}

// The entries a chain starts with, and the steps of its logarithmic grid.
val defaults()
{
    const auto shown = session().defaults();
    if (!shown)
        return val::null();
    const decay::RunDefaults& d = shown->run;
    const bool logarithmic = d.grid == decay::GridKind::Logarithmic;
    val result = val::object();
    result.set("step", decay::significantDigits(d.step, 4));
    result.set("unit", static_cast<int>(d.unit));
    result.set("steps", d.steps);
    result.set("logarithmic", logarithmic);
    result.set("last", decay::significantDigits(logarithmic ? d.last : d.step * d.steps, 4));
    result.set("lastUnit", static_cast<int>(logarithmic ? d.lastUnit : d.unit));
    result.set("perDecade", d.perDecade);
    result.set("amount", decay::significantDigits(d.amount, 6));
    result.set("amountUnit", static_cast<int>(d.amountUnit));
    result.set("milkStep", shown->milkStep);
    return result;
}

// What the status line tells of a run: {ran, error (a model message)} and, when it ran, its
// chain, steps, grid and milking.
val outcome(const val& texts, const decay::Message& error, bool made)
{
    val result = val::object();
    const auto& ran = session().result();
    result.set("ran", made && ran.has_value());
    result.set("error", message(error));
    if (!made || !ran)
        return result;
    const decay::RunSetup& setup = ran->setup;
    const bool logarithmic = !setup.grid.empty();
    result.set("chain", chainObject(ran->chain));
    result.set("steps", setup.steps);
    result.set("logarithmic", logarithmic);
    if (logarithmic) {
        // The grid's first time after 0 in the unit of the first time, its last in the run's unit.
        const decay::TimeUnit firstUnit = chosen(decay::kTimeUnits, texts, "firstUnit");
        result.set("first", setup.grid[1] / decay::unitSeconds(firstUnit));
        result.set("last", setup.grid.back() / decay::unitSeconds(ran->unit));
    }
    result.set("milkMember", setup.milk ? val(setup.milk->member) : val::null());
    result.set("milkStep", setup.milk ? val(setup.milk->step) : val::null());
    return result;
}

// A run of the chain shown from the entries. The seed is decimal text: JavaScript numbers hold 53
// bits of it.
val run(const val& texts, bool random, const std::string& seedText)
{
    const auto prepared = session().prepare(runSetupTexts(texts), random);
    // Entries that cannot be run leave the run before as it was.
    if (const auto* refusal = std::get_if<decay::Message>(&prepared))
        return outcome(texts, *refusal, false);
    auto ran = decay::NuclideLabSession::run(std::get<decay::NuclideLabSession::Prepared>(prepared), seed(seedText));
    const bool made = ran.has_value();
    if (made)
        session().setResult(std::move(ran));
    return outcome(texts, {}, made);
}

// Whether the entries can be run, before a random run goes to a worker: the model's message
// on what is wrong with them, an empty one when they can (or when no chain is shown, which the
// page finds out itself).
val check(const val& texts, bool random)
{
    const auto prepared = session().prepare(runSetupTexts(texts), random);
    const auto* refusal = std::get_if<decay::Message>(&prepared);
    return message(refusal ? *refusal : decay::Message{});
}

// The random run's atoms and decays, member after member, for the page to take over from a worker.
val randomSeries()
{
    val result = val::object();
    const auto& ran = session().result();
    if (!ran)
        return result;
    result.set("values", numbers(std::span<const double>(ran->atoms.values)));
    result.set("decays", numbers(std::span<const double>(ran->atoms.decays)));
    return result;
}

// A random run a worker made from the same chain and entries: the exact solution beside it
// computed here, the atoms taken as they came. Refused when their shape is not the run's. Lists
// one item longer than the run's are read, so that a longer one is seen to be too long.
val adopt(const val& texts, const val& values, const val& decays)
{
    const decay::RunSetupTexts read = runSetupTexts(texts);
    const auto prepared = session().prepare(read, false);
    const auto* ready = std::get_if<decay::NuclideLabSession::Prepared>(&prepared);
    const std::size_t points = ready ? static_cast<std::size_t>(ready->chain.size()) * (static_cast<std::size_t>(ready->setup.steps) + 1) + 1 : 0;
    const bool made = session().adopt(read, numberList<double>(values, points), numberList<double>(decays, points));
    return outcome(texts, {}, made);
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
    if (!session().result())
        return val::null();
    const decay::LabRun& run = *session().result();
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
    const decay::LabRun* run = flag(view, "run") && session().result() ? &*session().result() : nullptr;
    return plotValue(decay::labPlot(run, shown));
}

val upstream(int daughter)
{
    const std::vector<int> members = session().upstream(daughter);
    return numbers(std::span<const int>(members));
}

// The equilibrium of the daughter against a member upstream, from the run's start or before a
// run from a pure start of the first member, in words.
val equilibriumText(int daughter, int over) { return message(session().equilibriumText(daughter, over)); }

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

std::string chainFile() { return session().result() ? decay::chainFileText(*session().result()) : std::string(); }

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
    function("labEquilibriumText", &web::equilibriumText);
    function("labUnitNames", &web::unitNames);
    function("labActivityUnits", &web::activityUnits);
    function("labEntryText", &web::entryText);
    function("labChainFile", &web::chainFile);
    function("labMostCustomMembers", &web::mostCustomMembers);
}
