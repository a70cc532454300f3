#pragma once

#include "Chain.h"
#include "model/common/Message.h"
#include "model/common/Progress.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace decay {

class DecayDraws;

inline constexpr int kMostLabSteps = 10000;
inline constexpr double kMostLabAtoms = 1e30;           // of every member, for the exact runs
// Time steps the runs accept, in seconds: 1 ns to 10^12 years.
inline constexpr double kShortestLabStep = 1e-9;
inline constexpr double kLongestLabStep = 1e12 * kSecondsPerYear;

// At the end of step `step` every atom of `member` is taken away (a generator eluted, a chemical
// separation); the series show the member at 0 there, and the run goes on from what is left.
struct Milking {
    int step = 1;
    int member = 0;
};

struct RunSetup {
    std::vector<double> initial; // atoms of every member at t = 0
    double step = 1;             // the time step in seconds, of a uniform grid
    int steps = 100;             // 1..kMostLabSteps
    std::optional<Milking> milk;
    // Any other grid: the times t_0 = 0 < t_1 < ... < t_steps in seconds; empty for t_k = k * step.
    std::vector<double> grid;
    // Per member, whether its amount was typed in atoms (a member without an entry here was): those
    // are counts, which the random run takes as they are. Grams and becquerel give atoms that are seldom whole, and the random run
    // starts from the nearest whole number.
    std::vector<bool> countedAtoms;

    // The run's times in seconds, one per step boundary; a uniform grid's each a product k * step.
    std::vector<double> times() const;
};

// A grid of times, uniform (a step and a number of steps) or logarithmic: 0, then from a first
// time to the last with the same number of points in every decade.
enum class GridKind { Uniform, Logarithmic };
inline constexpr std::array<GridKind, 2> kGridKinds{GridKind::Uniform, GridKind::Logarithmic};
inline constexpr int kMostPointsPerDecade = 1000;
// 0, then t_j = first * 10^(j / perDecade) for j = 0, 1, ... below `last`, and `last`; each a power,
// not a running product.
std::vector<double> logarithmicTimes(double first, double last, int perDecade);

// How an initial amount is given: in atoms, in grams through the molar mass, or in becquerel
// through the decay constant (A = lambda N).
enum class AmountUnit { Atoms, Grams, Becquerel };
inline constexpr std::array<AmountUnit, 3> kAmountUnits{AmountUnit::Atoms, AmountUnit::Grams, AmountUnit::Becquerel};
// The Avogadro constant in mol^-1, exact since the SI of 2019 (26th CGPM, 2018, Resolution 1).
inline constexpr double kAvogadro = 6.02214076e23;
// The atoms of `member` in `amount` of the unit; empty for grams of a member without a molar mass
// and becquerel of a stable one.
std::optional<double> atomsOf(const ChainMember& member, double amount, AmountUnit unit);
// The units an amount of `member` can be given in: atoms always, grams where it has a molar mass,
// becquerel where it decays.
std::vector<AmountUnit> amountUnitsOf(const ChainMember& member);

// The run entries of the lab: the initial amount of every member (empty means 0) in its own unit, the
// grid (a step in a unit and the number of steps, or a first and a last time in their units and
// the points per decade), and an optional milking step (empty for none) with its member.
struct RunSetupTexts {
    std::vector<std::string> initial;
    std::string step; // of a uniform grid
    TimeUnit unit = TimeUnit::Second;
    std::string steps;
    std::string milkStep;
    int milkMember = 0;
    std::string decimalPoint = ".";
    std::vector<AmountUnit> amountUnits; // in the order of `initial`; a member without one counts atoms
    GridKind grid = GridKind::Uniform;
    std::string first; // of a logarithmic grid
    TimeUnit firstUnit = TimeUnit::Second;
    std::string last;
    TimeUnit lastUnit = TimeUnit::Second;
    std::string perDecade;
};
struct RunSetupEntry {
    std::optional<RunSetup> setup;
    Message error;
};
RunSetupEntry readRunSetup(const Chain& chain, const RunSetupTexts& texts);

// Why the random run cannot follow these atoms (numbers of atoms typed must be whole); empty when
// it can. It follows any number of them: atoms one by one up to a million or so, and beyond that
// the numbers of atoms by binomial draws, which are the same in distribution.
Message randomRunRefusal(const RunSetup& setup);

// Atoms of a random run that end step `step` elsewhere than they began it: `atoms` that were
// `from` at its start and are `to` at its end, each after `decays` decays on the way (several
// when a step spans more than one decay). `to` is a member, kLeftChain for a decay out of the
// chain, or kTakenAway for the atoms a milking takes at the end of the step, after the decays.
struct ChainFlow {
    static constexpr int kLeftChain = -1;
    static constexpr int kTakenAway = -2;
    int step = 0;
    int from = 0;
    int to = 0;
    int decays = 0;
    double atoms = 0;
};

// A number for every member at every step 0..steps, and the decays of every member in every step.
struct ChainSeries {
    int members = 0;
    int steps = 0;
    std::vector<double> values; // member after member
    std::vector<double> decays; // the same shape: at k the decays from t_(k-1) to t_k, 0 at k = 0
    // The random run's moves, step after step, so that the atoms can be followed one by one:
    // every member's change in a step is what flows in less what flows out. Empty for the exact run.
    std::vector<ChainFlow> flows;

    std::span<const double> member(int i) const { return slice(values, i); }
    std::span<const double> memberDecays(int i) const { return slice(decays, i); }
    double at(int i, int step) const { return member(i)[static_cast<std::size_t>(step)]; }

private:
    std::span<const double> slice(const std::vector<double>& all, int i) const
    {
        const auto length = static_cast<std::size_t>(steps) + 1;
        return std::span(all).subspan(static_cast<std::size_t>(i) * length, length);
    }
};

// All three runs report their steps to `progress` and return empty when it cancels them, or when
// the setup is not one readRunSetup could have made.

// The continuous solution N(t_k) at the grid's times: the exponential of the chain's rate matrix
// (Bateman's equations with branch fractions), computed without cancellation; see Propagator.h.
// Its decays are the expected ones of each step, from the state at its start.
std::optional<ChainSeries> exactRun(const Chain& chain, const RunSetup& setup, Progress* progress = nullptr);

// The decays of the members marked in `counted` in each interval between rising `boundaries`
// (seconds), from the exact solution for the atoms `initial` at time 0 (so boundaries.size() - 1
// values). Intervals of one width, to 10^-12 of it, share one step's matrix; with their starts
// the counter's, the error that brings is far below a count's worth.
std::vector<double> countedDecays(const Chain& chain, std::span<const double> initial, const std::vector<bool>& counted,
                                  std::span<const double> boundaries);

// When the activity of `member` peaks in the exact solution from `initial` atoms (seconds); NaN when
// it has no peak (it only falls, or still rises a hundred of the longest half-lives on).
double activityPeak(const Chain& chain, std::span<const double> initial, int member);

// Every atom present at the start of a step ends it where the exact solution of that step puts
// it: still itself, any member it reaches through one or more decays (by a route drawn with the
// branch fractions), or out of the chain; its decays on the way are the step's decays, so the
// run is exact in distribution for any step. Needs randomRunRefusal(setup) empty, else returns
// empty.
std::optional<ChainSeries> randomRun(const Chain& chain, const RunSetup& setup, DecayDraws& draws,
                                     Progress* progress = nullptr);

} // namespace decay
