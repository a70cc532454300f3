#include "model/common/Conversions.h"
#include "model/run/LnCounts.h"
#include "model/run/Runs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

TEST(DeterministicRun, FollowsTheExponentialLaw)
{
    auto s = freshState(0);
    const auto outcome = decay::runDeterministic(*s, {"100", "0.1", "50"});
    ASSERT_TRUE(outcome.ran);
    EXPECT_EQ(decay::numberText(s->Nt[1]), "90.4837418035959");
    EXPECT_EQ(decay::numberText(s->Nt[51]), "0.609674656551563");
    EXPECT_EQ(s->RunValid, "Yes");

    EXPECT_EQ(decay::runDeterministic(*s, {"10", "0.693147180559945", "4"}).box, "0.625000000000001");
    // e^(-0.5 t) underflows to 0 from step 1491 on: zeros are ordinary values.
    decay::runDeterministic(*s, {"100", "0.5", "3000"});
    EXPECT_GT(s->Nt[1490], 0);
    EXPECT_EQ(s->Nt[3001], 0);
    // A shorter run leaves the later entries of the longer one.
    decay::runDeterministic(*s, {"0", "0.2", "20"});
    EXPECT_EQ(s->Nt[1490], 100 * std::exp(-0.5 * 1490));
}

// A simulation time that was not confirmed is brought within what the series hold.
TEST(DeterministicRun, UnconfirmedTimeStaysWithinTheSeries)
{
    const std::pair<const char*, int> cases[] = {{"-5", 0}, {"2.5", 2}, {"12x", 12}, {"20000", 9999}, {"1e30", 9999}};
    for (const auto& [text, tmax] : cases) {
        auto s = freshState();
        EXPECT_EQ(decay::runDeterministic(*s, {"100", "0.1", text}).label.text(), "Number of atoms at t=" + std::to_string(tmax));
        EXPECT_EQ(s->tmax, tmax);
    }
}

TEST(Runs, UnreadableOrOverflowingParametersLeaveEverythingAsItWas)
{
    auto s = freshState();
    decay::runDeterministic(*s, {"100", "0.1", "50"});
    const RunState before = *s;
    for (const RunTexts& texts : {RunTexts{"100", "", "50"}, RunTexts{"1e400", "0.1", "50"},
                                  RunTexts{"100", "0.1", "1e400"}, RunTexts{"100", "-1", "3000"},
                                  RunTexts{"1e308", "-0.1", "50"}}) {
        EXPECT_FALSE(decay::runDeterministic(*s, texts).ran) << texts.N0 << ' ' << texts.rate;
    }
    for (const RunTexts& texts : {RunTexts{"100", ""}, RunTexts{"1e400", "0.1"}, RunTexts{"100", "1e39"}})
        EXPECT_FALSE(decay::runRandom(*s, texts, 1).ran) << texts.N0 << ' ' << texts.rate;
    for (int tmax : {-1, 10000}) {
        s->tmax = static_cast<std::int16_t>(tmax);
        EXPECT_FALSE(decay::runRandom(*s, {"100", "0.1", ""}, 1).ran);
    }
    s->tmax = before.tmax;
    EXPECT_TRUE(s->Nt == before.Nt && s->dNt == before.dNt && s->tzero == before.tzero && s->t == before.t
                && s->RunValid == before.RunValid && s->Extinct == before.Extinct);
}

TEST(RandomRun, RunsToTheCurrentTmaxWithWholeCounts)
{
    auto s = freshState(50);
    EXPECT_EQ(decay::runRandom(*s, {"100", "0.1", "20"}, 1).label.text(), "Number of atoms at t=50");
    for (int t = 0; t <= 51; ++t)
        ASSERT_EQ(s->Nt[t], std::floor(s->Nt[t])) << t;

    decay::runRandom(*s, {"100", "0", ""}, 7); // only a draw of exactly 0 would decay
    EXPECT_EQ(s->Nt[51], 100);
    EXPECT_EQ(s->Extinct, "No");
}

// Every atom gone in the first interval: rates of 1 or more, and no atoms to begin with.
TEST(RandomRun, ExtinctionAtStepOne)
{
    const std::pair<const char*, const char*> cases[] = {{"100", "1"}, {"100", "5"}, {"0", "0.1"}, {"-3", "0.1"}, {"-40000", "0.1"}};
    for (const auto& [N0, rate] : cases) {
        auto s = freshState(50);
        s->Nt.fill(9);
        EXPECT_EQ(decay::runRandom(*s, {N0, rate, ""}, 3).box, "0");
        EXPECT_EQ(s->Nt[0], *decay::lenientValue(N0));
        EXPECT_EQ(s->dNt[0], s->Nt[0]);
        EXPECT_TRUE(s->tzero == 1 && s->Extinct == "Yes" && s->dNt[51] == 0) << N0 << ' ' << rate;
    }
}

TEST(RandomRun, AtomCountsTheSixteenBitsCanHold)
{
    auto s = freshState(200);
    decay::runRandom(*s, {"1", "0.1", ""}, 11);
    const int k = s->tzero;
    EXPECT_EQ(s->Nt[k - 1], 1);
    EXPECT_EQ(s->dNt[k - 1], 1);
    EXPECT_EQ(s->Nt[k], 0);

    decay::runRandom(*s, {"12.5", "0.1", ""}, 5); // 12 atoms run, Nt(0) stays 12.5
    EXPECT_EQ(s->dNt[0], 12.5 - s->Nt[1]);
    EXPECT_LE(s->Nt[1], 12);

    decay::runRandom(*s, {"100000", "-1", ""}, 5); // no draw is below a negative rate
    EXPECT_EQ(s->Nt[0], 32767);
    EXPECT_EQ(s->Nt[201], 32767);
}

// The ln views end before the first count without a logarithm: 0, or what a damaged series may
// hold (negative, NaN); never beyond the series or the last step asked for.
TEST(LnCounts, LastLogStepEndsBeforeTheFirstCountWithoutALogarithm)
{
    struct Case {
        const char* name;
        double count; // at every step ...
        int at;       // ... but this one, -1 for none
        double there;
        int last;
        int expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"all above 0", 100, -1, 0, 50, 50},
        {"the least count above 0", 5e-324, -1, 0, 50, 50},
        {"extinct at step 7", 100, 7, 0, 50, 6},
        {"extinct after the last step", 100, 60, 0, 50, 50},
        {"extinct at the last step", 100, 50, 0, 50, 49},
        {"none at the start", 100, 0, 0, 50, -1},
        {"negative", 100, 3, -1, 50, 2},
        {"not a number", 100, 3, nan, 50, 2},
        {"the first step alone", 100, -1, 0, 0, 0},
        {"beyond the series", 100, -1, 0, decay::kSeriesSize + 5, decay::kSeriesSize - 1},
    };
    for (const Case& c : cases) {
        auto s = freshState();
        s->Nt.fill(c.count);
        if (c.at >= 0)
            s->Nt[static_cast<std::size_t>(c.at)] = c.there;
        EXPECT_EQ(decay::lastLogStep(*s, c.last), c.expected) << c.name;
    }
    auto s = freshState();
    s->Nt[0] = 100;
    EXPECT_EQ(decay::lnAtoms(*s, 0), std::log(100.0));
    EXPECT_EQ(decay::lnAtoms(*s, 1), std::nullopt);
}

} // namespace
