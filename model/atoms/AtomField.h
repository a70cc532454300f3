#pragma once

#include "model/common/Message.h"

#include <cstdint>
#include <span>
#include <vector>

namespace decay {

struct AtomHistory;

// Every atom of a run in its state at every step, exactly as many in each state as the run has.
// Atoms are exchangeable: the run says how many move from one state to another in a step, and
// which of those present move is drawn uniformly (a partial Fisher-Yates shuffle of the state's
// atoms), which is the run's own law atom by atom. An atom keeps only the steps where it moves,
// so any step is found without replaying the run: 2 bytes an atom for a single nuclide (2 MB for
// a million); for a chain 4 bytes a move and 4 an atom, and 1 more an atom when the run starts
// with atoms of several members.
class AtomField {
public:
    AtomField() = default;
    // The atoms of `history`, drawn from `seed`; none (and `refusal` says why) when the history
    // has none or its counts and moves disagree.
    AtomField(const AtomHistory& history, std::uint64_t seed);

    int atoms() const { return m_atoms; }
    int steps() const { return m_steps; }
    const Message& refusal() const { return m_refusal; }

    // The state of `atom` at `step`.
    int stateAt(int atom, int step) const;
    // The state of every atom at `step`, into `states` (atoms() of them).
    void frame(int step, std::span<std::uint8_t> states) const;
    // How many of `atoms` are in `state` at every step 0..steps().
    std::vector<std::int64_t> countsIn(std::span<const std::uint32_t> atoms, int state) const;
    // The decays of `atoms` in every step 0..steps() (0 at step 0).
    std::vector<std::int64_t> decaysOf(std::span<const std::uint32_t> atoms) const;
    // The memory the atoms take.
    std::size_t bytes() const;

private:
    struct Move {
        std::uint16_t step;
        std::uint8_t to;
        std::uint8_t decays;
    };
    static constexpr std::uint16_t kNever = 0xFFFF;

    class Picker;
    bool build(const AtomHistory& history, std::uint64_t seed);
    bool buildSingle(const AtomHistory& history, Picker& picker);
    std::span<const Move> moves(int atom) const;
    int initial(int atom) const { return m_initial.empty() ? m_first : m_initial[static_cast<std::size_t>(atom)]; }

    int m_atoms = 0;
    int m_steps = 0;
    Message m_refusal;
    // Where the atoms start: all in m_first, or each in its own.
    int m_first = 0;
    std::vector<std::uint8_t> m_initial;
    // A single move of all from m_first to m_to, one decay: the step of each atom's (kNever: none).
    bool m_single = false;
    int m_to = 0;
    std::vector<std::uint16_t> m_step;
    // Otherwise every atom's moves, atom after atom in the order of their steps.
    std::vector<std::uint32_t> m_offsets;
    std::vector<Move> m_moves;
};

} // namespace decay
