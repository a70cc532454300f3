#pragma once

#include "Chain.h"
#include "ChainRuns.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// Activities A_i = lambda_i N_i in becquerel (lambda per second), in the same shape as the atoms.
ChainSeries activities(const Chain& chain, const ChainSeries& atoms);
// The sum over the members at every step.
std::vector<double> totalActivity(const ChainSeries& activity);
// A_daughter / A_over at every step; NaN where `over` has no activity.
std::vector<double> activityRatio(const ChainSeries& activity, int daughter, int over);

enum class ActivityUnit { Bq, kBq, MBq, GBq, Ci, uCi, dpm };
inline constexpr std::array<ActivityUnit, 7> kActivityUnits{ActivityUnit::Bq, ActivityUnit::kBq, ActivityUnit::MBq,
                                                            ActivityUnit::GBq, ActivityUnit::Ci,  ActivityUnit::uCi,
                                                            ActivityUnit::dpm};
// Becquerel in one unit. The curie is 3.7e10 s^-1 exactly (12th CGPM, 1964, Resolution 7; the
// becquerel is the 15th CGPM's, 1975, Resolution 8); a dpm is one decay per minute, 1/60 Bq.
double becquerelPer(ActivityUnit unit);
std::string_view activityUnitName(ActivityUnit unit); // "Bq", ..., "µCi", "dpm" (UTF-8)

// How the activity of a daughter settles against that of a member upstream of it. Late in a run
// every member decays with the slowest exponential among the members it descends from that hold
// atoms or are fed (its setter, "the parent whose exponential survives longest"), so
//   A_d / A_s -> sum over the routes s -> d of the product of b * lambda_j / (lambda_j - lambda_s)
// over the links of the route (b its fraction, j its daughter), and A_d / A_u is the quotient of
// those of d and u when the setter is upstream of u as well. Secular when that limit is within
// kSecularMargin of the product of the branch fractions from u to d (the setter lives far longer
// than everything after it), transient when it is larger; none when the daughter outlives the
// members before it or the setter is not upstream of u (the ratio keeps growing), and for a
// stable daughter.
enum class EquilibriumKind { Secular, Transient, None };
inline constexpr double kSecularMargin = 0.01;

struct Equilibrium {
    EquilibriumKind kind = EquilibriumKind::None;
    double ratio = 0;    // the limit of A_daughter / A_over; NaN for none
    double branches = 0; // the branch fractions from `over` to the daughter, multiplied along each route and summed
    int setter = -1;     // the member that sets the pace; -1 for a stable daughter
};
// For the daughter over a member upstream of it, for a run that starts with `initial` atoms.
Equilibrium equilibrium(const Chain& chain, std::span<const double> initial, int daughter, int over);
// The members the daughter descends from, in the chain's order.
std::vector<int> upstreamMembers(const Chain& chain, int daughter);
// The atoms of a pure start of the chain's first member, as the entries begin.
std::vector<double> pureStart(const Chain& chain);

// Entries to start a chain with, from the members that matter: the radioactive ones that at least
// kMattering of the first member's atoms reach, leaving out those that outlive it more than
// kLongestFollowed times and what they feed. The span reaches the equilibrium of every member that
// settles (ten of its half-lives) and the decay of a member that outlives the ones before it (five
// of its half-lives); with no member after the first, five half-lives of the first, and ten when
// its daughters live too long to follow. The first member's own decay, five of its half-lives,
// belongs to the story unless that takes more than kLongestFollowed times the daughters' span:
// then the run shows the equilibrium of a parent that hardly decays in it (a series' parent).
// The time unit is the smallest that holds the span within 1,000 of it, so that the times of a
// uniform grid read from 0.1 to 1,000 over most of it; the step is a tenth of the shortest
// half-life among the members, with two significant digits in that unit. When that takes more
// than kMostLabSteps steps, the grid is logarithmic from that step to the span, kDefaultPerDecade
// points a decade.
// The amount is a sample a school could count: kDefaultActivity of the first member, given in
// becquerel, whose counts at the counter's default efficiency (a tenth) stand 200 times above its
// default background (0.5 a second); a member so short-lived that this is fewer than
// kFewestDefaultAtoms atoms starts with that many atoms instead, so that its random run still
// follows its decay smoothly. A sample that would bring more than kMostDefaultCounts counts in the
// run at that efficiency (K-40 decays for 6 billion years) is made weaker to bring that many, a
// tenth of what a counter takes.
inline constexpr double kMattering = 0.01;
inline constexpr double kDefaultEfficiency = 0.1;
inline constexpr double kMostDefaultCounts = 1e17;
inline constexpr double kLongestFollowed = 1000;
inline constexpr int kDefaultPerDecade = 20;
inline constexpr double kDefaultActivity = 1000;   // Bq
inline constexpr double kFewestDefaultAtoms = 1e6;
struct RunDefaults {
    double step = 1; // in `unit`; for a logarithmic grid the first time
    TimeUnit unit = TimeUnit::Second;
    int steps = 100;  // uniform
    GridKind grid = GridKind::Uniform;
    double last = 0;  // logarithmic: the span, in `lastUnit`
    TimeUnit lastUnit = TimeUnit::Second;
    int perDecade = kDefaultPerDecade;
    double amount = kFewestDefaultAtoms;
    AmountUnit amountUnit = AmountUnit::Atoms;
    double atoms = kFewestDefaultAtoms; // of the first member, the amount's to the nearest whole atom
    bool daughters = false;             // members after the first that matter
};
RunDefaults runDefaults(const Chain& chain);
// The defaults on a uniform grid, for a counter that takes only steps of one length: a
// logarithmic grid's span in kUniformDefaultSteps steps (or about, the step in two digits).
inline constexpr int kUniformDefaultSteps = 1000;
struct UniformGrid {
    double step = 1;
    TimeUnit unit = TimeUnit::Second;
    int steps = 100;
};
UniformGrid uniformGrid(const RunDefaults& defaults);
// The defaults as the lab's entries take them, with "." for the decimal point: the step and the
// times to four significant digits (the last time of a uniform grid its end), the first member's
// amount to six and 0 of the others, no milking.
RunSetupTexts defaultEntries(const Chain& chain, const RunDefaults& defaults);

} // namespace decay
