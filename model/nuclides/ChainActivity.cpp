#include "ChainActivity.h"

#include "model/common/Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {
namespace {

bool contains(const std::vector<int>& members, int member)
{
    return std::find(members.begin(), members.end(), member) != members.end();
}

double twoDigits(double value)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(value)) - 1);
    return std::round(value / magnitude) * magnitude;
}

} // namespace

ChainSeries activities(const Chain& chain, const ChainSeries& atoms)
{
    ChainSeries activity = atoms;
    const auto length = static_cast<std::size_t>(atoms.steps) + 1;
    for (std::size_t i = 0; i < activity.values.size(); ++i)
        activity.values[i] *= chain.members[i / length].rate();
    return activity;
}

std::vector<double> totalActivity(const ChainSeries& activity)
{
    std::vector<double> total(static_cast<std::size_t>(activity.steps) + 1, 0.0);
    for (int i = 0; i < activity.members; ++i)
        std::transform(total.begin(), total.end(), activity.member(i).begin(), total.begin(), std::plus<>());
    return total;
}

std::vector<double> activityRatio(const ChainSeries& activity, int daughterIndex, int over)
{
    std::vector<double> ratio;
    const auto parent = activity.member(over), daughter = activity.member(daughterIndex);
    for (std::size_t k = 0; k < parent.size(); ++k)
        ratio.push_back(parent[k] > 0 ? daughter[k] / parent[k] : std::numeric_limits<double>::quiet_NaN());
    return ratio;
}

double becquerelPer(ActivityUnit unit)
{
    switch (unit) {
    case ActivityUnit::Bq: return 1.0;
    case ActivityUnit::kBq: return 1e3;
    case ActivityUnit::MBq: return 1e6;
    case ActivityUnit::GBq: return 1e9;
    case ActivityUnit::Ci: return 3.7e10;
    case ActivityUnit::uCi: return 3.7e4;
    case ActivityUnit::dpm: return 1.0 / 60.0;
    }
    return 1.0;
}

std::string_view activityUnitName(ActivityUnit unit)
{
    switch (unit) {
    case ActivityUnit::Bq: return "Bq";
    case ActivityUnit::kBq: return "kBq";
    case ActivityUnit::MBq: return "MBq";
    case ActivityUnit::GBq: return "GBq";
    case ActivityUnit::Ci: return "Ci";
    case ActivityUnit::uCi: return "\u00b5Ci";
    case ActivityUnit::dpm: return "dpm";
    }
    return "Bq";
}

std::vector<int> upstreamMembers(const Chain& chain, int daughter)
{
    std::vector<bool> reaches(static_cast<std::size_t>(chain.size()), false);
    reaches[static_cast<std::size_t>(daughter)] = true;
    // Daughters come after their parents, so one pass backwards finds every ancestor.
    for (auto link = chain.links.rbegin(); link != chain.links.rend(); ++link)
        if (reaches[static_cast<std::size_t>(link->daughter)])
            reaches[static_cast<std::size_t>(link->parent)] = true;
    std::vector<int> upstream;
    for (int i = 0; i < daughter; ++i)
        if (reaches[static_cast<std::size_t>(i)])
            upstream.push_back(i);
    return upstream;
}

std::vector<double> pureStart(const Chain& chain)
{
    std::vector<double> initial(static_cast<std::size_t>(chain.size()), 0.0);
    if (!initial.empty())
        initial[0] = 1;
    return initial;
}

