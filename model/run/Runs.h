#pragma once

#include "model/common/Message.h"
#include "RunState.h"

#include <cstdint>
#include <string>

namespace decay {

// The parameter texts a run reads, as they stand in the entry fields.
struct RunTexts {
    std::string N0;             // initial number of atoms
    std::string rate;           // decay rate per interval
    std::string simulationTime; // last step; read by the deterministic run only
    std::string decimalPoint = "."; // the user's decimal point, for the rate text
};

// What the main window shows after a run. A run that cannot read its parameters (a rate text
// that is no number, a number beyond the double range) does not happen: `ran` is false and the
// run state is left exactly as it was.
struct RunOutcome {
    bool ran = false;
    Message label;            // "Number of atoms at t=" and tmax, written as the design writes it
    std::string box;          // Nt(tmax) as text
    bool lnViewEnabled = false;    // the ln buttons of both windows
    bool runEnabled = false;       // RUN after the atoms view has disabled it
    bool focusDecayedView = false; // "dN vs. t" takes the focus
};

// N(t) = N0 e^(-r t) for t = 0..tmax+1, with tmax loaded from the simulation time. A time
// outside what the series hold is brought to the nearest of 0 and 9999; a rate whose
// exponential would overflow within those steps leaves the run undone.
RunOutcome runDeterministic(RunState& state, const RunTexts& texts);

// One uniform draw per surviving atom per step, up to the current tmax, from draws seeded with
// `seed`. At most 32767 atoms: a larger initial number runs 32767 atoms and records Nt(0) as
// 32767. A tmax outside 0..9999 leaves the run undone.
RunOutcome runRandom(RunState& state, const RunTexts& texts, std::uint64_t seed);

class DecayDraws;

// Steps from + 1 .. to of a random decay: every atom of left[t - 1] gets one draw, those with a
// draw below `limit` (DecayDraws::drawLimit(p)) decay, and left[t] holds the rest. Stops at the
// step where the atoms run out, with left there 0; returns the last step simulated.
int decaySteps(DecayDraws& draws, std::uint32_t limit, int from, int to, std::int16_t* left);

} // namespace decay
