// The nuclide lab and the chart of nuclides: the nuclide table parsed once, the chain chosen or
// typed, its exact and random runs, the values of the views, the equilibrium and the chain file.
// Like the desktop's lab window, the module holds one lab session for the page.

#include "LabBindings.h"
#include "PlotBindings.h"

#include "model/common/Conversions.h"
#include "model/nuclides/Elements.h"
#include "model/nuclides/MapView.h"
#include "output/ChainFile.h"

#include <emscripten/bind.h>

#include <algorithm>

namespace web {

decay::NuclideLabSession& labSession()
{
    static decay::NuclideLabSession lab;
    return lab;
}

namespace {

// The table's nuclides in its order, as columns, for the chart of nuclides to draw thousands at a
// time; the rest of a nuclide comes with nuclide().
struct NuclideColumns {
    std::vector<double> z, n, state, halfLife;
    std::vector<std::string> symbol, mainMode;
};

// The symbols and English names of the elements by Z, the neutron first.
struct ElementNames {
    std::vector<std::string> symbols, names;
};

// The symbols of a list of the model's units, in its order.
template <class T, std::size_t N, class Name> std::vector<std::string> symbolsOf(const std::array<T, N>& items, Name symbol)
{
    std::vector<std::string> symbols;
    for (T item : items)
        symbols.emplace_back(symbol(item));
    return symbols;
}

// The table from the text of data/nuclides.txt, read once for the page (the counting lab may have
// read it first); "" when it was read, else what is wrong with it.
std::string load(const std::string& nuclides)
{
    return labSession().table().nuclides.empty() ? labSession().loadTable(nuclides) : std::string();
}

std::vector<std::string> starts() { return labSession().table().chainStarts; }

std::optional<decay::Nuclide> nuclide(const std::string& symbol)
{
    const decay::Nuclide* found = labSession().table().find(symbol);
    return found ? std::optional(*found) : std::nullopt;
}

NuclideColumns nuclides()
{
    NuclideColumns columns;
    for (const decay::Nuclide& row : labSession().table().nuclides) {
        columns.z.push_back(row.z);
        columns.n.push_back(row.a - row.z);
        columns.state.push_back(row.state);
        columns.halfLife.push_back(row.halfLife);
        columns.symbol.push_back(row.symbol);
        columns.mainMode.push_back(row.mainMode());
    }
    return columns;
}

ElementNames elements()
{
    ElementNames all;
    for (int z = 0; z < decay::elementCount(); ++z) {
        all.symbols.emplace_back(decay::elementSymbol(z));
        all.names.emplace_back(decay::elementName(z));
    }
    return all;
}

std::string nuclideSymbol(int z, int a, const std::string& isomer) { return decay::nuclideSymbol(z, a, isomer); }

decay::NumberEntry readThreshold(const std::string& text, const std::string& point) { return labSession().setThreshold(text, point); }

// The chain of the table that starts at `symbol`, branches below `threshold` (a fraction) left out.
decay::TableChain chooseTable(const std::string& symbol, double threshold)
{
    labSession().setThreshold(threshold);
    return labSession().chooseTable(symbol);
}

// A custom chain as typed. A member number the page does not have is -1, which the model names as
// no member.
decay::ChainEntry chooseCustom(const val& texts)
{
    decay::CustomChainTexts custom;
    custom.decimalPoint = decimalPoint(texts);
    const val members = property(texts, "members");
    for (std::size_t i = 0; i < length(members); ++i)
        custom.members.push_back({text(members[i], "name"), text(members[i], "halfLife"), chosen(decay::kTimeUnits, members[i], "unit")});
    const val links = property(texts, "links");
    for (std::size_t i = 0; i < length(links); ++i)
        custom.links.push_back({whole(links[i], "parent", -1), whole(links[i], "daughter", -1), text(links[i], "fraction")});
    return labSession().chooseCustom(custom);
}

std::optional<decay::NuclideLabSession::Defaults> defaults() { return labSession().defaults(); }

// The seed is decimal text: JavaScript numbers hold 53 bits of it.
decay::NuclideLabSession::Outcome run(const val& texts, bool random, const std::string& seedText)
{
    return labSession().runNow(runSetupTexts(texts), random, seed(seedText));
}

decay::Message check(const val& texts, bool random) { return labSession().refusal(runSetupTexts(texts), random); }

// A random run's moves as one list, five numbers a move: step, from, to, decays, atoms.
constexpr int kFlowNumbers = 5;

// A random run a worker made from the same chain and entries, with its moves. Lists are read to
// one item beyond the longest run, so that a longer one is seen to be too long; moves that are
// not whole numbers are dropped, and the view of the atoms then refuses the run.
decay::NuclideLabSession::Outcome adopt(const val& texts, const val& values, const val& decays, const val& flows)
{
    constexpr std::size_t most = decay::kMostChainMembers * (decay::kMostLabSteps + 1) + 1;
    constexpr std::size_t mostFlows = kFlowNumbers * decay::kMostChainMembers * (decay::kMostChainMembers + 2) * (decay::kMostLabSteps + 1);
    const std::vector<double> numbers = numberList<double>(flows, mostFlows);
    std::vector<decay::ChainFlow> moves;
    for (std::size_t i = 0; i + kFlowNumbers <= numbers.size(); i += kFlowNumbers) {
        const int step = whole(numbers[i], -1), from = whole(numbers[i + 1], -1), to = whole(numbers[i + 2], -3),
                  count = whole(numbers[i + 3], -1);
        if (step < 0 || from < 0 || to < -2 || count < 0 || !(numbers[i + 4] >= 0)) {
            moves.clear();
            break;
        }
        moves.push_back({.step = step, .from = from, .to = to, .decays = count, .atoms = numbers[i + 4]});
    }
    return {.ran = labSession().adopt(runSetupTexts(texts), numberList<double>(values, most), numberList<double>(decays, most),
                                      std::move(moves))};
}

// The last run's moves, five numbers a move as adopt() reads them.
val seriesFlows()
{
    std::vector<double> numbers;
    if (const auto& run = labSession().result())
        for (const decay::ChainFlow& flow : run->atoms.flows)
            numbers.insert(numbers.end(), {static_cast<double>(flow.step), static_cast<double>(flow.from), static_cast<double>(flow.to),
                                           static_cast<double>(flow.decays), flow.atoms});
    return web::numbers(std::span<const double>(numbers));
}

val statusReport(const std::string& typedStep) { return report(labSession().statusReport(typedStep)); }

std::optional<decay::LabRun> series() { return labSession().result(); }

// The atoms of every member, each member's own list.
std::vector<std::vector<double>> memberAtoms(const decay::LabRun& run)
{
    std::vector<std::vector<double>> atoms;
    for (int i = 0; i < run.atoms.members; ++i)
        atoms.emplace_back(run.atoms.member(i).begin(), run.atoms.member(i).end());
    return atoms;
}

// The chart as `view` {run, kind, logY, activityUnit, daughter, over} shows the last run, or the
// prompt to run the chain when `run` is false.
val plot(const val& view)
{
    const decay::LabView shown{.kind = enumValue(decay::kLabViewKinds, view, "kind"), .logY = flag(view, "logY"),
                               .activityUnit = chosen(decay::kActivityUnits, view, "activityUnit"),
                               .daughter = whole(view, "daughter", -1), .over = whole(view, "over", -1)};
    const auto& ran = labSession().result();
    return plotValue(decay::labPlot(flag(view, "run") && ran ? &*ran : nullptr, shown));
}

std::vector<int> upstream(int daughter) { return labSession().upstream(daughter); }

// The places in the model's list of the units the shown chain's member can be given in; atoms alone
// for a member it lacks.
std::vector<int> memberAmountUnits(int member)
{
    const auto& chain = labSession().shown();
    std::vector<int> places{0};
    if (chain && member >= 0 && member < chain->size()) {
        places.clear();
        for (decay::AmountUnit unit : decay::amountUnitsOf(chain->members[static_cast<std::size_t>(member)]))
            places.push_back(static_cast<int>(unit));
    }
    return places;
}

// A member's colour (CSS) and dash, as its curves have them.
emscripten::val memberStyle(int member)
{
    const decay::MemberStyle style = decay::memberStyle(member);
    emscripten::val result = emscripten::val::object();
    result.set("color", cssColor(style.color));
    result.set("dash", numbers(std::span<const double>(style.dash)));
    return result;
}

decay::Message equilibriumText(int daughter, int over) { return labSession().equilibriumText(daughter, over); }

std::vector<std::string> unitNames() { return symbolsOf(decay::kTimeUnits, decay::unitName); }
std::vector<std::string> activityUnitNames() { return symbolsOf(decay::kActivityUnits, decay::activityUnitName); }

// Digits beyond a double's 17 say nothing and would only lengthen the text.
std::string entryText(double value, int digits) { return decay::significantDigits(value, std::clamp(digits, 1, 17)); }

std::string chainFile() { return labSession().result() ? decay::chainFileText(*labSession().result()) : std::string(); }

int mostCustomMembers() { return decay::kMostCustomMembers; }

// The chart of nuclides' view as the page keeps it, {cell, left, top}; the model copes with any
// number in it.
decay::MapView mapView(const val& view)
{
    const decay::MapView opened;
    return {number(view, "cell", opened.cell), number(view, "left", opened.left), number(view, "top", opened.top)};
}

// A nucleon number the page sends: the chart's cells lie far inside an int.
int nucleons(double value) { return clamped(value, 0); }

decay::MapRect mapCellRect(double n, double z, const val& view) { return decay::cellRect(nucleons(n), nucleons(z), mapView(view)); }
decay::MapCell mapCellAt(double x, double y, const val& view) { return decay::cellAt(finite(x), finite(y), mapView(view)); }
decay::MapView mapZoomed(const val& view, double factor, double x, double y) { return decay::zoomed(mapView(view), factor, x, y); }
decay::MapView mapCentredOn(const val& view, double n, double z, double width, double height)
{
    return decay::centredOn(mapView(view), nucleons(n), nucleons(z), width, height);
}
decay::MapView mapDefaultView(double n, double z, double width, double height) { return decay::defaultMapView(nucleons(n), nucleons(z), width, height); }
decay::MapView mapWhole(double maxN, double maxZ, double width, double height) { return decay::wholeMap(nucleons(maxN), nucleons(maxZ), width, height); }
decay::MapView mapResized(const val& view, double oldWidth, double oldHeight, double width, double height)
{
    return decay::resized(mapView(view), oldWidth, oldHeight, width, height);
}
decay::MapRange mapShownRange(const val& view, double width, double height, double maxN, double maxZ)
{
    return decay::shownRange(mapView(view), width, height, nucleons(maxN), nucleons(maxZ));
}
std::vector<decay::MapTick> mapNTicks(const val& view, double length, double maxN, double labelSpace)
{
    return decay::nTicks(mapView(view), length, nucleons(maxN), labelSpace);
}
std::vector<decay::MapTick> mapZTicks(const val& view, double length, double maxZ, double labelSpace)
{
    return decay::zTicks(mapView(view), length, nucleons(maxZ), labelSpace);
}
std::vector<int> mapMagicNumbers() { return {decay::kMagicNumbers.begin(), decay::kMagicNumbers.end()}; }

} // namespace

// A unit for every member, the model's list's places; a place that is no unit counts atoms.
static std::vector<decay::AmountUnit> amountUnits(const val& list)
{
    std::vector<decay::AmountUnit> units;
    for (double place : numberList<double>(list, decay::kMostChainMembers))
        units.push_back(chosen(decay::kAmountUnits, whole(place, 0)));
    return units;
}

decay::RunSetupTexts runSetupTexts(const val& texts)
{
    using decay::kTimeUnits;
    decay::RunSetupTexts setup{.initial = textList(property(texts, "initial")), .step = text(texts, "step"), .unit = chosen(kTimeUnits, texts, "unit"),
                               .steps = text(texts, "steps"), .decimalPoint = decimalPoint(texts),
                               .amountUnits = amountUnits(property(texts, "amountUnits")), .grid = chosen(decay::kGridKinds, texts, "grid"),
                               .first = text(texts, "first"), .firstUnit = chosen(kTimeUnits, texts, "firstUnit"), .last = text(texts, "last"),
                               .lastUnit = chosen(kTimeUnits, texts, "lastUnit"), .perDecade = text(texts, "perDecade")};
    if (flag(texts, "milk")) {
        setup.milkStep = text(texts, "milkStep");
        setup.milkMember = std::max(whole(texts, "milkMember", 0), 0);
    }
    return setup;
}

} // namespace web

