#include "model/Conversions.h"
#include "model/Runs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using decay::RunState;
using decay::RunTexts;

std::unique_ptr<RunState> freshState(int tmax = 50)
{
    auto state = std::make_unique<RunState>();
    state->tmax = static_cast<std::int16_t>(tmax);
    return state;
}

// dNt(t) = Nt(t) - Nt(t+1) for every step a reader looks at.
void expectConsistent(const RunState& s)
{
    for (int t = 0; t <= s.tmax; ++t)
        ASSERT_EQ(s.dNt[t], s.Nt[t] - s.Nt[t + 1]) << "t = " << t;
}

TEST(DeterministicRun, DefaultsGiveTheExponentialLaw)
{
    auto s = freshState(0);
    const auto outcome = decay::runDeterministic(*s, {"100", "0.1", "50"});
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(s->tmax, 50);
    EXPECT_EQ(decay::numberText(s->Nt[1]), "90.4837418035959");
    EXPECT_EQ(decay::numberText(s->Nt[50]), "0.673794699908547");
    EXPECT_EQ(decay::numberText(s->Nt[51]), "0.609674656551563");
    EXPECT_EQ(outcome.label, "Number of atoms at t=50");
    EXPECT_EQ(outcome.box, "0.673794699908547");
    EXPECT_TRUE(outcome.lnViewEnabled);
    EXPECT_FALSE(outcome.runEnabled);
    EXPECT_EQ(s->RunValid, "Yes");
    EXPECT_EQ(s->Extinct, "No");
    expectConsistent(*s);
}

TEST(DeterministicRun, CountsStayFractional)
{
    auto s = freshState();
    EXPECT_EQ(decay::runDeterministic(*s, {"10", "0.693147180559945", "4"}).box, "0.625000000000001");
    EXPECT_EQ(decay::runDeterministic(*s, {"12abc", "0.1", "0"}).box, "12");
}

TEST(DeterministicRun, ShorterRunLeavesLaterEntriesOfTheLongerOne)
{
    auto s = freshState();
    decay::runDeterministic(*s, {"100", "0.1", "100"});
    const double kept = s->Nt[60];
    decay::runDeterministic(*s, {"100", "0.2", "20"});
    EXPECT_EQ(s->tmax, 20);
    EXPECT_EQ(s->Nt[60], kept);
    expectConsistent(*s);
}

TEST(DeterministicRun, LongestConfirmedTimeFillsTheSeries)
{
    auto s = freshState();
    decay::runDeterministic(*s, {"100", "0.5", "3000"});
    EXPECT_EQ(s->tmax, 3000);
    // e^(-0.5 t) underflows to 0 from step 1491 on: zeros are ordinary values.
    EXPECT_GT(s->Nt[1490], 0);
    EXPECT_EQ(s->Nt[1491], 0);
    EXPECT_EQ(s->Nt[3001], 0);
    expectConsistent(*s);
}

struct TimeCase {
    const char* simulationTime;
    int tmax;
};

class UnconfirmedTime : public testing::TestWithParam<TimeCase> {};

TEST_P(UnconfirmedTime, IsKeptWithinTheSeries)
{
    auto s = freshState();
    const auto outcome = decay::runDeterministic(*s, {"100", "0.1", GetParam().simulationTime});
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(s->tmax, GetParam().tmax);
    EXPECT_EQ(outcome.label, "Number of atoms at t=" + std::to_string(GetParam().tmax));
    expectConsistent(*s);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnconfirmedTime,
    testing::Values(TimeCase{"-5", 0}, TimeCase{"0", 0}, TimeCase{"2.5", 2}, TimeCase{"12x", 12},
                    TimeCase{"20000", 9999}, TimeCase{"1e30", 9999}));

TEST(DeterministicRun, UnreadableOrOverflowingParametersLeaveEverythingAsItWas)
{
    auto s = freshState();
    decay::runDeterministic(*s, {"100", "0.1", "50"});
    const RunState before = *s;
    for (const RunTexts& texts : {RunTexts{"100", "", "50"}, RunTexts{"100", "abc", "50"},
                                  RunTexts{"1e400", "0.1", "50"}, RunTexts{"100", "0.1", "1e400"},
                                  RunTexts{"100", "-1", "3000"}, RunTexts{"1e308", "-0.1", "50"}}) {
        EXPECT_FALSE(decay::runDeterministic(*s, texts).ran) << texts.rate;
        EXPECT_EQ(s->Nt, before.Nt);
        EXPECT_EQ(s->tmax, before.tmax);
    }
}

TEST(DeterministicRun, ZeroAtomsRunWithoutFault)
{
    auto s = freshState();
    const auto outcome = decay::runDeterministic(*s, {"0", "0.1", "50"});
    EXPECT_EQ(outcome.box, "0");
    expectConsistent(*s);
}

TEST(RandomRun, UsesTheCurrentTmaxNotTheSimulationTimeText)
{
    auto s = freshState(50);
    const auto outcome = decay::runRandom(*s, {"100", "0.1", "20"}, 1);
    EXPECT_EQ(outcome.label, "Number of atoms at t=50");
    EXPECT_EQ(outcome.box, decay::numberText(s->Nt[50]));
    EXPECT_TRUE(outcome.runEnabled);
    EXPECT_TRUE(outcome.focusDecayedView);
    EXPECT_FALSE(outcome.lnViewEnabled);
    EXPECT_EQ(s->RunValid, "Yes");
    expectConsistent(*s);
}

