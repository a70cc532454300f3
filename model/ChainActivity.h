#pragma once

#include "Chain.h"
#include "ChainRuns.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// Activities A_i = lambda_i N_i in becquerel (lambda per second), in the same shape as the atoms.
ChainSeries activities(const Chain& chain, const ChainSeries& atoms);
// The sum over the members at every step.
std::vector<double> totalActivity(const ChainSeries& activity);
// A_daughter / A_parent of the link at every step; NaN where the parent has no activity.
std::vector<double> activityRatio(const ChainSeries& activity, const ChainLink& link);

enum class ActivityUnit { Bq, kBq, MBq, GBq, Ci, uCi, dpm };
inline constexpr std::array<ActivityUnit, 7> kActivityUnits{ActivityUnit::Bq, ActivityUnit::kBq, ActivityUnit::MBq,
                                                            ActivityUnit::GBq, ActivityUnit::Ci,  ActivityUnit::uCi,
                                                            ActivityUnit::dpm};
// Becquerel in one unit. The curie is 3.7e10 s^-1 exactly (12th CGPM, 1964, Resolution 7; the
// becquerel is the 15th CGPM's, 1975, Resolution 8); a dpm is one decay per minute, 1/60 Bq.
double becquerelPer(ActivityUnit unit);
std::string_view activityUnitName(ActivityUnit unit); // "Bq", ..., "µCi", "dpm" (UTF-8)

// How the activity of a daughter B settles against that of its parent A (half-lives T_A, T_B):
// secular when T_A >= kSecularRatio * T_B, where the transient ratio b T_A / (T_A - T_B) differs
// from b by at most 1/999, less than a chart can show; transient when T_A > T_B otherwise; none
// when the daughter lives at least as long as the parent, is stable, or the parent is.
enum class EquilibriumKind { Secular, Transient, None };
inline constexpr double kSecularRatio = 1000.0;

struct Equilibrium {
    EquilibriumKind kind = EquilibriumKind::None;
    double ratio = 0;     // A_B / A_A reached: b (secular), b T_A / (T_A - T_B) (transient); NaN for none
    double peakTime = 0;  // seconds, transient only: ln(lambda_B / lambda_A) / (lambda_B - lambda_A); NaN otherwise
};
// For the link `link` of the chain. The window puts it into words.
Equilibrium equilibrium(const Chain& chain, int link);

// A time in the largest unit it is at least 1 of (from s up to y).
TimeUnit fittingUnit(double seconds);

// Entries to start a chain with: a step about a tenth of the shorter half-life of the first member
// and its main daughter (the link with the largest fraction), in a fitting unit with two
// significant digits, and steps for ten half-lives of the daughter when it settles into an
// equilibrium, ten of the first member when the daughter lives longer, five of the first member
// when it has no radioactive daughter; at most kMostLabSteps.
struct RunDefaults {
    double step = 1; // in `unit`
    TimeUnit unit = TimeUnit::Second;
    int steps = 100;
};
RunDefaults runDefaults(const Chain& chain);

} // namespace decay
