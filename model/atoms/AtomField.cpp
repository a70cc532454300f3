#include "AtomField.h"

#include "AtomHistory.h"

#include "model/random/SplitMix64.h"

#include <algorithm>
#include <numeric>

namespace decay {

// Uniform whole numbers below a bound, with no bias: Lemire's multiply-and-reject ("Fast random
// integer generation in an interval", ACM Trans. Model. Comput. Simul. 29(1), 2019) on 32-bit
// halves of splitmix64's output.
class AtomField::Picker {
public:
    explicit Picker(std::uint64_t seed) : m_state(seed) {}

    std::uint32_t below(std::uint32_t bound)
    {
        std::uint64_t product = next() * static_cast<std::uint64_t>(bound);
        auto low = static_cast<std::uint32_t>(product);
        if (low < bound) {
            const std::uint32_t threshold = (0u - bound) % bound;
            while (low < threshold) {
                product = next() * static_cast<std::uint64_t>(bound);
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

private:
    // Both halves of every output, the upper first.
    std::uint64_t next()
    {
        if (m_halves == 0) {
            m_bits = splitMix64(m_state);
            m_halves = 2;
        }
        --m_halves;
        return m_halves ? m_bits >> 32 : m_bits & 0xFFFFFFFFu;
    }
    std::uint64_t m_state;
    std::uint64_t m_bits = 0;
    int m_halves = 0;
};

namespace {

Message disagree()
{
    return {"The run's numbers of atoms and their moves do not agree."};
}

// Whether every move of `history` takes one atom of the single starting state `first` by one
// decay to one and the same state: a single nuclide.
bool singleMove(const AtomHistory& history, int first, int& to)
{
    to = history.flows.empty() ? (first + 1) % std::max(history.stateCount(), 1) : history.flows.front().to;
    for (const AtomFlow& flow : history.flows)
        if (flow.from != first || flow.to != to || flow.decays != 1 || flow.afterMoves)
            return false;
    return to != first;
}

} // namespace

AtomField::AtomField(const AtomHistory& history, std::uint64_t seed)
{
    if (!history.refusal.empty())
        m_refusal = history.refusal;
    else if (!build(history, seed)) {
        *this = AtomField();
        m_refusal = disagree();
    }
}

bool AtomField::build(const AtomHistory& history, std::uint64_t seed)
{
    const int states = history.stateCount();
    if (states < 1 || states > 255 || history.steps < 0 || history.steps > kMostFollowedSteps ||
        history.counts.size() != static_cast<std::size_t>(states) * static_cast<std::size_t>(history.steps + 1))
        return false;
    const std::int64_t all = history.atoms();
    if (all <= 0 || all > kMostFollowedAtoms) {
        m_refusal = {"The run has no atoms to show."};
        return all == 0;
    }
    m_atoms = static_cast<int>(all);
    m_steps = history.steps;
    Picker picker(seed);

    // The atoms at the start, each state's in places drawn at random over the square.
    int populated = 0;
    for (int s = 0; s < states; ++s)
        if (history.count(s, 0) != 0) {
            m_first = s;
            ++populated;
        }
    m_single = populated == 1 && singleMove(history, m_first, m_to);
    if (m_single)
        return buildSingle(history, picker);
    std::vector<std::vector<std::uint32_t>> present(static_cast<std::size_t>(states));
    if (populated > 1) {
        m_initial.reserve(static_cast<std::size_t>(m_atoms));
        for (int s = 0; s < states; ++s)
            m_initial.insert(m_initial.end(), static_cast<std::size_t>(history.count(s, 0)), static_cast<std::uint8_t>(s));
        for (std::uint32_t i = static_cast<std::uint32_t>(m_atoms) - 1; i > 0; --i)
            std::swap(m_initial[i], m_initial[picker.below(i + 1)]);
        for (int a = 0; a < m_atoms; ++a)
            present[m_initial[static_cast<std::size_t>(a)]].push_back(static_cast<std::uint32_t>(a));
    } else {
        present[static_cast<std::size_t>(m_first)].resize(static_cast<std::size_t>(m_atoms));
        std::iota(present[static_cast<std::size_t>(m_first)].begin(), present[static_cast<std::size_t>(m_first)].end(), 0u);
    }

    // The moves, step by step: those taken go to their new state when the step's moves are done,
    // so that no atom moves twice on the moves of one step.
    struct Logged {
        std::uint32_t atom;
        Move move;
    };
    // A state no move leaves (a stable member, out of the chain, taken away) keeps a count of its
    // atoms alone: nobody is ever picked from it.
    std::vector<char> left(static_cast<std::size_t>(states), 0);
    std::int64_t moves = 0;
    for (const AtomFlow& flow : history.flows) {
        if (flow.from >= 0 && flow.from < states)
            left[static_cast<std::size_t>(flow.from)] = 1;
        moves += std::max<std::int64_t>(flow.atoms, 0);
    }
    std::vector<std::int64_t> kept(static_cast<std::size_t>(states), 0);
    for (int s = 0; s < states; ++s)
        if (!left[static_cast<std::size_t>(s)]) {
            kept[static_cast<std::size_t>(s)] = static_cast<std::int64_t>(present[static_cast<std::size_t>(s)].size());
            present[static_cast<std::size_t>(s)] = {};
        }
    std::vector<Logged> log;
    log.reserve(static_cast<std::size_t>(std::min<std::int64_t>(moves, std::int64_t{255} * m_atoms)));
    std::vector<std::pair<std::uint32_t, std::uint8_t>> arriving;
    auto arrive = [&] {
        for (const auto& [atom, to] : arriving)
            present[to].push_back(atom);
        arriving.clear();
    };
    std::size_t f = 0;
    for (int t = 1; t <= m_steps; ++t) {
        for (; f < history.flows.size() && history.flows[f].step == t; ++f) {
            const AtomFlow& flow = history.flows[f];
            if (flow.from < 0 || flow.from >= states || flow.to < 0 || flow.to >= states || flow.decays < 0 || flow.decays > 255 ||
                flow.atoms < 0)
                return false;
            if (flow.afterMoves)
                arrive();
            std::vector<std::uint32_t>& pool = present[static_cast<std::size_t>(flow.from)];
            if (flow.atoms > static_cast<std::int64_t>(pool.size()))
                return false;
            const Move move{static_cast<std::uint16_t>(t), static_cast<std::uint8_t>(flow.to), static_cast<std::uint8_t>(flow.decays)};
            for (std::int64_t i = 0; i < flow.atoms; ++i) {
                const std::uint32_t j = picker.below(static_cast<std::uint32_t>(pool.size()));
                const std::uint32_t atom = pool[j];
                pool[j] = pool.back();
                pool.pop_back();
                log.push_back({atom, move});
                if (left[move.to])
                    arriving.emplace_back(atom, move.to);
                else
                    ++kept[move.to];
            }
        }
        arrive();
        for (int s = 0; s < states; ++s)
            if (static_cast<std::int64_t>(present[static_cast<std::size_t>(s)].size()) + kept[static_cast<std::size_t>(s)] != history.count(s, t))
                return false;
    }
    if (f != history.flows.size())
        return false;

    // Each atom's moves together, in the order of their steps (a counting sort keeps it).
    m_offsets.assign(static_cast<std::size_t>(m_atoms) + 1, 0);
    for (const Logged& entry : log)
        ++m_offsets[entry.atom + 1];
    std::partial_sum(m_offsets.begin(), m_offsets.end(), m_offsets.begin());
    m_moves.resize(log.size());
    std::vector<std::uint32_t> next(m_offsets.begin(), m_offsets.end() - 1);
    for (const Logged& entry : log)
        m_moves[next[entry.atom]++] = entry.move;
    return true;
}

bool AtomField::buildSingle(const AtomHistory& history, Picker& picker)
{
    // Every step's count is what the moves up to it leave, checked on the flows themselves.
    const std::vector<AtomFlow>& flows = history.flows;
    std::size_t f = 0;
    std::int64_t present = m_atoms;
    for (int t = 0; t <= m_steps; ++t) {
        for (; t > 0 && f < flows.size() && flows[f].step == t; ++f) {
            if (flows[f].atoms < 0 || flows[f].atoms > present)
                return false;
            present -= flows[f].atoms;
        }
        if (present != history.count(m_first, t) || m_atoms - present != history.count(m_to, t))
            return false;
    }
    if (f != flows.size())
        return false;
    // The atoms leave one by one in a uniformly random order, as uniform picks among those left
    // make them: so the steps of all the moves, in order, shuffled over the atoms (Fisher-Yates)
    // give each atom its step, with no list of atoms to pick from.
    m_step.assign(static_cast<std::size_t>(m_atoms), kNever);
    auto at = m_step.begin();
    for (const AtomFlow& flow : flows)
        at = std::fill_n(at, flow.atoms, static_cast<std::uint16_t>(flow.step));
    for (auto i = static_cast<std::uint32_t>(m_atoms) - 1; i > 0; --i)
        std::swap(m_step[i], m_step[picker.below(i + 1)]);
    return true;
}

std::span<const AtomField::Move> AtomField::moves(int atom) const
{
    const auto a = static_cast<std::size_t>(atom);
    return std::span(m_moves).subspan(m_offsets[a], m_offsets[a + 1] - m_offsets[a]);
}

int AtomField::stateAt(int atom, int step) const
{
    if (m_single)
        return m_step[static_cast<std::size_t>(atom)] <= step ? m_to : m_first;
    int state = initial(atom);
    for (const Move& move : moves(atom)) {
        if (move.step > step)
            break;
        state = move.to;
    }
    return state;
}

void AtomField::frame(int step, std::span<std::uint8_t> states) const
{
    const std::size_t n = std::min(states.size(), static_cast<std::size_t>(m_atoms));
    if (m_single) {
        // A plain comparison per atom, which the compiler turns into vector code.
        const auto first = static_cast<std::uint8_t>(m_first), to = static_cast<std::uint8_t>(m_to);
        if (step < 0) {
            std::fill_n(states.begin(), n, first);
            return;
        }
        const auto last = static_cast<std::uint16_t>(std::min(step, static_cast<int>(kNever) - 1));
        const auto change = static_cast<std::uint8_t>(first ^ to);
        for (std::size_t a = 0; a < n; ++a)
            states[a] = static_cast<std::uint8_t>(first ^ (change & -static_cast<std::uint8_t>(m_step[a] <= last)));
        return;
    }
    for (std::size_t a = 0; a < n; ++a)
        states[a] = static_cast<std::uint8_t>(stateAt(static_cast<int>(a), step));
}

std::vector<std::int64_t> AtomField::countsIn(std::span<const std::uint32_t> atoms, int state) const
{
    // Each atom adds one from the step it enters the state to the step it leaves: differences, summed.
    std::vector<std::int64_t> counts(static_cast<std::size_t>(m_steps) + 2, 0);
    for (const std::uint32_t atom : atoms) {
        if (atom >= static_cast<std::uint32_t>(m_atoms))
            continue;
        int now = initial(static_cast<int>(atom));
        counts[0] += now == state;
        auto change = [&](int step, int to) {
            counts[static_cast<std::size_t>(step)] += (to == state) - (now == state);
            now = to;
        };
        if (m_single) {
            if (m_step[atom] != kNever)
                change(m_step[atom], m_to);
        } else
            for (const Move& move : moves(static_cast<int>(atom)))
                change(move.step, move.to);
    }
    std::partial_sum(counts.begin(), counts.end(), counts.begin());
    counts.pop_back();
    return counts;
}

std::vector<std::int64_t> AtomField::decaysOf(std::span<const std::uint32_t> atoms) const
{
    std::vector<std::int64_t> decays(static_cast<std::size_t>(m_steps) + 1, 0);
    for (const std::uint32_t atom : atoms) {
        if (atom >= static_cast<std::uint32_t>(m_atoms))
            continue;
        if (m_single) {
            if (m_step[atom] != kNever)
                ++decays[m_step[atom]];
        } else
            for (const Move& move : moves(static_cast<int>(atom)))
                decays[move.step] += move.decays;
    }
    return decays;
}

std::size_t AtomField::bytes() const
{
    return m_initial.size() * sizeof(std::uint8_t) + m_step.size() * sizeof(std::uint16_t) +
           m_offsets.size() * sizeof(std::uint32_t) + m_moves.size() * sizeof(Move);
}

} // namespace decay