TEST(RandomRun, RateZeroKeepsEveryAtom)
{
    auto s = freshState(50);
    decay::runRandom(*s, {"100", "0", ""}, 7);
    for (int t = 0; t <= 51; ++t)
        ASSERT_EQ(s->Nt[t], 100) << t;
    EXPECT_EQ(s->Extinct, "No");
}

TEST(RandomRun, RateOneOrMoreDecaysEveryAtomInTheFirstInterval)
{
    for (const char* rate : {"1", "5"}) {
        auto s = freshState(50);
        s->Nt.fill(9);
        const auto outcome = decay::runRandom(*s, {"100", rate, ""}, 3);
        EXPECT_EQ(s->Nt[1], 0);
        EXPECT_EQ(s->dNt[0], 100);
        EXPECT_EQ(s->tzero, 1);
        EXPECT_EQ(s->Extinct, "Yes");
        EXPECT_EQ(outcome.box, "0");
        EXPECT_EQ(s->Nt[51], 0);
        EXPECT_EQ(s->dNt[51], 0);
        expectConsistent(*s);
    }
}

TEST(RandomRun, ASingleAtomDecaysOnce)
{
    auto s = freshState(200);
    decay::runRandom(*s, {"1", "0.1", ""}, 11);
    ASSERT_EQ(s->Extinct, "Yes");
    const int k = s->tzero;
    for (int t = 0; t < k; ++t)
        EXPECT_EQ(s->Nt[t], 1);
    EXPECT_EQ(s->dNt[k - 1], 1);
    EXPECT_EQ(s->Nt[k], 0);
    expectConsistent(*s);
}

TEST(RandomRun, FractionalStartSimulatesTheWholeAtoms)
{
    auto s = freshState(50);
    decay::runRandom(*s, {"12.5", "0.1", ""}, 5);
    EXPECT_EQ(s->Nt[0], 12.5);
    EXPECT_LE(s->Nt[1], 12);
    EXPECT_EQ(s->dNt[0], 12.5 - s->Nt[1]);
}

TEST(RandomRun, AtomCountsBeyondSixteenBits)
{
    auto s = freshState(3);
    decay::runRandom(*s, {"100000", "0", ""}, 5);
    EXPECT_EQ(s->Nt[0], 32767);
    EXPECT_EQ(s->Nt[4], 32767);

    for (const char* N0 : {"0", "-3", "-40000"}) {
        decay::runRandom(*s, {N0, "0.1", ""}, 5);
        EXPECT_EQ(s->Nt[0], *decay::lenientValue(N0));
        EXPECT_EQ(s->dNt[0], s->Nt[0]);
        EXPECT_EQ(s->tzero, 1);
        EXPECT_EQ(s->Extinct, "Yes");
        expectConsistent(*s);
    }
}

TEST(RandomRun, RefusesWhatItCannotRun)
{
    for (int tmax : {-1, 10000, 32767}) {
        auto s = freshState(tmax);
        EXPECT_FALSE(decay::runRandom(*s, {"100", "0.1", ""}, 1).ran);
        EXPECT_EQ(s->RunValid, "");
    }
    auto s = freshState(50);
    EXPECT_FALSE(decay::runRandom(*s, {"100", "", ""}, 1).ran);
    EXPECT_FALSE(decay::runRandom(*s, {"1e400", "0.1", ""}, 1).ran);
    EXPECT_FALSE(decay::runRandom(*s, {"100", "1e39", ""}, 1).ran);
    EXPECT_EQ(s->Nt[0], 0);
}

TEST(RandomRun, SeedsGiveDifferentRuns)
{
    auto a = freshState(50);
    auto b = freshState(50);
    decay::runRandom(*a, {"1000", "0.1", ""}, 1);
    decay::runRandom(*b, {"1000", "0.1", ""}, 2);
    EXPECT_NE(a->Nt, b->Nt);
}

// Over many runs the mean count follows N0 (1-p)^t, the binomial law, and stays clearly away
// from the exponential law N0 e^(-p t). With 400 fixed seeds the standard error of the mean at
// step t is sqrt(N0 q^t (1 - q^t) / 400), q = 1 - p; the bound of 5 standard errors per step
// has a false-alarm chance below 1e-6 for honest draws.
TEST(RandomRun, MeanFollowsTheBinomialLaw)
{
    constexpr int kRuns = 400;
    constexpr double N0 = 1000;
    constexpr float p = 0.1f;
    constexpr int kSteps = 20;
    double sum[kSteps + 1] = {};
    auto s = freshState(kSteps);
    for (int run = 1; run <= kRuns; ++run) {
        decay::runRandom(*s, {"1000", "0.1", ""}, static_cast<std::uint64_t>(run));
        for (int t = 0; t <= kSteps; ++t)
            sum[t] += s->Nt[t];
    }
    const double q = 1.0 - static_cast<double>(p);
    for (int t = 1; t <= kSteps; ++t) {
        const double expected = N0 * std::pow(q, t);
        const double standardError = std::sqrt(N0 * std::pow(q, t) * (1 - std::pow(q, t)) / kRuns);
        const double mean = sum[t] / kRuns;
        EXPECT_LT(std::fabs(mean - expected), 5 * standardError) << "t = " << t;
        if (t >= 10) {
            EXPECT_GT(std::fabs(mean - N0 * std::exp(-static_cast<double>(p) * t)), 10 * standardError) << "t = " << t;
        }
    }
}

} // namespace
