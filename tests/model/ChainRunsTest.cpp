#include "ShippedTable.h"
#include "model/ChainActivity.h"
#include "model/ChainRuns.h"
#include "model/DecayDraws.h"
#include "model/StagedDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using decay::TimeUnit;

decay::Chain tableChain(const char* first)
{
    static const decay::NuclideTable table = *shippedTable().table;
    return *decay::chainFromTable(table, first).chain;
}

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
    return decay::activityRatio(decay::activities(chain, n), chain.links[static_cast<std::size_t>(link)])[static_cast<std::size_t>(step)];
}

// Reference results (half-lives from NUBASE2020, data/nuclides.txt). Mo-99 -> Tc-99m with the
// fraction set to 1: A_Tc/A_Mo -> T_A / (T_A - T_B) = 1.100 and the Tc-99m activity peaks at
// ln(lambda_B / lambda_A) / (lambda_B - lambda_A) = 22.8 h (Bateman 1910; Krane, Introductory
// Nuclear Physics (1988), section 6.4). Computed: 1.10024, 22.84 h. The ratio's kind and value
// for a branch below 1 are in EquilibriumKindsAndDefaults.
TEST(ChainRuns, TechnetiumGeneratorSettlesAtTransientEquilibrium)
{
    const auto chain = hourChain({"65.932", "6.0066"});
    const auto equilibrium = decay::equilibrium(chain, 0);
    EXPECT_NEAR(equilibrium.peakTime / 3600, 22.8, 0.2);
}

// Pure Ra-226: after seven Rn-222 half-lives (26.75 d) A_Rn/A_Ra = 1 - 2^-7 = 0.992.
// Stiff U-238 (4.463 Gy) beside Pa-234m (1.159 min): after ten Th-234 half-lives
// A_Th/A_U = 1 - 2^-10, within 1e-3 of secular equilibrium.
TEST(ChainRuns, DaughtersReachSecularEquilibrium)
{
    const auto radium = tableChain("Ra-226");
    const double rn = radium.members[1].halfLife;
    EXPECT_NEAR(ratio(radium, *decay::exactRun(radium, setup(radium, 1e6, rn / 10, 70)), 0, 70), 0.992, 0.002);

    const auto uranium = tableChain("U-238");
    const auto n = *decay::exactRun(uranium, setup(uranium, 1e6, uranium.members[1].halfLife / 10, 100));
    EXPECT_NEAR(ratio(uranium, n, 0, 100), 1.0, 1e-3);
    EXPECT_NEAR(ratio(uranium, n, 1, 100), 1.0, 1e-3);
    EXPECT_TRUE(std::all_of(n.values.begin(), n.values.end(), [](double v) { return v >= 0 && std::isfinite(v); }));
}

// No branch leaves these chains (the stiffest holds Po-212 at 294 ns beside Pb-212 at 10.6 h and
// joins two routes at Pb-208): the members add up to N0 at every step to 1e-12, and every member
// changes in a step by what its parents' decays bring less its own decays.
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
                ASSERT_NEAR(n.at(i, k) - n.at(i, k - 1), change, 1e6 * 1e-12) << first << " member " << i << " step " << k;
            }
            ASSERT_NEAR(sum, 1e6, 1e6 * 1e-12) << first << " step " << k;
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
            ASSERT_NEAR(n.at(c.member, k), c.expected(k * 180.0), c.expected(k * 180.0) * 1e-12) << k;
    }
}

// Eluting the generator: Tc-99m drops to 0 and grows again as from a fresh start; Mo-99 goes on.
TEST(ChainRuns, MilkingRestartsFromWhatIsLeft)
{
    const auto chain = tableChain("Mo-99");
    const auto plain = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480));
    const auto milked = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 1}));
    EXPECT_EQ(milked.at(1, 240), 0.0);
    decay::RunSetup after{{milked.at(0, 240), 0.0, milked.at(2, 240)}, 360.0, 240, {}};
    const auto fresh = *decay::exactRun(chain, after);
    for (int k = 0; k <= 240; ++k) {
        EXPECT_NEAR(milked.at(0, 240 + k), plain.at(0, 240 + k), plain.at(0, 240 + k) * 1e-13);
        EXPECT_NEAR(milked.at(1, 240 + k), fresh.at(1, k), fresh.at(1, k) * 1e-13);
    }
    EXPECT_GT(milked.at(1, 480), 0.5 * plain.at(1, 480)); // regrown
    const auto parentMilked = *decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 0}));
    EXPECT_TRUE(std::isnan(ratio(chain, parentMilked, 0, 240)));
    EXPECT_FALSE(decay::exactRun(chain, setup(chain, 1e6, 360.0, 480, decay::Milking{240, 4})));
    decay::DecayDraws draws(1);
    EXPECT_FALSE(decay::randomRun(chain, setup(chain, 1e6, 360.0, -1), draws));
}

