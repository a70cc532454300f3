#include "TableChain.h"

#include "model/common/Conversions.h"
#include "DecayModes.h"

#include <algorithm>

namespace decay {
namespace {

// What a table chain leaves out, each kind of note in its words; the summary counts them by these.
constexpr const char* kWithoutShare = "%1 may also decay by %2 (%3); without a measured share it is left out of the chain.";
constexpr const char* kFission = "%1 fissions (%2) in %3 % of its decays; the fission products leave the chain.";
constexpr const char* kBreakUp = "%1 decays by %2 in %3 % of its decays into more than one nucleus, which leave the chain.";
constexpr const char* kBelowThreshold = "%1 → %2 (%3, %4 %) is below the branch threshold of %5 % and left out.";
constexpr const char* kNotInTable = "%1 → %2 (%3, %4 %) leaves the chain: %2 is not in the nuclide table.";
constexpr const char* kTooManyMembers =
    "The chain of %1 has more members than the %2 a run can take; these, which the fewest atoms reach, are left out: %3.";

std::string percentText(double fraction)
{
    return significantDigits(fraction * 100, 4);
}

std::string relationText(const DecayMode& mode)
{
    switch (mode.relation) {
    case Relation::Below: return "< " + significantDigits(mode.percent, 4) + " %";
    case Relation::Above: return "> " + significantDigits(mode.percent, 4) + " %";
    default: return "?";
    }
}

// The members reached from the start through branches at or above the threshold, in the order
// found, with a note for every share that leaves.
class Network {
public:
    Network(const NuclideTable& table, const ChainOptions& options) : m_table(table), m_options(options) {}

    void explore(int start);
    std::vector<int> parentsFirst() const;
    std::vector<int> keep(const std::vector<int>& order) const;

    std::vector<int> found;
    std::vector<std::pair<int, const DecayBranch*>> edges; // (parent position in `found`, branch)
    std::vector<Message> notes;

private:
    void noteOpenModes(const Nuclide& nuclide);
    int daughterOf(const DecayBranch& branch) const { return branch.daughter.empty() ? -1 : m_table.position(branch.daughter); }

    const NuclideTable& m_table;
    const ChainOptions& m_options;
};

// What NUBASE calls stable is stable: a mode looked for and never seen is no note then.
void Network::noteOpenModes(const Nuclide& nuclide)
{
    if (nuclide.stable())
        return;
    for (const DecayMode& mode : nuclide.modes)
        if (mode.relation == Relation::Below || mode.relation == Relation::Above || mode.relation == Relation::Unknown)
            notes.push_back(said(kWithoutShare, nuclide.symbol, modeSymbol(mode.code), relationText(mode)));
}

void Network::explore(int start)
{
    found = {start};
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(found[i])];
        noteOpenModes(nuclide);
        for (const DecayBranch& branch : nuclide.branches) {
            const std::string share = percentText(branch.fraction);
            if (branch.daughter.empty()) {
                const bool fission = modeChange(branch.mode).kind == ModeKind::Fission;
                notes.push_back(said(fission ? kFission : kBreakUp, nuclide.symbol, modeSymbol(branch.mode), share));
                continue;
            }
            const int daughter = daughterOf(branch);
            if (branch.fraction < m_options.threshold) {
                notes.push_back(said(kBelowThreshold, nuclide.symbol, branch.daughter, modeSymbol(branch.mode), share,
                                     percentText(m_options.threshold)));
            } else if (daughter < 0) {
                notes.push_back(said(kNotInTable, nuclide.symbol, branch.daughter, modeSymbol(branch.mode), share));
            } else {
                if (std::find(found.begin(), found.end(), daughter) == found.end())
                    found.push_back(daughter);
                edges.emplace_back(static_cast<int>(i), &branch);
            }
        }
    }
}

// Positions in `found`, every parent before its daughters (Kahn's sort, the first found first);
// the decay energy makes a loop impossible, a faulty table could still have one: then the rest
// is left unsorted at the end and the chain reports it.
std::vector<int> Network::parentsFirst() const
{
    const std::size_t n = found.size();
    std::vector<int> parents(n, 0);
    std::vector<std::vector<int>> daughters(n);
    for (const auto& [parent, branch] : edges) {
        const int d = static_cast<int>(std::find(found.begin(), found.end(), daughterOf(*branch)) - found.begin());
        daughters[static_cast<std::size_t>(parent)].push_back(d);
        ++parents[static_cast<std::size_t>(d)];
    }
    std::vector<int> order;
    std::vector<bool> placed(n, false);
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t next = 0;
        while (next < n && (placed[next] || parents[next] > 0))
            ++next;
        if (next == n)
            break;
        placed[next] = true;
        order.push_back(static_cast<int>(next));
        for (int d : daughters[next])
            --parents[static_cast<std::size_t>(d)];
    }
    return order;
}

