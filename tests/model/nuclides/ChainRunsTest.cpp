#include "tests/model/nuclides/ShippedTable.h"
#include "model/nuclides/ChainActivity.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/ChainRuns.h"
#include "model/nuclides/TableChain.h"
#include "model/random/DecayDraws.h"
#include "model/random/StagedDraw.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <numbers>
#include <tuple>

namespace {

using decay::TimeUnit;

// A -> B (-> C) with the half-lives given in hours and every fraction 1.
decay::Chain hourChain(std::vector<std::string> halfLives)
{
    decay::CustomChainTexts texts;
    for (std::size_t i = 0; i < halfLives.size(); ++i) {
        texts.members.push_back({std::string(1, static_cast<char>('A' + i)), halfLives[i], TimeUnit::Hour});
        if (i > 0)
            texts.links.push_back({static_cast<int>(i - 1), static_cast<int>(i), "1"});
    }
    return *decay::readCustomChain(texts).chain;
}

decay::RunSetup setup(const decay::Chain& chain, double first, double step, int steps,
                      std::optional<decay::Milking> milk = std::nullopt)
{
    std::vector<double> initial(static_cast<std::size_t>(chain.size()), 0.0);
    initial[0] = first;
    return {initial, step, steps, milk};
}

// A_daughter / A_parent over the chain's link `link` at `step`.
double ratio(const decay::Chain& chain, const decay::ChainSeries& n, int link, int step)
{
    const decay::ChainLink& l = chain.links[static_cast<std::size_t>(link)];
    return decay::activityRatio(decay::activities(chain, n), l.daughter, l.parent)[static_cast<std::size_t>(step)];
}

// Mo-99 -> Tc-99m with the fraction set to 1: the Tc-99m activity peaks at
// ln(lambda_B / lambda_A) / (lambda_B - lambda_A) = 22.8 h (Bateman 1910; Krane, Introductory
// Nuclear Physics (1988), section 6.4). Pb-212 from pure Rn-220 through Po-216 has no closed
// form: its peak is where a long-double Bateman sum, searched here on its own, is highest. A
// maximum is flat: values equal to 1e-16 leave its place open by some sqrt(1e-16) = 1e-8 of itself.
TEST(ChainRuns, ActivityPeaksWhereTheBatemanSolutionIsHighest)
{
    const auto generator = hourChain({"65.932", "6.0066"});
    const TwoMembers mo;
    EXPECT_WITHIN(decay::activityPeak(generator, decay::pureStart(generator), 1), static_cast<double>(std::log(mo.b / mo.a) / (mo.b - mo.a)),
                  relative(4e-8));
    EXPECT_TRUE(std::isnan(decay::activityPeak(generator, decay::pureStart(generator), 0))); // only falls

    const auto thoron = tableChain("Rn-220");
    const auto rate = [&](std::size_t i) { return std::log(2.0L) / static_cast<long double>(thoron.members[i].halfLife); };
    const auto lead = [&](long double t) { // N_3(t) / N_1(0) of a three-member chain
        long double sum = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            long double term = std::exp(-rate(i) * t);
            for (std::size_t j = 0; j < 3; ++j)
                if (j != i)
                    term /= rate(j) - rate(i);
            sum += term;
        }
        return sum * rate(0) * rate(1);
    };
    long double lo = 1, hi = 1e6;
    for (int i = 0; i < 200; ++i) {
        const long double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        (lead(m1) < lead(m2) ? lo : hi) = lead(m1) < lead(m2) ? m1 : m2;
    }
    ASSERT_EQ(thoron.members[2].symbol, "Pb-212");
    EXPECT_WITHIN(decay::activityPeak(thoron, decay::pureStart(thoron), 2), static_cast<double>(lo), relative(1e-7));
}

