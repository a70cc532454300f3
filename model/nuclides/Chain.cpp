#include "Chain.h"

#include "DecayModes.h"
#include "model/common/Conversions.h"
#include "NuclideTable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace decay {
namespace {

// Members put in an order where parents come first (Kahn's sort, lowest number first, so a chain
// typed in order keeps it); empty when the links make a loop.
std::optional<Chain> parentsFirst(const Chain& chain)
{
    const int n = chain.size();
    std::vector<int> parents(static_cast<std::size_t>(n), 0);
    for (const ChainLink& link : chain.links)
        ++parents[static_cast<std::size_t>(link.daughter)];
    std::vector<int> order;
    std::vector<bool> placed(static_cast<std::size_t>(n), false);
    while (static_cast<int>(order.size()) < n) {
        int next = 0;
        while (next < n && (placed[static_cast<std::size_t>(next)] || parents[static_cast<std::size_t>(next)] > 0))
            ++next;
        if (next == n)
            return std::nullopt;
        placed[static_cast<std::size_t>(next)] = true;
        order.push_back(next);
        for (const ChainLink& link : chain.links)
            if (link.parent == next)
                --parents[static_cast<std::size_t>(link.daughter)];
    }
    std::vector<int> position(static_cast<std::size_t>(n));
    Chain sorted;
    for (int i = 0; i < n; ++i) {
        position[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = i;
        sorted.members.push_back(chain.members[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])]);
    }
    for (ChainLink link : chain.links) {
        link.parent = position[static_cast<std::size_t>(link.parent)];
        link.daughter = position[static_cast<std::size_t>(link.daughter)];
        sorted.links.push_back(link);
    }
    std::stable_sort(sorted.links.begin(), sorted.links.end(),
                     [](const ChainLink& a, const ChainLink& b) { return a.parent < b.parent; });
    return sorted;
}

// The custom members, or what is wrong with the first that cannot be used.
Message readMembers(const CustomChainTexts& texts, Chain& chain)
{
    for (std::size_t i = 0; i < texts.members.size(); ++i) {
        const CustomMemberTexts& member = texts.members[i];
        const std::string name(trimmed(member.name));
        if (name.empty() || name.size() > kLongestMemberName)
            return {"Member %1 needs a name of 1 to %2 characters.", {i + 1, kLongestMemberName}};
        for (const ChainMember& other : chain.members)
            if (other.symbol == name)
                return {"Two members are called %1.", {name}};
        double halfLife = 0;
        if (!isBlank(member.halfLife)) {
            const auto value = strictValue(member.halfLife, texts.decimalPoint);
            halfLife = value ? *value * unitSeconds(member.unit) : 0;
            if (!(halfLife >= kShortestHalfLife && halfLife <= kLongestHalfLife))
                return {"The half-life of %1 must be a number from %2 s to %3 y; leave it empty for a stable member.",
                        {name, kShortestHalfLife, kLongestHalfLife / kSecondsPerYear}};
        }
        chain.members.push_back({name, name, halfLife});
    }
    return {};
}

Message readLinks(const CustomChainTexts& texts, Chain& chain)
{
    const int n = chain.size();
    std::vector<double> sums(static_cast<std::size_t>(n), 0.0);
    for (const CustomLinkTexts& link : texts.links) {
        if (link.parent < 0 || link.parent >= n || link.daughter < 0 || link.daughter >= n || link.parent == link.daughter)
            return {"Every link joins two different members of the chain.", {}};
        const ChainMember& parent = chain.members[static_cast<std::size_t>(link.parent)];
        const std::string& daughter = chain.members[static_cast<std::size_t>(link.daughter)].symbol;
        if (parent.stable())
            return {"%1 is stable: it cannot decay to anything.", {parent.symbol}};
        for (const ChainLink& other : chain.links)
            if (other.parent == link.parent && other.daughter == link.daughter)
                return {"The link from %1 to %2 is there twice.", {parent.symbol, daughter}};
        const auto fraction = strictValue(link.fraction, texts.decimalPoint);
        if (!fraction || !(*fraction >= 0 && *fraction <= 1))
            return {"The branch fraction from %1 to %2 must be a number from 0 to 1.", {parent.symbol, daughter}};
        double& sum = sums[static_cast<std::size_t>(link.parent)];
        sum += *fraction;
        if (sum > 1 + kBranchSumTolerance)
            return {"The branch fractions from %1 add up to more than 1.", {parent.symbol}};
        chain.links.push_back({link.parent, link.daughter, *fraction});
    }
    return {};
}

} // namespace

double ChainMember::rate() const
{
    return stable() ? 0.0 : std::numbers::ln2 / halfLife;
}

std::string ChainLink::modeText() const
{
    if (mode.empty())
        return {};
    const std::string change = modeChangeText(mode);
    return modeSymbol(mode) + (change.empty() ? std::string() : " (" + change + ")");
}

std::vector<std::string> Chain::modeTexts() const
{
    std::vector<std::string> texts(members.size());
    std::vector<std::vector<std::string>> seen(members.size());
    for (const ChainLink& link : links) {
        auto& modes = seen[static_cast<std::size_t>(link.parent)];
        const std::string text = link.modeText();
        if (text.empty() || std::find(modes.begin(), modes.end(), text) != modes.end())
            continue;
        std::string& joined = texts[static_cast<std::size_t>(link.parent)];
        joined += (modes.empty() ? "" : "; ") + text;
        modes.push_back(text);
    }
    return texts;
}

ChainEntry readCustomChain(const CustomChainTexts& texts)
{
    if (texts.members.empty() || texts.members.size() > kMostCustomMembers)
        return {.error = {"A custom chain has 1 to %1 members.", {kMostCustomMembers}}};
    Chain chain;
    if (auto error = readMembers(texts, chain); !error.empty())
        return {.error = std::move(error)};
    if (auto error = readLinks(texts, chain); !error.empty())
        return {.error = std::move(error)};
    auto sorted = parentsFirst(chain);
    if (!sorted)
        return {.error = {"The chain has a loop: a member would decay back into itself. Remove one of the links of the loop.", {}}};
    return {.chain = std::move(sorted)};
}

} // namespace decay