Equilibrium equilibrium(const Chain& chain, std::span<const double> initial, int daughter, int over)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto n = static_cast<std::size_t>(chain.size());
    const auto d = static_cast<std::size_t>(daughter);
    if (daughter < 0 || d >= n || over < 0 || over >= daughter || chain.members[d].stable())
        return {EquilibriumKind::None, nan, nan, -1};
    // Members that hold atoms at some time: those started with atoms and everything they feed.
    std::vector<bool> fed(n, false);
    for (std::size_t i = 0; i < n && i < initial.size(); ++i)
        fed[i] = initial[i] > 0;
    for (const ChainLink& link : chain.links)
        if (fed[static_cast<std::size_t>(link.parent)])
            fed[static_cast<std::size_t>(link.daughter)] = true;
    const std::vector<int> upstream = upstreamMembers(chain, daughter);
    if (std::count(upstream.begin(), upstream.end(), over) == 0)
        return {EquilibriumKind::None, nan, nan, -1};
    std::size_t setter = d;
    for (int i : upstream)
        if (fed[static_cast<std::size_t>(i)] && chain.members[static_cast<std::size_t>(i)].rate() < chain.members[setter].rate())
            setter = static_cast<std::size_t>(i);
    const double slowest = chain.members[setter].rate();
    const bool overFollows = contains(upstream, static_cast<int>(setter)) &&
                             (static_cast<int>(setter) == over || contains(upstreamMembers(chain, over), static_cast<int>(setter)));
    if (setter == d || !overFollows)
        return {EquilibriumKind::None, nan, nan, static_cast<int>(setter)};
    // In the chain's order: the activity of every member over the setter's (routes from the setter),
    // and the branch fractions from `over`.
    std::vector<double> limit(n, 0.0), branches(n, 0.0);
    limit[setter] = 1;
    branches[static_cast<std::size_t>(over)] = 1;
    std::vector<bool> onRoute(n, false);
    for (int i : upstream)
        onRoute[static_cast<std::size_t>(i)] = true;
    onRoute[d] = true;
    for (const ChainLink& link : chain.links) {
        const auto parent = static_cast<std::size_t>(link.parent), child = static_cast<std::size_t>(link.daughter);
        branches[child] += branches[parent] * link.fraction;
        if (!onRoute[child] || limit[parent] == 0)
            continue;
        const double rate = chain.members[child].rate();
        if (!(rate > slowest)) // as long-lived as the setter: the ratio grows like t
            return {EquilibriumKind::None, nan, nan, static_cast<int>(setter)};
        limit[child] += limit[parent] * link.fraction * rate / (rate - slowest);
    }
    const double ratio = limit[d] / limit[static_cast<std::size_t>(over)];
    const bool secular = ratio <= branches[d] * (1 + kSecularMargin);
    return {secular ? EquilibriumKind::Secular : EquilibriumKind::Transient, ratio, branches[d], static_cast<int>(setter)};
}