// Equilibria of the whole chain, against the closed form b * lambda_d / (lambda_d - lambda_s)
// worked out by hand from the table's half-lives (NUBASE2020), and against the exact run's ratio
// late in a long run, to 0.1 %. Mo-99 -> Tc-99m (b = 0.875) settles at 0.9627; in the Rn-220
// chain Bi-212 and Tl-208 follow Pb-212 (10.64 h): 1.1049 over Pb-212, 0.3611 over Bi-212; in
// the Ra-226 chain every member from Rn-222 to Po-214 follows Ra-226 at 1.000. Secular means
// within 1 % of the branch fractions' product.
TEST(ChainActivity, EquilibriaOfTheWholeChain)
{
    const auto index = [](const decay::Chain& chain, const char* symbol) {
        const auto it = std::find_if(chain.members.begin(), chain.members.end(),
                                     [&](const decay::ChainMember& member) { return member.symbol == symbol; });
        return static_cast<int>(it - chain.members.begin());
    };
    struct Case {
        const char* first;
        const char* daughter;
        const char* over;
        decay::EquilibriumKind kind;
        double reference; // the published figure
        double place;     // of its last digit
        const char* setter;
        double lateTime;  // seconds, where the exact run has settled
    };
    using enum decay::EquilibriumKind;
    const Case cases[] = {
        {"Mo-99", "Tc-99m", "Mo-99", Transient, 0.9627, 1e-4, "Mo-99", 300 * 3600.0},
        {"Rn-220", "Bi-212", "Pb-212", Transient, 1.1049, 1e-4, "Pb-212", 4 * 86400.0},
        {"Rn-220", "Tl-208", "Bi-212", Secular, 0.3611, 1e-4, "Pb-212", 4 * 86400.0}, // 0.5 % above b = 0.3594
        // Bi-212: B- 64.06 %, of which the beta-delayed alphas (~0.014 %) pass Po-212 by.
        {"Rn-220", "Po-212", "Bi-212", Secular, 0.64046, 1e-5, "Pb-212", 4 * 86400.0},
        {"Ra-226", "Rn-222", "Ra-226", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Po-218", "Ra-226", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Pb-214", "Ra-226", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Bi-214", "Ra-226", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Bi-214", "Pb-214", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Pb-214", "Po-218", Secular, 0.9998, 1e-4, "Ra-226", 80 * 86400.0},
        {"Ra-226", "Po-214", "Ra-226", Secular, 1.000, 1e-3, "Ra-226", 80 * 86400.0},
    };
    for (const Case& c : cases) {
        const auto chain = tableChain(c.first);
        const int d = index(chain, c.daughter), u = index(chain, c.over);
        const auto eq = decay::equilibrium(chain, decay::pureStart(chain), d, u);
        EXPECT_EQ(eq.kind, c.kind) << c.daughter << '/' << c.over;
        EXPECT_EQ(chain.members[static_cast<std::size_t>(eq.setter)].symbol, c.setter) << c.daughter;
        EXPECT_WITHIN(eq.ratio, c.reference, roundedTo(c.place)) << c.daughter << '/' << c.over;
        const auto late = decay::exactRun(chain, setup(chain, 1e6, c.lateTime / 100, 100));
        const auto activity = decay::activities(chain, *late);
        EXPECT_WITHIN(activity.at(d, 100) / activity.at(u, 100), eq.ratio, relative(1e-3)) << c.daughter << '/' << c.over;
    }
    const auto thoron = tableChain("Rn-220");
    // None where the daughter outlives the members before it, where the setter lives after the
    // member compared with, and for a stable daughter.
    const auto none = [&](const decay::Chain& chain, const char* daughter, const char* over, const char* setter) {
        const auto eq = decay::equilibrium(chain, decay::pureStart(chain), index(chain, daughter), index(chain, over));
        EXPECT_EQ(eq.kind, None) << daughter << '/' << over;
        EXPECT_TRUE(std::isnan(eq.ratio));
        EXPECT_EQ(eq.setter < 0 ? std::string() : chain.members[static_cast<std::size_t>(eq.setter)].symbol, setter);
    };
    none(thoron, "Pb-212", "Rn-220", "Pb-212");
    none(thoron, "Bi-212", "Rn-220", "Pb-212");
    none(thoron, "Pb-208", "Tl-208", "");
    none(tableChain("Am-241"), "Np-237", "Am-241", "Np-237");
    // A custom start with atoms of the daughter only: nothing feeds it, the parent holds none.
    const auto generator = hourChain({"65.932", "6.0066"});
    EXPECT_EQ(decay::equilibrium(generator, std::vector<double>{0, 1}, 1, 0).kind, None);
}

// What the equilibrium sentence says of every pair of every listed chain holds: every member on
// the setter's way to the daughter lives shorter than the setter, and in a secular equilibrium
// every member after the one compared with lives at least a hundred times shorter.
TEST(ChainActivity, TheSetterOutlivesTheMembersNamed)
{
    for (const std::string& first : shipped().chainStarts) {
        const auto chain = tableChain(first.c_str());
        const auto halfLife = [&](int i) { return chain.members[static_cast<std::size_t>(i)].halfLife; };
        const auto follows = [&](int member, int over) {
            const auto up = decay::upstreamMembers(chain, member);
            return std::find(up.begin(), up.end(), over) != up.end();
        };
        for (int d = 1; d < chain.size(); ++d)
            for (int over : decay::upstreamMembers(chain, d)) {
                const auto eq = decay::equilibrium(chain, decay::pureStart(chain), d, over);
                if (eq.kind == decay::EquilibriumKind::None)
                    continue;
                for (int m = eq.setter + 1; m <= d; ++m) {
                    if ((m != d && !follows(d, m)) || !follows(m, eq.setter))
                        continue;
                    EXPECT_LT(halfLife(m), halfLife(eq.setter)) << first << ": " << m << " on the way to " << d;
                    if (eq.kind == decay::EquilibriumKind::Secular && follows(m, over)) {
                        EXPECT_LE(100 * halfLife(m), halfLife(eq.setter)) << first << ": " << m << " after " << over;
                    }
                }
            }
    }
}

// The longest chain's members never share a colour and a dash, and no member's is the black of
// the total and the levels.
TEST(LabPlot, MembersKeepDistinctStyles)
{
    std::set<std::tuple<int, int, int, std::vector<double>>> seen;
    for (int member = 0; member < decay::kMostChainMembers; ++member) {
        const decay::MemberStyle style = decay::memberStyle(member);
        EXPECT_TRUE(seen.emplace(style.color.red, style.color.green, style.color.blue, style.dash).second) << member;
        EXPECT_GT(style.color.red + style.color.green + style.color.blue, 0) << member;
    }
}

// A logarithmic axis spans at most 12 whole decades, from the decade at or above the largest value
// down, and says where it is cut: the U-238 series' late members start some 10^-160 Bq below the
// parent; I-131's own decay over five half-lives spans 1.5 decades and is not cut.
TEST(LabPlot, LogarithmicAxesReachTwelveDecadesDown)
{
    for (const auto& [first, cut] : {std::pair{"U-238", true}, std::pair{"I-131", false}}) {
        const auto chain = tableChain(first);
        const auto defaults = decay::runDefaults(chain);
        const auto run = decay::runLab(chain, *decay::readRunSetup(chain, decay::defaultEntries(chain, defaults)).setup,
                                       defaults.lastUnit, false, 1);
        const decay::Plot plot = decay::labPlot(&*run, {.kind = decay::LabView::Kind::Activity, .logY = true});
        double largest = 0;
        for (const auto& layer : plot.layers)
            for (const auto& line : layer.lines)
                for (double y : line.y)
                    largest = std::max(largest, std::isfinite(y) ? y : 0.0);
        EXPECT_DOUBLE_EQ(plot.yFloor, cut ? std::pow(10.0, std::ceil(std::log10(largest)) - 12) : 0.0) << first;
        EXPECT_EQ(plot.yTitle.pattern, cut ? "%1 (cut 12 decades below the top)" : "A(t) [%1]") << first;
    }
}

// What a table chain leaves out is said in one sentence whose counts add up to its notes, each note
// of one kind; U-238's are branches below the threshold among others, and a chain without notes has
// no sentence.
TEST(TableChain, NotesAreSummedUpInOneSentence)
{
    for (const std::string& first : shipped().chainStarts) {
        const decay::TableChain entry = decay::chainFromTable(shipped(), first, {});
        if (entry.notes.empty()) {
            EXPECT_TRUE(entry.summary.empty()) << first;
            continue;
        }
        double counted = 0;
        for (const decay::MessageValue& part : entry.summary.values)
            counted += *part.message->values[0].number;
        EXPECT_EQ(counted, static_cast<double>(entry.notes.size())) << first << ": " << entry.summary.text();
    }
    const decay::TableChain uranium = decay::chainFromTable(shipped(), "U-238", {});
    const auto below = std::count_if(uranium.notes.begin(), uranium.notes.end(),
                                     [](const decay::Message& note) { return note.text().find("below the branch threshold") != std::string::npos; });
    EXPECT_EQ(uranium.summary.values[0].message->text(), "branches below 0.0001 %: " + std::to_string(below));
    EXPECT_GT(below, 0);
}

// Pure Ra-226: after seven Rn-222 half-lives (26.75 d) A_Rn/A_Ra = 1 - 2^-7 = 0.992.
// Stiff U-238 (4.463 Gy) beside Pa-234m (1.159 min): after ten Th-234 half-lives
// A_Th/A_U = 1 - 2^-10, within 1e-3 of secular equilibrium.
TEST(ChainRuns, DaughtersReachSecularEquilibrium)
{
    const auto radium = tableChain("Ra-226");
    const double rn = radium.members[1].halfLife;
    EXPECT_WITHIN(ratio(radium, *decay::exactRun(radium, setup(radium, 1e6, rn / 10, 70)), 0, 70), 0.992, roundedTo(1e-3));

    const auto uranium = tableChain("U-238");
    const auto n = *decay::exactRun(uranium, setup(uranium, 1e6, uranium.members[1].halfLife / 10, 100));
    EXPECT_WITHIN(ratio(uranium, n, 0, 100), 1.0, relative(1e-3));
    EXPECT_WITHIN(ratio(uranium, n, 1, 100), 1.0, relative(1e-3));
    EXPECT_TRUE(std::all_of(n.values.begin(), n.values.end(), [](double v) { return v >= 0 && std::isfinite(v); }));
}

// No branch leaves these chains (the stiffest holds Po-212 at 294 ns beside Pb-212 at 10.6 h and
// joins two routes at Pb-208): the members add up to N0 at every step to 1e-12, and every member
// changes in a step by what its parents' decays bring less its own decays, to 1e-12 of N0 (the
// change is a difference of large numbers, near 0 where a member has settled).
TEST(ChainRuns, MembersAddUpToTheStartWhereNothingLeaves)
{
    for (const auto& [first, step] : {std::pair{"Cs-137", 30.0}, {"Sr-90", 3600.0}, {"Rn-220", 60.0}}) {
        const auto chain = tableChain(first);
        const auto n = *decay::exactRun(chain, setup(chain, 1e6, step, 10000));
        for (int k = 0; k <= n.steps; k += 1) {
            double sum = 0;
            for (int i = 0; i < n.members; ++i) {
                sum += n.at(i, k);
                if (k == 0)
                    continue;
                double change = -n.memberDecays(i)[static_cast<std::size_t>(k)];
                for (const decay::ChainLink& link : chain.links)
                    if (link.daughter == i)
                        change += link.fraction * n.memberDecays(link.parent)[static_cast<std::size_t>(k)];
                ASSERT_WITHIN(n.at(i, k) - n.at(i, k - 1), change, absolute(1e6 * kRoundingNoise)) << first << " member " << i << " step " << k;
            }
            ASSERT_WITHIN(sum, 1e6, relative(kRoundingNoise)) << first << " step " << k;
        }
    }
}

// Equal and close rates, where the textbook form divides by lambda_B - lambda_A: N_B = N0 lt e^-lt,
// N_C = N0 (lt)^2 / 2 e^-lt, and for close rates the difference form written
// with expm1 (T_B = 0.9999999 T_A), all to 1e-12 relative at every step (up to lambda t = 35).
TEST(ChainRuns, EqualAndCloseRatesStayAccurate)
{
    const double lambda = std::numbers::ln2 / 3600;
    const auto closeChain = hourChain({"1", "0.9999999"});
    const double close = closeChain.members[1].rate();
    struct Case {
        decay::Chain chain;
        int member;
        std::function<double(double)> expected;
    };
    const std::vector<Case> cases{
        {hourChain({"1", "1"}), 1, [&](double t) { return lambda * t * std::exp(-lambda * t); }},
        {hourChain({"1", "1", "1"}), 2, [&](double t) { return std::pow(lambda * t, 2) / 2 * std::exp(-lambda * t); }},
        {closeChain, 1,
         [&](double t) { return lambda * std::exp(-lambda * t) * -std::expm1(-(close - lambda) * t) / (close - lambda); }},
    };
    for (const Case& c : cases) {
        const auto n = *decay::exactRun(c.chain, setup(c.chain, 1.0, 180.0, 1000));
        for (int k = 1; k <= 1000; ++k)
            ASSERT_WITHIN(n.at(c.member, k), c.expected(k * 180.0), relative(kRoundingNoise)) << k;
    }
}

// Eluting the generator: Tc-99m drops to 0 and grows again as from a fresh start; Mo-99 goes on.
// The same propagator on the same numbers: only the restart's rounding, 1e-13, tells them apart.
TEST(ChainRuns, MilkingRestartsFromWhatIsLeft)
{
    const auto chain = tableChain("Mo-99");
    const auto plain = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480));
    const auto milked = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 1}));
    EXPECT_EQ(milked.at(1, 240), 0.0);
    decay::RunSetup after{{milked.at(0, 240), 0.0, milked.at(2, 240)}, 360.0, 240, {}};
    const auto fresh = *decay::exactRun(chain, after);
    for (int k = 0; k <= 240; ++k) {
        EXPECT_WITHIN(milked.at(0, 240 + k), plain.at(0, 240 + k), relative(1e-13));
        EXPECT_WITHIN(milked.at(1, 240 + k), fresh.at(1, k), relative(1e-13));
    }
    EXPECT_GT(milked.at(1, 480), 0.5 * plain.at(1, 480)); // regrown
    const auto parentMilked = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 0}));
    EXPECT_TRUE(std::isnan(ratio(chain, parentMilked, 0, 240)));
    EXPECT_FALSE(decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 4})));
    decay::DecayDraws draws(1);
    EXPECT_FALSE(decay::randomRun(chain, setup(chain, 1e6, 360.0, -1), draws));
}

