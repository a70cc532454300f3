#include "model/counting/CountsImport.h"
#include "model/random/DecayDraws.h"
#include "output/CountsFile.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Two minutes counted in 30 s intervals, background 0.5 per second measured.
decay::FitData twoMinutes()
{
    return decay::countedData({{0, 30, 1234}, {30, 60, 987}, {60, 90, 15}, {90, 100, 0}}, {.counts = 300, .seconds = 600});
}

TEST(CountsFile, WritesTheHeaderAndOneLinePerInterval)
{
    EXPECT_EQ(decay::countsFileText(twoMinutes(), decay::TimeUnit::Minute),
              "\"t_start [min]\",\"t_end [min]\",\"counts\",\"background\"\r\n"
              "0,0.5,1234,15\r\n"
              "0.5,1,987,15\r\n"
              "1,1.5,15,15\r\n"
              "1.5,1.666666667,0,5\r\n");
}

// Microseconds of a two-hour recording, and none lost to rounding binary fractions.
TEST(CountsFile, WritesPulseTimes)
{
    EXPECT_EQ(decay::pulseTimesText({.times = {0.000123, 0.1, 7199.999999}}), "\"t [s]\"\r\n0.000123\r\n0.100000\r\n7199.999999\r\n");
}

// What the program writes, it reads back as the same intervals and background counts.
TEST(CountsFile, ReadsBackThroughTheImport)
{
    const decay::FitData written = twoMinutes();
    const auto read = decay::readCounts(decay::countsFileText(written, decay::TimeUnit::Second), ".");
    ASSERT_TRUE(read.counts) << read.error.text();
    EXPECT_EQ(read.counts->timeUnit, "s");
    ASSERT_EQ(read.counts->data.intervals.size(), written.intervals.size());
    for (std::size_t k = 0; k < written.intervals.size(); ++k) {
        EXPECT_EQ(read.counts->data.intervals[k].end, written.intervals[k].end);
        EXPECT_EQ(read.counts->data.intervals[k].counts, written.intervals[k].counts);
        EXPECT_EQ(read.counts->data.background(k), written.background(k));
    }
}

// Counts exported in minutes and imported again fit as the counter's own counts do with their
// background taken as known, which is what the file's background column says: the same half-life
// in the file's unit, and the same uncertainty, both methods.
TEST(CountsFile, ImportedCountsFitAsTheCountersOwn)
{
    decay::DecayDraws draws(4);
    decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity,
                         .times = decay::RunSetup{.initial = {}, .step = 20, .steps = 90, .milk = {}, .grid = {}}.times(),
                         .perStep = {}};
    for (double t = 0; run.perStep.size() < 90; t += 20)
        run.perStep.push_back(50 * std::exp2(-t / 600)); // T = 10 min
    decay::Counter counter(run, {.efficiency = 0.5, .background = 0.8, .stepsPerInterval = 3}, 9);
    counter.advanceToStep(counter.steps());
    decay::FitData own = decay::countedData(counter.intervals(), decay::measureBackground(draws, 0.8, 3600));
    own.backgroundCounts = 0;
    own.backgroundTime = 0; // known, as the file's column is
    const auto read = decay::readCounts(decay::countsFileText(own, decay::TimeUnit::Minute), ".");
    ASSERT_TRUE(read.counts) << read.error.text();
    for (auto fit : {decay::fitPoissonLikelihood, decay::fitWeightedLeastSquares}) {
        const decay::HalfLifeFit ownFit = fit(own), importedFit = fit(read.counts->data);
        ASSERT_TRUE(ownFit.fitted() && importedFit.fitted());
        // As far as the file's digits carry them.
        EXPECT_WITHIN(importedFit.halfLife * 60, ownFit.halfLife, relative(1e-6));
        EXPECT_WITHIN(importedFit.sigma * 60, ownFit.sigma, relative(1e-5));
    }
}

} // namespace