// The members to keep, `order` filtered: all of them when they fit, or else, one by one, the
// daughter of those kept that most atoms of the start reach through members already kept.
std::vector<int> Network::keep(const std::vector<int>& order) const
{
    const std::size_t most = static_cast<std::size_t>(std::max(m_options.mostMembers, 1));
    if (order.size() <= most)
        return order;
    std::vector<std::pair<int, int>> joins; // (parent, daughter) positions in `found`, with `edges`' fractions
    for (const auto& [parent, branch] : edges)
        joins.emplace_back(parent, static_cast<int>(std::find(found.begin(), found.end(), daughterOf(*branch)) - found.begin()));
    std::vector<double> reached(found.size(), 0.0);
    std::vector<bool> kept(found.size(), false);
    const auto add = [&](int member) {
        kept[static_cast<std::size_t>(member)] = true;
        for (std::size_t e = 0; e < joins.size(); ++e)
            if (joins[e].first == member)
                reached[static_cast<std::size_t>(joins[e].second)] += reached[static_cast<std::size_t>(member)] * edges[e].second->fraction;
    };
    reached[static_cast<std::size_t>(order.front())] = 1;
    add(order.front());
    for (std::size_t count = 1; count < most; ++count) {
        int best = -1;
        for (int member : order)
            if (!kept[static_cast<std::size_t>(member)] && reached[static_cast<std::size_t>(member)] > 0 &&
                (best < 0 || reached[static_cast<std::size_t>(member)] > reached[static_cast<std::size_t>(best)]))
                best = member;
        if (best < 0)
            break;
        add(best);
    }
    std::vector<int> result;
    for (int member : order)
        if (kept[static_cast<std::size_t>(member)])
            result.push_back(member);
    return result;
}

// How many notes of each kind, in one sentence: the kinds in the order of their patterns.
Message notesSummary(const std::vector<Message>& notes, double threshold)
{
    struct Kind {
        const char* part; // %1 the count (and %2 the threshold)
        std::vector<const char*> patterns;
    };
    const Kind kinds[] = {
        {"branches below %2 %: %1", {kBelowThreshold}},
        {"decays that leave the chain: %1", {kFission, kBreakUp, kNotInTable}},
        {"modes without a measured share: %1", {kWithoutShare}},
        {"members beyond what a run can take: %1", {kTooManyMembers}},
    };
    std::vector<MessageValue> parts;
    for (const Kind& kind : kinds) {
        const auto count = std::count_if(notes.begin(), notes.end(), [&](const Message& note) {
            return std::find(kind.patterns.begin(), kind.patterns.end(), note.pattern) != kind.patterns.end();
        });
        if (count > 0)
            parts.push_back(sentenceValue({kind.part, {wholeValue(static_cast<double>(count)), percentText(threshold)}}, "ModelText"));
    }
    constexpr const char* kSummaries[] = {"", "Left out: %1.", "Left out: %1; %2.", "Left out: %1; %2; %3.", "Left out: %1; %2; %3; %4."};
    if (parts.empty())
        return {};
    return {kSummaries[parts.size()], std::move(parts)};
}

} // namespace

TableChain chainFromTable(const NuclideTable& table, std::string_view first, const ChainOptions& options)
{
    const int start = table.position(first);
    if (start < 0)
        return {.error = {"%1 is not in the nuclide table.", {std::string(first)}}};
    Network network(table, options);
    network.explore(start);
    const std::vector<int> order = network.parentsFirst();
    if (order.size() != network.found.size())
        return {.error = {"The chain of %1 loops.", {std::string(first)}}};
    const std::vector<int> kept = network.keep(order);
    TableChain result{.notes = std::move(network.notes)};
    if (kept.size() < order.size()) {
        std::string left;
        for (int member : order)
            if (std::find(kept.begin(), kept.end(), member) == kept.end())
                left.append(left.empty() ? "" : ", ").append(table.nuclides[static_cast<std::size_t>(network.found[static_cast<std::size_t>(member)])].symbol);
        result.notes.push_back(said(kTooManyMembers, std::string(first), std::to_string(options.mostMembers), left));
    }
    Chain chain;
    std::vector<int> place(network.found.size(), -1);
    for (int member : kept) {
        place[static_cast<std::size_t>(member)] = chain.size();
        const Nuclide& nuclide = table.nuclides[static_cast<std::size_t>(network.found[static_cast<std::size_t>(member)])];
        chain.members.push_back({nuclide.symbol, nuclide.title(), nuclide.halfLife, nuclide.molarMass()});
    }
    for (int member : kept)
        for (const auto& [parent, branch] : network.edges) {
            if (parent != member)
                continue;
            const auto d = std::find(network.found.begin(), network.found.end(), table.position(branch->daughter)) - network.found.begin();
            const int daughter = place[static_cast<std::size_t>(d)];
            if (daughter < 0)
                continue;
            // Two branches to one daughter (the same mode split by feeding, or two modes) are one link.
            auto same = std::find_if(chain.links.begin(), chain.links.end(), [&](const ChainLink& link) {
                return link.parent == place[static_cast<std::size_t>(member)] && link.daughter == daughter;
            });
            if (same != chain.links.end())
                same->fraction += branch->fraction;
            else
                chain.links.push_back({place[static_cast<std::size_t>(member)], daughter, branch->fraction, branch->mode});
        }
    result.chain = std::move(chain);
    result.summary = notesSummary(result.notes, options.threshold);
    return result;
}

NumberEntry readBranchThreshold(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, 0, 100, "The branch threshold must be a number of percent from %1 to %2.");
}

} // namespace decay