// Mo-99 -> Tc-99m by the closed form of two members (Krane, eq. 6.16) in long double: the exact
// run agrees to 1e-12, and so do the decays of Mo-99 and Tc-99m in each of 100 intervals of
// 43 min from 4 h on with the form's integrals.
TEST(ChainRuns, ExactRunAndCountedDecaysMeetTheClosedFormOfTwoMembers)
{
    const auto chain = tableChain("Mo-99");
    const TwoMembers mo{chain.links[0].fraction}; // Mo-99 -> Tc-99m
    const auto exact = *decay::exactRun(chain, setup(chain, 1e6, 6 * 3600.0, 100));
    for (int k = 0; k <= 100; ++k)
        EXPECT_WITHIN(exact.at(1, k), static_cast<double>(1e6L * mo.daughter(k * 6 * 3600.0L)), relative(kRoundingNoise)) << k;

    const auto initial = setup(chain, 1e6, 0, 0).initial;
    const std::vector<bool> counted{true, true, false, false}; // Mo-99 and Tc-99m
    std::vector<double> boundaries;
    for (int k = 0; k <= 100; ++k)
        boundaries.push_back(4 * 3600.0 + k * 43 * 60.0);
    const std::vector<double> decays = decay::countedDecays(chain, initial, counted, boundaries);
    ASSERT_EQ(decays.size(), 100U);
    for (std::size_t k = 0; k < 100; ++k)
        EXPECT_WITHIN(decays[k], static_cast<double>(1e6L * mo.decays(boundaries[k], boundaries[k + 1])), relative(kRoundingNoise)) << k;
    EXPECT_TRUE(decay::countedDecays(chain, initial, counted, std::vector<double>{1.0}).empty());
}