RunDefaults runDefaults(const Chain& chain)
{
    if (chain.members.empty() || chain.members[0].stable())
        return {};
    const std::vector<double> start = pureStart(chain);
    const double firstHalfLife = chain.members[0].halfLife;
    // The share of the first member's atoms that reach each member, summed over the routes.
    std::vector<double> reached(static_cast<std::size_t>(chain.size()), 0.0);
    std::vector<bool> matters(reached.size(), false);
    reached[0] = 1;
    // Parents come before their daughters: a member's share is complete when its turn comes.
    for (int i = 0; i < chain.size(); ++i) {
        const ChainMember& member = chain.members[static_cast<std::size_t>(i)];
        matters[static_cast<std::size_t>(i)] = i == 0 || (!member.stable() && reached[static_cast<std::size_t>(i)] >= kMattering &&
                                                          member.halfLife <= kLongestFollowed * firstHalfLife);
        if (matters[static_cast<std::size_t>(i)])
            for (const ChainLink& link : chain.links)
                if (link.parent == i)
                    reached[static_cast<std::size_t>(link.daughter)] += reached[static_cast<std::size_t>(i)] * link.fraction;
    }
    double span = 0, shortest = firstHalfLife;
    bool daughters = false;
    for (int i = 1; i < chain.size(); ++i) {
        if (!matters[static_cast<std::size_t>(i)])
            continue;
        const ChainMember& member = chain.members[static_cast<std::size_t>(i)];
        const bool settles = equilibrium(chain, start, i, 0).setter != i;
        span = std::max(span, (settles ? 10 : 5) * member.halfLife);
        shortest = std::min(shortest, member.halfLife);
        daughters = true;
    }
    if (!daughters) {
        const bool radioactiveDaughter = std::any_of(chain.links.begin(), chain.links.end(), [&](const ChainLink& link) {
            return link.parent == 0 && !chain.members[static_cast<std::size_t>(link.daughter)].stable();
        });
        span = (radioactiveDaughter ? 10 : 5) * firstHalfLife;
    } else if (5 * firstHalfLife <= kLongestFollowed * span) {
        span = std::max(span, 5 * firstHalfLife);
    }
    span = std::min(span, kLongestLabStep);
    RunDefaults defaults;
    defaults.daughters = daughters;
    // The smallest unit that holds the span within 1,000 of it (years beyond).
    TimeUnit unit = TimeUnit::Year;
    for (auto u = kTimeUnits.rbegin(); u != kTimeUnits.rend(); ++u)
        if (span <= 1000 * unitSeconds(*u))
            unit = *u;
    const double step = twoDigits(shortest / 10 / unitSeconds(unit));
    const double steps = std::round(span / (step * unitSeconds(unit)));
    if (steps <= kMostLabSteps) {
        defaults.unit = unit;
        defaults.step = step;
        defaults.steps = static_cast<int>(std::max(steps, 1.0));
    } else {
        defaults.grid = GridKind::Logarithmic;
        defaults.unit = fittingUnit(shortest / 10);
        defaults.step = twoDigits(shortest / 10 / unitSeconds(defaults.unit));
        defaults.lastUnit = unit;
        defaults.last = twoDigits(span / unitSeconds(unit));
    }
    // Decays in the run: each first member's atom that decays (a share 1 - e^(-lambda span)) brings
    // at most one decay of every member that matters.
    const double rate = chain.members[0].rate();
    const double members = static_cast<double>(std::count(matters.begin(), matters.end(), true));
    const double mostAtoms = kMostDefaultCounts / (kDefaultEfficiency * members * -std::expm1(-rate * span));
    const double activity = kDefaultActivity / rate <= mostAtoms ? kDefaultActivity : twoDigits(mostAtoms * rate);
    if (activity / rate >= kFewestDefaultAtoms) {
        defaults.amount = activity;
        defaults.amountUnit = AmountUnit::Becquerel;
        defaults.atoms = std::round(activity / rate);
    }
    return defaults;
}

UniformGrid uniformGrid(const RunDefaults& defaults)
{
    if (defaults.grid == GridKind::Uniform)
        return {defaults.step, defaults.unit, defaults.steps};
    const double step = twoDigits(defaults.last / kUniformDefaultSteps);
    return {step, defaults.lastUnit, static_cast<int>(std::round(defaults.last / step))};
}

RunSetupTexts defaultEntries(const Chain& chain, const RunDefaults& defaults)
{
    const bool logarithmic = defaults.grid == GridKind::Logarithmic;
    const std::string step = significantDigits(defaults.step, 4);
    std::vector<std::string> initial(static_cast<std::size_t>(chain.size()), "0");
    if (!initial.empty())
        initial[0] = significantDigits(defaults.amount, 6);
    // Every member in the first one's unit where it suits it, so that an amount typed for a
    // daughter means what the first means; else (a stable member's becquerel) in atoms.
    std::vector<AmountUnit> units;
    for (const ChainMember& member : chain.members) {
        const auto suited = amountUnitsOf(member);
        units.push_back(std::find(suited.begin(), suited.end(), defaults.amountUnit) != suited.end() ? defaults.amountUnit : AmountUnit::Atoms);
    }
    return {.initial = std::move(initial), .step = step, .unit = defaults.unit, .steps = std::to_string(defaults.steps),
            .amountUnits = std::move(units), .grid = defaults.grid, .first = step, .firstUnit = defaults.unit,
            .last = significantDigits(logarithmic ? defaults.last : defaults.step * defaults.steps, 4),
            .lastUnit = logarithmic ? defaults.lastUnit : defaults.unit, .perDecade = std::to_string(defaults.perDecade)};
}

} // namespace decay
