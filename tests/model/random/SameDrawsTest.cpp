#include "model/nuclides/ChainRuns.h"
#include "model/random/CountDraws.h"
#include "model/random/DecayDraws.h"
#include "model/experiment/Ensemble.h"
#include "model/run/RunState.h"
#include "model/run/Runs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// A seed gives the same run on every platform and with every compiler: GCC with libstdc++,
// clang with libc++, MinGW-w64 for Windows and emscripten for the browser all build this test.
// The draws themselves DecayDrawsTest checks, with every toolchain and on every instruction set,
// against a scalar implementation of the documented generator. The known answers here were made
// once by the GCC build on x86-64; any standard library, compiler or vector unit that changes one
// rounding in the seeds of the class's runs or in the probabilities of the counting and chain runs
// changes these numbers.
namespace {

using decay::DecayDraws;

// The seeds of a class's runs, and the counts of the third run when two threads share the runs,
// whichever counting loop the whole program is told to use; a loop the processor lacks is refused.
TEST(SameDraws, EnsembleSeedsAndRuns)
{
    const std::array<std::uint64_t, 4> seeds{15824617304438902051ULL, 8699989649721214301ULL, 12310341597754734734ULL,
                                             7097835237234771186ULL};
    for (int run = 0; run < 4; ++run)
        EXPECT_EQ(decay::runSeed(2026, run), seeds[static_cast<std::size_t>(run)]) << run;

    const auto fastest = DecayDraws::preferred();
    for (auto isa : {DecayDraws::Isa::Generic, DecayDraws::Isa::Avx2, DecayDraws::Isa::Avx512}) {
        if (!DecayDraws::prefer(isa)) {
            EXPECT_FALSE(DecayDraws::supported(isa));
            continue;
        }
        EXPECT_EQ(DecayDraws::preferred(), isa);
        decay::ProgressCounter progress;
        const auto ensemble = decay::runEnsemble({.atoms = 100, .rate = 0.1, .lastStep = 20, .runs = 3, .seed = 2026}, progress, 2);
        ASSERT_TRUE(ensemble);
        const std::array<int, 6> everyFourthStep{100, 65, 38, 23, 15, 11};
        for (int k = 0; k <= 20; k += 4)
            EXPECT_EQ(ensemble->run(2)[static_cast<std::size_t>(k)], everyFourthStep[static_cast<std::size_t>(k / 4)])
                << static_cast<int>(isa) << " step " << k;
    }
    EXPECT_TRUE(DecayDraws::prefer(fastest));
}

// The main window's random run: the default entries (100 atoms, rate 0.1, 50 steps), and the most
// atoms at a rate of 0.5.
TEST(SameDraws, RandomRunsOfTheMainWindow)
{
    struct Case {
        decay::RunTexts texts;
        std::int16_t tmax;
        std::uint64_t seed;
        std::vector<double> first;
    };
    const Case cases[] = {
        {{"100", "0.1", ""}, 50, 2026, {100, 95, 84, 78, 70, 65, 62, 54, 47, 43, 41, 36, 33, 31, 24, 20, 18, 17, 15, 12, 10}},
        {{"32767", "0.5", ""}, 10, 7, {32767, 16338, 8207, 4102, 2036, 1024, 508, 235, 112, 46, 23, 9}},
    };
    auto state = std::make_unique<decay::RunState>();
    for (const auto& c : cases) {
        state->tmax = c.tmax;
        decay::runRandom(*state, c.texts, c.seed);
        for (std::size_t t = 0; t < c.first.size(); ++t)
            ASSERT_EQ(state->Nt[t], c.first[t]) << c.texts.N0 << " atoms, step " << t;
    }
}

// The counting lab's uniform and Poisson numbers, by inversion (means below 10) and by
// transformed rejection (from 10 on): their logarithms and exponentials must round alike.
TEST(SameDraws, CounterDraws)
{
    DecayDraws draws(11);
    EXPECT_EQ(decay::uniformDraw(draws), 0.20013433473650366);
    EXPECT_EQ(decay::uniformDraw(draws), 0.99177097517531365);
    const std::pair<double, std::int64_t> poisson[] = {{0.3, 1}, {4.3, 4}, {43.0, 42}, {570.0, 602}, {1e6, 999945}};
    for (const auto& [mean, count] : poisson)
        EXPECT_EQ(decay::poissonDraw(draws, mean), count) << mean;
}

// A chain's random run, A (43 s) -> B (570 s) -> C stable, in steps of 4.3 s: each step's
// probabilities come from exponentials of the rates.
TEST(SameDraws, ChainRandomRun)
{
    decay::Chain chain;
    chain.members = {{"A", "A", 43, 0}, {"B", "B", 570, 0}, {"C", "C", 0, 0}};
    chain.links = {{0, 1, 1, ""}, {1, 2, 1, ""}};
    const decay::RunSetup setup{.initial = {10000, 0, 0}, .step = 4.3, .steps = 30};
    DecayDraws draws(43);
    const auto run = decay::randomRun(chain, setup, draws);
    ASSERT_TRUE(run);
    const std::array<std::array<double, 7>, 3> everyFifthStep{{{10000, 7081, 5063, 3568, 2562, 1804, 1260},
                                                               {0, 2876, 4778, 6133, 6935, 7508, 7874},
                                                               {0, 43, 159, 299, 503, 688, 866}}};
    for (int member = 0; member < 3; ++member)
        for (int k = 0; k <= 30; k += 5)
            EXPECT_EQ(run->at(member, k), everyFifthStep[static_cast<std::size_t>(member)][static_cast<std::size_t>(k / 5)])
                << member << ' ' << k;
}

} // namespace