// A random run is exact in distribution for any step: for a pure start of N0 atoms each atom is
// independently in member j at step k with the exact solution's probability p = E_j(k) / N0, and
// decays as member j in step k with probability D_j(k) / N0, so every count is binomial around the
// exact run. Checked at every member and step, on steps far longer than the short-lived members
// live (Tc-99m 6 h; Po-218 3.1 min, Pb-214 27 min, Bi-214 20 min, Po-214 164 us): no |z| over 5,
// and where the variance is below 1 (p near 0 or 1), no more than 10 away (a Poisson tail of 1e-7).
TEST(ChainRuns, RandomRunsAreBinomialAroundTheExactRun)
{
    struct Case {
        const char* first;
        double step; // seconds
        double atoms;
    };
    // A million atoms are followed one by one; 10^14 of Mo-99 (0.29 GBq) and 10^20 of Rn-222 go by
    // binomial draws of the numbers of atoms.
    const Case cases[] = {{"Mo-99", 6 * 3600.0, 1e6}, {"Mo-99", 60 * 3600.0, 1e6}, {"Rn-222", 3600.0, 1e6}, {"Rn-222", 9.2 * 3600.0, 1e6},
                          {"Mo-99", 6 * 3600.0, 1e14}, {"Rn-222", 3600.0, 1e20}};
    decay::DecayDraws draws(2027);
    for (const auto& [first, step, atoms] : cases) {
        const auto chain = tableChain(first);
        const auto run = setup(chain, atoms, step, 60);
        const auto exact = *decay::exactRun(chain, run);
        const auto random = *decay::randomRun(chain, run, draws);
        for (const auto& [expected, drawn] : {std::pair{&exact.values, &random.values}, std::pair{&exact.decays, &random.decays}})
            for (std::size_t i = 0; i < expected->size(); ++i) {
                const double p = std::clamp((*expected)[i] / atoms, 0.0, 1.0);
                const double variance = atoms * p * (1 - p);
                EXPECT_WITHIN((*drawn)[i], atoms * p, variance < 1 ? absolute(10) : sigmas(kFiveSigma, std::sqrt(variance)))
                    << first << " in steps of " << step << " s, " << atoms << " atoms, value " << i;
            }
    }
}

