#include "model/CountsImport.h"
#include "output/CountsFile.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(read.counts->data.exposure[k] * read.counts->data.backgroundRate, written.exposure[k] * written.backgroundRate);
    }
}

} // namespace
