#include "model/counting/CountsImport.h"

#include <gtest/gtest.h>

namespace {

// Times and counts, a background column with a header that names the unit, and the program's own
// export with gaps between its intervals; the last interval of a file of times alone lasts as long
// as the one before it.
TEST(CountsImport, ReadsCountsFiles)
{
    const struct {
        const char* text;
        const char* decimalPoint;
        std::vector<double> ends;
        std::vector<std::int64_t> counts;
        std::vector<double> background;
        bool hasBackground;
        std::string unit;
    } cases[] = {
        {"0,120\n10,95\n30,60\n", ".", {10, 30, 50}, {120, 95, 60}, {0, 0, 0}, false, ""},
        {"t [min];counts;bg\r\n0;120;5,5\r\n1;95;5\r\n", ",", {1, 2}, {120, 95}, {5.5, 5}, true, "min"},
        {"\"t_start [s]\",\"t_end [s]\",\"counts\",\"background\"\r\n0,2,40,1\r\n4,6,30,1\r\n", ".", {2, 6}, {40, 30}, {1, 1}, true, "s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = decay::readCounts(c.text, c.decimalPoint);
        ASSERT_TRUE(read.counts) << read.error.text();
        std::vector<double> ends;
        std::vector<std::int64_t> counts;
        for (const auto& interval : read.counts->data.intervals) {
            ends.push_back(interval.end);
            counts.push_back(interval.counts);
        }
        EXPECT_EQ(ends, c.ends);
        EXPECT_EQ(counts, c.counts);
        EXPECT_EQ(read.counts->data.exposure, c.background);
        EXPECT_EQ(std::pair(read.counts->hasBackground, read.counts->timeUnit), std::pair(c.hasBackground, c.unit));
    }
}

TEST(CountsImport, EveryRefusalNamesTheLineAndTheFault)
{
    const std::pair<const char*, const char*> bad[] = {
        {"", "The file holds no counts."},
        {"t,counts\n0,5\n", "The file holds the counts of one interval only; a half-life needs two or more."},
        {"0\n1\n", "Line 1 has 1 field: each line needs a time and counts, then a background or the end of the interval and a background."},
        {"0,5\n1,4,1\n", "Line 2 has 3 fields, line 1 has 2 fields."},
        {"0,5\n1,4.5\n", "Line 2, field 2: the counts \"4.5\" are not a whole number."},
        {"0,5\n1,-4\n", "Line 2, field 2: \"-4\" is not a count from 0 to 1e+15."},
        {"0,5,1\n1,4,-1\n", "Line 2, field 3: \"-1\" is not a count from 0 to 1e+15."},
        {"0,5\n\n0,4\n", "Line 3: the time does not come after the time before it."},
        {"0,5\n1e16,4\n", "Line 2, field 1: the time \"1e16\" is not from -1e+15 to 1e+15."},
        {"0,2,5,0\n3,3,4,0\n", "Line 2: the interval does not end after it starts."},
        {"0,2,5,0\n1,3,4,0\n", "Line 2: the interval starts before the one before it ends."},
    };
    for (const auto& [text, error] : bad) {
        const auto read = decay::readCounts(text, ".");
        EXPECT_FALSE(read.counts) << text;
        EXPECT_EQ(read.error.text(), error) << text;
    }
}

} // namespace