// The moves the random run records account for every member's change in every step (a milked
// member's loss too), and their decays for all the step's decays, in the thorium series, whose
// branches at Bi-212 meet again at Pb-208, in steps long enough for several decays in one.
TEST(ChainRuns, RandomRunFlowsAccountForEveryChange)
{
    const auto chain = tableChain("Th-228");
    auto run = setup(chain, 1e5, 3 * 3600.0, 40);
    run.milk = decay::Milking{20, 4};
    decay::DecayDraws draws(43);
    const auto random = *decay::randomRun(chain, run, draws);
    ASSERT_FALSE(random.flows.empty());
    const auto length = static_cast<std::size_t>(run.steps) + 1;
    std::vector<double> change(random.values.size(), 0.0), decays(length, 0.0);
    for (const auto& flow : random.flows) {
        change[static_cast<std::size_t>(flow.from) * length + static_cast<std::size_t>(flow.step)] -= flow.atoms;
        if (flow.to >= 0)
            change[static_cast<std::size_t>(flow.to) * length + static_cast<std::size_t>(flow.step)] += flow.atoms;
        decays[static_cast<std::size_t>(flow.step)] += flow.atoms * flow.decays;
    }
    for (int k = 1; k <= run.steps; ++k) {
        double all = 0;
        for (int i = 0; i < chain.size(); ++i) {
            EXPECT_EQ(random.at(i, k) - random.at(i, k - 1), change[static_cast<std::size_t>(i) * length + static_cast<std::size_t>(k)])
                << chain.members[static_cast<std::size_t>(i)].symbol << " at step " << k;
            all += random.memberDecays(i)[static_cast<std::size_t>(k)];
        }
        EXPECT_EQ(decays[static_cast<std::size_t>(k)], all) << "step " << k;
    }
}

// The stages meet p to 2^-24 of itself (of 1 - p above 1/2), even where one draw resolves nothing.
TEST(StagedDraw, HonoursSmallProbabilities)
{
    for (double p : {1e-310, 1e-12, 2.5e-8, 0.3, 0.5, 0.7, 0.999}) {
        const double exact = std::min(p, 1 - p), staged = decay::StagedDraw(p, 1 - p).probability();
        EXPECT_WITHIN(std::min(staged, 1 - staged), exact, relative(std::ldexp(1.0001, -24))) << p;
    }
    decay::DecayDraws draws(5);
    for (double p : {1e-4, 0.999}) { // about 1000 atoms counted either way; 5 sigma
        const auto passed = decay::StagedDraw(p, 1 - p).count(draws, 10'000'000);
        EXPECT_WITHIN(passed, p * 1e7, sigmas(kFiveSigma, std::sqrt(1e7 * p * (1 - p)))) << p;
    }
    EXPECT_EQ(decay::StagedDraw(0, 1).count(draws, 100), 0);
    EXPECT_EQ(decay::StagedDraw(1, 0).count(draws, 100), 100);
}

TEST(ChainRuns, CustomChainsRefuseWhatCannotRun)
{
    using M = decay::CustomMemberTexts;
    const M a{"A", "1", TimeUnit::Hour}, b{"B", "2", TimeUnit::Minute}, stable{"S", "", TimeUnit::Year};
    const char* const halfLife = "The half-life of A must be a number from 1e-09 s to 1e+20 y; leave it empty for a stable member.";
    const std::vector<std::pair<decay::CustomChainTexts, const char*>> refusals{
        {{{}, {}}, "A custom chain has 1 to 5 members."},
        {{{a, b, {"C", "1"}, {"D", "1"}, {"E", "1"}, {"F", "1"}}, {}}, "A custom chain has 1 to 5 members."},
        {{{{" ", "1"}}, {}}, "Member 1 needs a name of 1 to 24 characters."},
        {{{a, {"A", "3"}}, {}}, "Two members are called A."},
        {{{{"%1", "1"}, {"%1", "3"}}, {}}, "Two members are called %1."}, // a name is no place of the pattern
        {{{{"A", "-1"}}, {}}, halfLife},
        {{{{"A", "0"}}, {}}, halfLife},
        {{{{"A", "1e-320"}}, {}}, halfLife},
        {{{{"A", "1e400"}}, {}}, halfLife},
        {{{{"A", "5e13", TimeUnit::Year}}, {}}, nullptr}, // U-238 and beyond: accepted
        {{{{"A", "two"}}, {}}, halfLife},
        {{{a, b}, {{0, 0, "1"}}}, "Every link joins two different members of the chain."},
        {{{a, b}, {{0, 2, "1"}}}, "Every link joins two different members of the chain."},
        {{{stable, b}, {{0, 1, "1"}}}, "S is stable: it cannot decay to anything."},
        {{{a, b}, {{0, 1, "1.5"}}}, "The branch fraction from A to B must be a number from 0 to 1."},
        {{{a, b}, {{0, 1, "-0.1"}}}, "The branch fraction from A to B must be a number from 0 to 1."},
        {{{a, b, stable}, {{0, 1, "0.6"}, {0, 2, "0.5"}}}, "The branch fractions from A add up to more than 1."},
        {{{a, b}, {{0, 1, "0.5"}, {0, 1, "0.5"}}}, "The link from A to B is there twice."},
        {{{a, b, stable}, {{0, 1, "1"}, {1, 0, "0.5"}}},
         "The chain has a loop: a member would decay back into itself. Remove one of the links of the loop."},
    };
    for (const auto& [texts, error] : refusals)
        EXPECT_EQ(decay::readCustomChain(texts).error.text(), error ? error : "") << error;
    // Typed with the daughter first, the chain still runs parents first.
    const auto reversed = *decay::readCustomChain({{b, a}, {{1, 0, "0.5"}}}).chain;
    EXPECT_EQ(std::pair(reversed.members[0].symbol, reversed.links[0].daughter), std::pair(std::string("A"), 1));
}