// Mo-99 -> Tc-99m by the closed form of Bateman's equations for two members (Bateman 1910; Krane,
// Introductory Nuclear Physics (1988), eq. 6.16), in long double: the exact run agrees to 1e-12.
TEST(ChainRuns, ExactRunMeetsTheClosedFormOfTwoMembers)
{
    const auto chain = tableChain("Mo-99");
    const auto exact = *decay::exactRun(chain, setup(chain, 1e6, 6 * 3600.0, 100));
    const long double la = std::numbers::ln2_v<long double> / (65.932L * 3600), lb = std::numbers::ln2_v<long double> / (6.0066L * 3600);
    const long double b = chain.links[0].fraction; // Mo-99 -> Tc-99m
    for (int k = 0; k <= 100; ++k) {
        const long double t = k * 6 * 3600.0L;
        const long double tc = 1e6L * b * la / (lb - la) * (std::exp(-la * t) - std::exp(-lb * t));
        EXPECT_NEAR(exact.at(1, k), static_cast<double>(tc), 1e-12 * static_cast<double>(tc) + 1e-300) << k;
    }
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
    };
    const Case cases[] = {{"Mo-99", 6 * 3600.0}, {"Mo-99", 60 * 3600.0}, {"Rn-222", 3600.0}, {"Rn-222", 9.2 * 3600.0}};
    decay::DecayDraws draws(2027);
    for (const Case& c : cases) {
        const auto chain = tableChain(c.first);
        const auto run = setup(chain, 1e6, c.step, 60);
        const auto exact = *decay::exactRun(chain, run);
        const auto random = *decay::randomRun(chain, run, draws);
        double worst = 0;
        for (const auto& [expected, drawn] : {std::pair{&exact.values, &random.values}, std::pair{&exact.decays, &random.decays}})
            for (std::size_t i = 0; i < expected->size(); ++i) {
                const double p = std::clamp((*expected)[i] / 1e6, 0.0, 1.0);
                const double variance = 1e6 * p * (1 - p);
                if (variance < 1) {
                    EXPECT_LE(std::fabs((*drawn)[i] - 1e6 * p), 10) << c.first << ' ' << c.step << ' ' << i;
                    continue;
                }
                worst = std::max(worst, std::fabs((*drawn)[i] - 1e6 * p) / std::sqrt(variance));
            }
        EXPECT_LT(worst, 5) << c.first << " in steps of " << c.step << " s";
    }
}

// The stages meet p to 2^-24 of itself (of 1 - p above 1/2), even where one draw resolves nothing.
TEST(StagedDraw, HonoursSmallProbabilities)
{
    for (double p : {1e-310, 1e-12, 2.5e-8, 0.3, 0.5, 0.7, 0.999}) {
        const double exact = std::min(p, 1 - p), staged = decay::StagedDraw(p, 1 - p).probability();
        EXPECT_NEAR(std::min(staged, 1 - staged), exact, exact * std::ldexp(1.0001, -24)) << p;
    }
    decay::DecayDraws draws(5);
    for (double p : {1e-4, 0.999}) { // about 1000 atoms counted either way; 5 sigma
        const auto passed = decay::StagedDraw(p, 1 - p).count(draws, 10'000'000);
        EXPECT_NEAR(passed, p * 1e7, 5 * std::sqrt(1e7 * p * (1 - p))) << p;
    }
    EXPECT_EQ(decay::StagedDraw(0, 1).count(draws, 100), 0);
    EXPECT_EQ(decay::StagedDraw(1, 0).count(draws, 100), 100);
}

TEST(ChainRuns, CancelledRunsReturnNothing)
{
    const auto chain = tableChain("Mo-99");
    decay::ProgressCounter progress;
    progress.cancel();
    decay::DecayDraws draws(1);
    const auto run = setup(chain, 100, 60.0, 1000);
    EXPECT_FALSE(decay::exactRun(chain, run, &progress));
    EXPECT_FALSE(decay::randomRun(chain, run, draws, &progress));
}

struct Refusal {
    decay::CustomChainTexts texts;
    const char* error;
};

