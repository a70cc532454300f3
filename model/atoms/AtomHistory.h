#pragma once

#include "model/common/Message.h"
#include "model/common/Plot.h"

#include <cstdint>
#include <string>
#include <vector>

namespace decay {

struct RunState;
struct RunTexts;
struct Ensemble;
struct LabRun;

// Atoms that move from one state to another in step `step`, each after `decays` decays. The moves
// of a step take atoms that were in `from` at its start, except those marked `afterMoves` (a
// separation at the end of the step), which take from what the step's other moves left.
struct AtomFlow {
    int step = 0;
    int from = 0;
    int to = 0;
    int decays = 1;
    std::int64_t atoms = 0;
    bool afterMoves = false;
};

// The most atoms a view follows one by one (a square of 1000 x 1000 pixels), and the most steps
// (a step is stored in 16 bits).
inline constexpr int kMostFollowedAtoms = 1'000'000;
inline constexpr int kMostFollowedSteps = 65534;

// What a random run says about its atoms: how many are in each state at every step and how they
// moved. States are the members of the run (a single nuclide's "not yet decayed" and "decayed",
// a chain's members and where its atoms leave it).
struct AtomHistory {
    std::vector<Message> states; // names, for the legend
    std::vector<PlotColor> colors; // of every state
    int steps = 0;
    std::vector<std::int64_t> counts; // state after state, steps + 1 each
    std::vector<AtomFlow> flows;      // in the order of their steps
    std::vector<double> times;        // the chart's time of every step
    bool timeInSteps = true;          // else in `unitSymbol`
    std::string unitSymbol;
    // The state the texts and the patches follow: the first one with atoms at the start, which no
    // other state feeds, so that its atoms only ever leave it.
    int tracked = 0;
    double halfLife = 0; // of the tracked state, in the unit of `times`; 0 when it does not decay
    Message refusal;     // why there are no atoms to show; empty when there are

    int stateCount() const { return static_cast<int>(states.size()); }
    std::int64_t count(int state, int step) const
    {
        return counts[static_cast<std::size_t>(state) * static_cast<std::size_t>(steps + 1) + static_cast<std::size_t>(step)];
    }
    // Atoms in all at the start.
    std::int64_t atoms() const;
};

// The designed window's random run, made from `texts` (whose rate it reads as the run read it):
// steps 0..tmax.
AtomHistory atomsOfRun(const RunState& state, const RunTexts& texts);
// Run `run` (0-based) of a class experiment; none when cancelled or not yet made.
AtomHistory atomsOfExperiment(const Ensemble* ensemble, int run);
// A random run of the nuclide lab; none before the first run.
AtomHistory atomsOfLab(const LabRun* run);

} // namespace decay