TEST(ChainRuns, RunEntriesRefuseWhatCannotRun)
{
    const auto chain = tableChain("Mo-99");
    const std::vector<std::pair<decay::RunSetupTexts, const char*>> cases{
        {{{"-5"}, "1", TimeUnit::Hour, "10"}, "The initial number of atoms of Mo-99 must be a number from 0 to 1E+30."},
        {{{"0", ""}, "1", TimeUnit::Hour, "10"}, "At least one member needs atoms at the start."},
        {{{"1e3"}, "0", TimeUnit::Hour, "10"}, "The time step must be a number from 1 ns to 1E+12 y."},
        {{{"1e3"}, "1e-12", TimeUnit::Second, "10"}, "The time step must be a number from 1 ns to 1E+12 y."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10001"}, "The number of steps must be a whole number from 1 to 10000."},
        {{{"1e3"}, "1", TimeUnit::Hour, "2.5"}, "The number of steps must be a whole number from 1 to 10000."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10", "11", 1}, "The milking step must be a whole number from 1 to 10."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10", "5", 4}, "Choose the member to milk."},
    };
    for (const auto& [texts, error] : cases)
        EXPECT_EQ(decay::readRunSetup(chain, texts).error.text(), error);

    // Where one change of the entries takes the cause away, the refusal offers it, and the entries
    // so changed run: 10,001 hours in 10,000 steps of 1.1 h (9,092 of them, 10,001.2 h); a
    // logarithmic grid over the 16.499 decades from 1 us to 1000 y at 606 points a decade, which
    // make 0, 16.499 * 606 = 9,998.4 (so 9,999) points and the last: 10,000 steps.
    decay::RunSetupTexts many{{"1e3"}, "1", TimeUnit::Hour, "10001"};
    const auto longer = decay::readRunSetup(chain, many).error.remedy;
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->offer.text(), "Take 9092 steps of 1.1 h");
    many.step = "1.1";
    many.steps = "9092";
    EXPECT_TRUE(decay::readRunSetup(chain, many).setup);
    decay::RunSetupTexts dense{.initial = {"1e3"}, .steps = "1", .grid = decay::GridKind::Logarithmic, .first = "1e-6", .last = "1000",
                               .lastUnit = TimeUnit::Year, .perDecade = "1000"};
    const auto fewer = decay::readRunSetup(chain, dense).error.remedy;
    ASSERT_TRUE(fewer);
    EXPECT_EQ(fewer->offer.text(), "Take 606 points per decade");
    dense.perDecade = "606";
    EXPECT_TRUE(decay::readRunSetup(chain, dense).setup);
    dense.perDecade = "607";
    EXPECT_FALSE(decay::readRunSetup(chain, dense).setup);
    const auto ok = *decay::readRunSetup(chain, {{"1e6", "", "0"}, "1,5", TimeUnit::Minute, "10", "5", 1, ","}).setup;
    EXPECT_EQ(std::pair(ok.step, ok.milk->step), std::pair(90.0, 5));
    // Atoms typed are counts; grams and becquerel start the random run from the nearest whole atom.
    EXPECT_TRUE(decay::randomRunRefusal(ok).empty());
    EXPECT_TRUE(decay::randomRunRefusal({{1e6, 1e25}, 1, 1, {}}).empty());
    EXPECT_EQ(decay::randomRunRefusal({{1.5}, 1, 1, {}}).text(), "The random run follows whole atoms: give whole numbers of atoms.");
    EXPECT_TRUE(decay::randomRunRefusal({{1.5}, 1, 1, {}, {}, {false}}).empty());

    // A cancelled run returns nothing.
    decay::ProgressCounter progress;
    progress.cancel();
    decay::DecayDraws draws(1);
    EXPECT_FALSE(decay::exactRun(chain, setup(chain, 100, 60.0, 1000), &progress));
    EXPECT_FALSE(decay::randomRun(chain, setup(chain, 100, 60.0, 1000), draws, &progress));
}