TEST(ChainRuns, CustomChainsRefuseWhatCannotRun)
{
    using M = decay::CustomMemberTexts;
    const M a{"A", "1", TimeUnit::Hour}, b{"B", "2", TimeUnit::Minute}, stable{"S", "", TimeUnit::Year};
    const char* const halfLife = "The half-life of A must be a number from 1e-09 s to 1e+20 y; leave it empty for a stable member.";
    const std::vector<Refusal> refusals{
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
    for (const Refusal& refusal : refusals)
        EXPECT_EQ(decay::readCustomChain(refusal.texts).error.text(), refusal.error ? refusal.error : "") << refusal.error;
    // Typed with the daughter first, the chain still runs parents first.
    const auto reversed = *decay::readCustomChain({{b, a}, {{1, 0, "0.5"}}}).chain;
    EXPECT_EQ(reversed.members[0].symbol, "A");
    EXPECT_EQ(reversed.links[0].daughter, 1);
}

TEST(ChainRuns, RunEntriesRefuseWhatCannotRun)
{
    const auto chain = tableChain("Mo-99");
    struct Case {
        decay::RunSetupTexts texts;
        const char* error;
    };
    const std::vector<Case> cases{
        {{{"-5"}, "1", TimeUnit::Hour, "10"}, "The initial number of atoms of Mo-99 must be a number from 0 to 1E+30."},
        {{{"0", ""}, "1", TimeUnit::Hour, "10"}, "At least one member needs atoms at the start."},
        {{{"1e3"}, "0", TimeUnit::Hour, "10"}, "The time step must be a number from 1 ns to 1E+12 y."},
        {{{"1e3"}, "1e-12", TimeUnit::Second, "10"}, "The time step must be a number from 1 ns to 1E+12 y."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10001"}, "The number of steps must be a whole number from 1 to 10000."},
        {{{"1e3"}, "1", TimeUnit::Hour, "2.5"}, "The number of steps must be a whole number from 1 to 10000."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10", "11", 1}, "The milking step must be a whole number from 1 to 10."},
        {{{"1e3"}, "1", TimeUnit::Hour, "10", "5", 4}, "Choose the member to milk."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decay::readRunSetup(chain, c.texts).error.text(), c.error);
    const auto ok = *decay::readRunSetup(chain, {{"1e6", "", "0"}, "1,5", TimeUnit::Minute, "10", "5", 1, ","}).setup;
    EXPECT_EQ(ok.step, 90.0);
    EXPECT_EQ(ok.milk->step, 5);
    const char* const tooMany = "The random run follows whole atoms, at most 1000000 in all.";
    EXPECT_TRUE(decay::randomRunRefusal(ok).empty());
    EXPECT_EQ(decay::randomRunRefusal({{1e6, 1}, 1, 1, {}}).text(), tooMany);
    EXPECT_EQ(decay::randomRunRefusal({{1.5}, 1, 1, {}}).text(), tooMany);
}

TEST(ChainActivity, EquilibriumKindsAndDefaults)
{
    struct Case {
        const char* first;
        decay::EquilibriumKind kind;
        double ratio;
        decay::RunDefaults defaults;
    };
    const double none = std::nan("");
    const std::vector<Case> cases{
        // NUBASE2020: Ra-226 A=100 beside 14C=2.6e-9 %, which leaves the chain.
        {"Ra-226", decay::EquilibriumKind::Secular, 1 - 2.6e-11, {9.2, TimeUnit::Hour, 100}},
        {"Mo-99", decay::EquilibriumKind::Transient, 0.875 * 65.932 / (65.932 - 6.0066), {36, TimeUnit::Minute, 100}},
        {"Am-241", decay::EquilibriumKind::None, none, {43, TimeUnit::Year, 101}},
        {"C-14", decay::EquilibriumKind::None, none, {570, TimeUnit::Year, 50}},
    };
    for (const Case& c : cases) {
        const auto chain = tableChain(c.first);
        const auto equilibrium = decay::equilibrium(chain, 0);
        EXPECT_EQ(equilibrium.kind, c.kind) << c.first;
        if (!std::isnan(c.ratio)) {
            EXPECT_DOUBLE_EQ(equilibrium.ratio, c.ratio) << c.first;
        }
        const auto defaults = decay::runDefaults(chain);
        EXPECT_DOUBLE_EQ(defaults.step, c.defaults.step) << c.first;
        EXPECT_EQ(defaults.unit, c.defaults.unit) << c.first;
        EXPECT_EQ(defaults.steps, c.defaults.steps) << c.first;
    }
    EXPECT_EQ(decay::becquerelPer(decay::ActivityUnit::Ci), 3.7e10); // the curie's definition
    EXPECT_EQ(decay::becquerelPer(decay::ActivityUnit::uCi), 3.7e4);
}

} // namespace
