#include "ChainActivity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {
namespace {

// The link from the first radioactive member with the largest fraction; null when there is none.
const ChainLink* mainLink(const Chain& chain, int parent)
{
    const ChainLink* best = nullptr;
    for (const ChainLink& link : chain.links)
        if (link.parent == parent && (!best || link.fraction > best->fraction))
            best = &link;
    return best;
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

std::vector<double> activityRatio(const ChainSeries& activity, const ChainLink& link)
{
    std::vector<double> ratio;
    const auto parent = activity.member(link.parent), daughter = activity.member(link.daughter);
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

Equilibrium equilibrium(const Chain& chain, int linkIndex)
{
    const ChainLink& link = chain.links[static_cast<std::size_t>(linkIndex)];
    const ChainMember& a = chain.members[static_cast<std::size_t>(link.parent)];
    const ChainMember& b = chain.members[static_cast<std::size_t>(link.daughter)];
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (b.stable() || b.halfLife >= a.halfLife)
        return {EquilibriumKind::None, nan, nan};
    if (a.halfLife >= kSecularRatio * b.halfLife)
        return {EquilibriumKind::Secular, link.fraction, nan};
    const double ratio = link.fraction * a.halfLife / (a.halfLife - b.halfLife);
    const double peak = std::log(b.rate() / a.rate()) / (b.rate() - a.rate());
    return {EquilibriumKind::Transient, ratio, peak};
}

TimeUnit fittingUnit(double seconds)
{
    TimeUnit fitting = TimeUnit::Second;
    for (TimeUnit unit : kTimeUnits)
        if (seconds >= unitSeconds(unit))
            fitting = unit;
    return fitting;
}

RunDefaults runDefaults(const Chain& chain)
{
    const auto first = std::find_if(chain.members.begin(), chain.members.end(), [](const ChainMember& m) { return !m.stable(); });
    if (first == chain.members.end())
        return {};
    const double parent = first->halfLife;
    const ChainLink* link = mainLink(chain, static_cast<int>(first - chain.members.begin()));
    const double daughter = link ? chain.members[static_cast<std::size_t>(link->daughter)].halfLife : 0.0;
    double span = 5 * parent, shortest = parent;
    if (daughter > 0 && daughter < parent) {
        span = 10 * daughter;
        shortest = daughter;
    } else if (daughter > 0) {
        span = 10 * parent;
    }
    RunDefaults defaults;
    defaults.unit = fittingUnit(shortest / 10);
    defaults.step = twoDigits(shortest / 10 / unitSeconds(defaults.unit));
    const double steps = std::round(span / (defaults.step * unitSeconds(defaults.unit)));
    defaults.steps = static_cast<int>(std::clamp(steps, 1.0, static_cast<double>(kMostLabSteps)));
    return defaults;
}

} // namespace decay