// 1 g of Ra-226 is 3.66e10 Bq, the activity the curie was first named for, and 1 g of U-238 is
// 12.4 kBq (specific activities as tabulated, e.g. in IAEA, Radiation Protection and Safety of
// Radiation Sources: International Basic Safety Standards, GSR Part 3 (2014), and ANL's Human
// Health Fact Sheets); here through NUBASE2020's masses and half-lives and Avogadro's constant.
// A long-lived first member starts as a gram, a short-lived one as 10^6 atoms.
TEST(ChainRuns, AmountsInGramsAndBecquerel)
{
    const auto radium = tableChain("Ra-226"), uranium = tableChain("U-238");
    // Both figures have three digits.
    EXPECT_WITHIN(*decay::atomsOf(radium.members[0], 1, decay::AmountUnit::Grams) * radium.members[0].rate(), 3.66e10, relative(2e-3));
    EXPECT_WITHIN(*decay::atomsOf(uranium.members[0], 1, decay::AmountUnit::Grams) * uranium.members[0].rate(), 12.4e3, relative(5e-3));
    EXPECT_WITHIN(*decay::atomsOf(radium.members[0], 3.7e10, decay::AmountUnit::Becquerel) * radium.members[0].molarMass / decay::kAvogadro,
                  1.01, relative(0.0099)); // a curie of radium, about a gram
    // A default sample is a kilobecquerel, a million atoms where that is fewer (Rn-220, 55.6 s),
    // and weaker where its run would bring more than 10^17 counts at a tenth's efficiency: the
    // decays of the exact run tell (K-40 decays for 6.2 billion years; 920 Bq of U-238 feed 13
    // daughters over 2.5 My).
    EXPECT_EQ(std::pair(decay::runDefaults(tableChain("Mo-99")).amountUnit, decay::runDefaults(tableChain("Mo-99")).amount),
              std::pair(decay::AmountUnit::Becquerel, 1000.0));
    // Mo-99's beta decay feeds two daughters and is one way of decay.
    EXPECT_EQ(tableChain("Mo-99").modeTexts()[0], "\u03B2\u207B (\u0394Z = +1, \u0394A = 0)");
    EXPECT_EQ(std::pair(decay::runDefaults(tableChain("Rn-220")).amountUnit, decay::runDefaults(tableChain("Rn-220")).amount),
              std::pair(decay::AmountUnit::Atoms, 1e6));
    for (const char* first : {"U-238", "K-40"}) {
        const auto chain = tableChain(first);
        const auto defaults = decay::runDefaults(chain);
        const auto run = *decay::readRunSetup(chain, decay::defaultEntries(chain, defaults)).setup;
        const auto series = *decay::exactRun(chain, run);
        const double counts = 0.1 * std::accumulate(series.decays.begin(), series.decays.end(), 0.0);
        EXPECT_LT(defaults.amount, 1000) << first;
        EXPECT_WITHIN(counts, 0.75e17, absolute(0.25e17)) << first; // the bound, and within two digits of it
    }

    decay::RunSetupTexts texts{.initial = {"2"}, .step = "1", .unit = TimeUnit::Hour, .steps = "10", .amountUnits = {decay::AmountUnit::Grams}};
    const auto grams = decay::readRunSetup(radium, texts);
    ASSERT_TRUE(grams.setup);
    EXPECT_WITHIN(grams.setup->initial[0], 2 / 226.0254 * 6.02214076e23, relative(1e-7)); // a molar mass of seven digits
    const auto custom = hourChain({"1", ""});
    EXPECT_EQ(decay::readRunSetup(custom, texts).error.text(), "A has no molar mass here: give its amount in atoms.");
    texts.amountUnits = {decay::AmountUnit::Becquerel, decay::AmountUnit::Becquerel};
    texts.initial = {"1000", "5"};
    EXPECT_EQ(decay::readRunSetup(custom, texts).error.text(), "B is stable and has no activity: give its amount in atoms or grams.");
    texts.initial = {"1e40"};
    EXPECT_EQ(decay::readRunSetup(custom, texts).error.text(), "The initial amount of A is more than 1E+30 atoms.");
    texts.initial = {"-1"};
    EXPECT_EQ(decay::readRunSetup(custom, texts).error.text(), "The initial amount of A must be a number of at least 0.");
}

// Every chain of the lab's list, with every member given an amount in each unit that suits it
// (a stable member in grams where the others are in becquerel), runs exactly and at random from
// the atoms the units mean: becquerel through the table's half-life (N = A T / ln 2), grams
// through the mass number, which is the molar mass in g/mol to 0.6 % (H-3, 3.016 g/mol, is the
// farthest from it).
TEST(ChainRuns, EveryListedChainRunsInEveryUnit)
{
    decay::DecayDraws draws(41);
    for (const std::string& first : shipped().chainStarts) {
        const auto chain = tableChain(first.c_str());
        for (decay::AmountUnit unit : decay::kAmountUnits) {
            SCOPED_TRACE(first + " unit " + std::to_string(static_cast<int>(unit)));
            decay::RunSetupTexts texts = decay::defaultEntries(chain, decay::runDefaults(chain));
            for (std::size_t i = 0; i < chain.members.size(); ++i) {
                const auto suited = decay::amountUnitsOf(chain.members[i]);
                texts.amountUnits[i] = std::find(suited.begin(), suited.end(), unit) != suited.end() ? unit : suited.back();
                texts.initial[i] = texts.amountUnits[i] == decay::AmountUnit::Atoms ? "1000000"
                                   : texts.amountUnits[i] == decay::AmountUnit::Grams ? "1e-9" : "1000";
            }
            const auto entry = decay::readRunSetup(chain, texts);
            ASSERT_TRUE(entry.setup) << entry.error.text();
            for (std::size_t i = 0; i < chain.members.size(); ++i) {
                const decay::Nuclide& nuclide = *shipped().find(chain.members[i].symbol);
                const double atoms = entry.setup->initial[i];
                if (texts.amountUnits[i] == decay::AmountUnit::Becquerel)
                    EXPECT_WITHIN(atoms * std::numbers::ln2 / nuclide.halfLife, 1000, relative(1e-12)) << nuclide.symbol;
                else if (texts.amountUnits[i] == decay::AmountUnit::Grams)
                    EXPECT_WITHIN(atoms * nuclide.a / decay::kAvogadro, 1e-9, relative(6e-3)) << nuclide.symbol;
                else
                    EXPECT_EQ(atoms, 1e6);
            }
            EXPECT_TRUE(decay::randomRunRefusal(*entry.setup).empty());
            EXPECT_TRUE(decay::exactRun(chain, *entry.setup));
            EXPECT_TRUE(decay::randomRun(chain, *entry.setup, draws));
        }
    }
}