EMSCRIPTEN_BINDINGS(decay_lab)
{
    using namespace emscripten;
    using decay::Nuclide, decay::ChainMember, decay::ChainLink, decay::RunSetupTexts, web::computed;
    using Session = decay::NuclideLabSession;
    enum_<decay::TimeUnit>("TimeUnit")
        .value("Second", decay::TimeUnit::Second)
        .value("Minute", decay::TimeUnit::Minute)
        .value("Hour", decay::TimeUnit::Hour)
        .value("Day", decay::TimeUnit::Day)
        .value("Year", decay::TimeUnit::Year);
    enum_<decay::AmountUnit>("AmountUnit")
        .value("Atoms", decay::AmountUnit::Atoms)
        .value("Grams", decay::AmountUnit::Grams)
        .value("Becquerel", decay::AmountUnit::Becquerel);
    enum_<decay::GridKind>("GridKind").value("Uniform", decay::GridKind::Uniform).value("Logarithmic", decay::GridKind::Logarithmic);
    enum_<decay::LabView::Kind>("LabViewKind")
        .value("Atoms", decay::LabView::Kind::Atoms)
        .value("Activity", decay::LabView::Kind::Activity)
        .value("Ratio", decay::LabView::Kind::Ratio);
    // A nuclide as the lab's members table and the chart of nuclides show it; the element and the
    // units go as their English sources, for the page to write in the user's language.
    value_object<Nuclide>("LabNuclide")
        .field("symbol", &Nuclide::symbol)
        .field("element", &Nuclide::element)
        .field("z", &Nuclide::z)
        .field("a", &Nuclide::a)
        .field("stable", &Nuclide::stable, &computed<Nuclide, bool>)
        .field("halfLife", &Nuclide::halfLife)
        .field("value", &Nuclide::halfLifeValue)
        .field("uncertainty", &Nuclide::uncertainty)
        .field("unit", &Nuclide::unit)
        .field("estimated", &Nuclide::halfLifeEstimated)
        .field("printed", &Nuclide::printedHalfLife, &computed<Nuclide, std::string>)
        .field("shownValue", &Nuclide::shownHalfLife, &computed<Nuclide, double>)
        .field("shownDigits", &Nuclide::shownDigits, &computed<Nuclide, int>)
        .field("shownUnit", &Nuclide::shownUnit, &computed<Nuclide, std::string>)
        .field("spinParity", &Nuclide::spinParity)
        .field("modes", &Nuclide::modesText, &computed<Nuclide, std::string>)
        .field("source", &Nuclide::source);
    value_object<web::NuclideColumns>("LabNuclides")
        .field("z", &web::NuclideColumns::z)
        .field("n", &web::NuclideColumns::n)
        .field("state", &web::NuclideColumns::state)
        .field("halfLife", &web::NuclideColumns::halfLife)
        .field("symbol", &web::NuclideColumns::symbol)
        .field("mainMode", &web::NuclideColumns::mainMode);
    value_object<web::ElementNames>("LabElements").field("symbols", &web::ElementNames::symbols).field("names", &web::ElementNames::names);
    value_object<ChainMember>("LabMember")
        .field("symbol", &ChainMember::symbol)
        .field("title", &ChainMember::title)
        .field("halfLife", &ChainMember::halfLife)
        .field("stable", &ChainMember::stable, &computed<ChainMember, bool>);
    value_object<ChainLink>("LabLink")
        .field("parent", &ChainLink::parent)
        .field("daughter", &ChainLink::daughter)
        .field("fraction", &ChainLink::fraction);
    value_object<decay::Chain>("LabChain")
        .field("members", &decay::Chain::members)
        .field("links", &decay::Chain::links)
        .field("modes", &decay::Chain::modeTexts, &computed<decay::Chain, std::vector<std::string>>);
    value_object<decay::TableChain>("LabTableChain")
        .field("chain", &decay::TableChain::chain)
        .field("error", &decay::TableChain::error)
        .field("notes", &decay::TableChain::notes)
        .field("summary", &decay::TableChain::summary);
    value_object<decay::ChainEntry>("LabChainEntry").field("chain", &decay::ChainEntry::chain).field("error", &decay::ChainEntry::error);
    value_object<decay::NumberEntry>("NumberEntry").field("value", &decay::NumberEntry::value).field("error", &decay::NumberEntry::error);
    value_object<RunSetupTexts>("RunSetupTexts")
        .field("initial", &RunSetupTexts::initial)
        .field("amountUnits", &RunSetupTexts::amountUnits)
        .field("grid", &RunSetupTexts::grid)
        .field("step", &RunSetupTexts::step)
        .field("unit", &RunSetupTexts::unit)
        .field("steps", &RunSetupTexts::steps)
        .field("first", &RunSetupTexts::first)
        .field("firstUnit", &RunSetupTexts::firstUnit)
        .field("last", &RunSetupTexts::last)
        .field("lastUnit", &RunSetupTexts::lastUnit)
        .field("perDecade", &RunSetupTexts::perDecade);
    value_object<decay::LabView>("LabDefaultView").field("kind", &decay::LabView::kind).field("logY", &decay::LabView::logY);
    value_object<Session::Defaults>("LabDefaults")
        .field("entries", &Session::Defaults::entries)
        .field("milkStep", &Session::Defaults::milkStep)
        .field("view", &Session::Defaults::view);
    value_object<Session::Outcome>("LabRunOutcome").field("ran", &Session::Outcome::ran).field("error", &Session::Outcome::error);
    value_object<decay::Milking>("Milking").field("step", &decay::Milking::step).field("member", &decay::Milking::member);
    value_object<decay::ChainSeries>("ChainSeries").field("values", &decay::ChainSeries::values).field("decays", &decay::ChainSeries::decays);
    // The run's times in its unit and every member's atoms for the views; its series as they are
    // for the page to take a worker's random run over.
    value_object<decay::LabRun>("LabSeries")
        .field("times", &decay::LabRun::shownTimes, &computed<decay::LabRun, std::vector<double>>)
        .field("unit", &decay::LabRun::unit)
        .field("atoms", &web::memberAtoms, &computed<decay::LabRun, std::vector<std::vector<double>>>)
        .field("series", &decay::LabRun::atoms);
    // The chart of nuclides' geometry: where cells lie for a view, and the numbers of its axes.
    value_object<decay::MapView>("MapView").field("cell", &decay::MapView::cell).field("left", &decay::MapView::left).field("top", &decay::MapView::top);
    value_object<decay::MapRect>("MapRect").field("x", &decay::MapRect::x).field("y", &decay::MapRect::y).field("size", &decay::MapRect::size);
    value_object<decay::MapCell>("MapCell").field("n", &decay::MapCell::n).field("z", &decay::MapCell::z);
    value_object<decay::MapRange>("MapRange")
        .field("firstN", &decay::MapRange::firstN)
        .field("lastN", &decay::MapRange::lastN)
        .field("firstZ", &decay::MapRange::firstZ)
        .field("lastZ", &decay::MapRange::lastZ);
    value_object<decay::MapTick>("MapTick").field("value", &decay::MapTick::value).field("at", &decay::MapTick::at).field("magic", &decay::MapTick::magic);
    function("mapCellRect", &web::mapCellRect);
    function("mapCellAt", &web::mapCellAt);
    function("mapZoomed", &web::mapZoomed);
    function("mapCentredOn", &web::mapCentredOn);
    function("mapDefaultView", &web::mapDefaultView);
    function("mapWhole", &web::mapWhole);
    function("mapResized", &web::mapResized);
    function("mapShownRange", &web::mapShownRange);
    function("mapNTicks", &web::mapNTicks);
    function("mapZTicks", &web::mapZTicks);
    function("mapMagicNumbers", &web::mapMagicNumbers);
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
    function("labAdopt", &web::adopt);
    function("labStatusReport", &web::statusReport);
    function("labSeries", &web::series);
    function("labSeriesFlows", &web::seriesFlows);
    function("labPlot", &web::plot);
    function("labUpstream", &web::upstream);
    function("labAmountUnits", &web::memberAmountUnits);
    function("labMemberStyle", &web::memberStyle);
    function("labEquilibriumText", &web::equilibriumText);
    function("labUnitNames", &web::unitNames);
    function("labActivityUnitNames", &web::activityUnitNames);
    function("labEntryText", &web::entryText);
    function("labChainFile", &web::chainFile);
    function("labMostCustomMembers", &web::mostCustomMembers);
}