// Defaults from the whole chain: a tenth of the shortest half-life followed as the step, in two
// digits (Tc-99m 6.0066 h, Am-241 432.6 y, C-14 5700 y), on a uniform grid where that reaches the
// chain's decay and the first member's own, five half-lives (Mo-99 65.93 h, in hours: 329.7 h);
// Rn-220 reaches Pb-212's decay (days) and resolves Po-212 (294 ns) only on a logarithmic grid;
// U-238 likewise reaches U-234's equilibrium (10 half-lives, 2.5 My), but not its own decay, a
// thousand times longer; Ra-226's own (5 x 1600 y) is within reach of Pb-210's equilibrium (10 x
// 22.2 y).
TEST(ChainRuns, DefaultsReachTheWholeChain)
{
    const std::tuple<const char*, double, TimeUnit, int> cases[] = { // the first member, the step and the number of steps
        {"Mo-99", 0.6, TimeUnit::Hour, 549}, {"Am-241", 43, TimeUnit::Year, 101}, {"C-14", 570, TimeUnit::Year, 50}};
    for (const auto& [first, step, unit, steps] : cases) {
        const auto defaults = decay::runDefaults(tableChain(first));
        EXPECT_DOUBLE_EQ(defaults.step, step) << first;
        EXPECT_EQ(std::tuple(defaults.unit, defaults.steps, defaults.grid), std::tuple(unit, steps, decay::GridKind::Uniform)) << first;
    }
    const auto radium = decay::runDefaults(tableChain("Ra-226"));
    EXPECT_WITHIN(radium.last * decay::unitSeconds(radium.lastUnit), 5 * 1600 * decay::kSecondsPerYear, relative(0.01));
    EXPECT_EQ(decay::becquerelPer(decay::ActivityUnit::Ci), 3.7e10); // the curie's definition
    EXPECT_EQ(decay::becquerelPer(decay::ActivityUnit::uCi), 3.7e4);
    const auto thoron = decay::runDefaults(tableChain("Rn-220"));
    EXPECT_EQ(thoron.grid, decay::GridKind::Logarithmic);
    EXPECT_WITHIN(thoron.step * decay::unitSeconds(thoron.unit), 29e-9, roundedTo(1e-9)); // a tenth of 294 ns, in two digits
    EXPECT_WITHIN(thoron.last * decay::unitSeconds(thoron.lastUnit), 5 * 10.64 * 3600, relative(0.02));
    const auto uranium = decay::runDefaults(tableChain("U-238"));
    EXPECT_EQ(uranium.grid, decay::GridKind::Logarithmic);
    EXPECT_WITHIN(uranium.last * decay::unitSeconds(uranium.lastUnit), 10 * 2.455e5 * decay::kSecondsPerYear, relative(0.02));
}

// Any grid: the whole U-238 series from a second to 10^10 years, 10 points a decade. U-238 itself
// follows N0 e^(-lambda t) at every point; by 10^10 years every member has long joined the
// secular equilibrium, A_i = A_U times the branch fractions on its way (its equilibrium's limit).
// Mo-99 -> Tc-99m on a logarithmic grid meets the closed-form Bateman solution in long double to
// 1e-9, and its random run stays binomial around the exact one.
TEST(ChainRuns, LogarithmicGridsRunTheWholeSeries)
{
    const auto uranium = tableChain("U-238");
    decay::RunSetup setup{.initial = decay::pureStart(uranium), .step = 0, .steps = 0, .milk = {},
                          .grid = decay::logarithmicTimes(1, 1e10 * decay::kSecondsPerYear, 10)};
    setup.initial[0] = 2.53e21; // a gram
    setup.steps = static_cast<int>(setup.grid.size()) - 1;
    EXPECT_EQ(setup.steps, 176); // 17.5 decades
    EXPECT_EQ(setup.grid.back(), 1e10 * decay::kSecondsPerYear);
    const auto n = decay::exactRun(uranium, setup);
    ASSERT_TRUE(n);
    const long double rate = std::log(2.0L) / static_cast<long double>(uranium.members[0].halfLife);
    for (int k = 0; k <= setup.steps; ++k)
        EXPECT_WITHIN(n->at(0, k), static_cast<double>(2.53e21L * std::exp(-rate * setup.grid[static_cast<std::size_t>(k)])), relative(kRoundingNoise)) << k;
    const auto activity = decay::activities(uranium, *n);
    for (int i = 1; i < uranium.size(); ++i)
        if (const auto eq = decay::equilibrium(uranium, setup.initial, i, 0); eq.kind != decay::EquilibriumKind::None) {
            EXPECT_WITHIN(activity.at(i, setup.steps) / activity.at(0, setup.steps), eq.branches, relative(1e-3)) << uranium.members[static_cast<std::size_t>(i)].symbol;
        }

    const auto generator = hourChain({"65.932", "6.0066"});
    decay::RunSetup log{.initial = {1e6, 0}, .step = 0, .steps = 0, .milk = {}, .grid = decay::logarithmicTimes(0.1 * 3600, 570 * 3600, 7)};
    log.steps = static_cast<int>(log.grid.size()) - 1;
    const auto exact = decay::exactRun(generator, log);
    decay::DecayDraws draws(43);
    const auto drawn = decay::randomRun(generator, log, draws);
    ASSERT_TRUE(exact && drawn);
    for (int k = 0; k <= log.steps; ++k) {
        EXPECT_WITHIN(exact->at(1, k), static_cast<double>(1e6L * TwoMembers{}.daughter(log.grid[static_cast<std::size_t>(k)])), relative(1e-9)) << k;
        const double p = exact->at(1, k) / 1e6;
        // |z| < 5 at every one of the 42 points fails by chance with p < 3e-5.
        if (p > 0) {
            EXPECT_WITHIN(drawn->at(1, k), exact->at(1, k), sigmas(kFiveSigma, std::sqrt(1e6 * p * (1 - p)))) << k;
        }
    }
}

} // namespace
