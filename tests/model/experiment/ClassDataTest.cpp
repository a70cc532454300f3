#include "model/experiment/ClassData.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Separators, headers, quotes, blank lines, a byte-order mark and decimal commas, each case
// with its groups, steps and every group's last count.
TEST(ClassData, ReadsWhatClassesWrite)
{
    const struct {
        const char* text;
        const char* decimalPoint;
        std::vector<std::string> groups;
        std::vector<double> steps;
        std::vector<double> lastCounts;
    } cases[] = {
        {"0,36,30\n1,30,26\n2,25,21\n", ".", {"Group 1", "Group 2"}, {0, 1, 2}, {25, 21}}, // commas without a header
        {"\xEF\xBB\xBFThrow;Anna;Ben\r\n0;36;30\r\n1;30;26\r\n", ",", {"Anna", "Ben"}, {0, 1}, {30, 26}},
        {"\"throw\"\t\"dice, red\"\n\n0\t20\n  \n1\t 17 \n", ".", {"dice, red"}, {0, 1}, {17}},
        {"t;mean\n0;36\n2;24,5\n", ",", {"mean"}, {0, 2}, {24.5}},
        {"0,10\n1,8", ".", {"Group 1"}, {0, 1}, {8}}, // no final line feed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = decay::readClassData(c.text, c.decimalPoint);
        ASSERT_TRUE(read.data) << read.error.text();
        EXPECT_EQ(read.data->groups, c.groups);
        EXPECT_EQ(read.data->steps, c.steps);
        std::vector<double> last;
        for (const auto& group : read.data->counts)
            last.push_back(group.back());
        EXPECT_EQ(last, c.lastCounts);
    }
}

TEST(ClassData, EveryRefusalNamesTheLineAndTheFault)
{
    const std::pair<const char*, const char*> bad[] = {
        {"", "The file holds no counts."},
        {"throw,count\n", "The file holds no counts."},
        {"0,36\n", "The file holds the counts of one step only; a decay needs two or more."},
        {"0\n1\n", "Line 1 has only one field: each line needs the step and at least one group's count."},
        {"t,a,b\n0,36,30\n1,30\n", "Line 3 has 2 fields, line 1 has 3 fields."},
        {"0,36\n1,3O\n", "Line 2, field 2: \"3O\" is not a number."},
        {"0,36\n1,\n", "Line 2, field 2 is empty."},
        {"0,36\n1,-2\n", "Line 2, field 2: \"-2\" is negative."},
        {"0,36\n0.5,30\n", "Line 2, field 1: the step \"0.5\" is not a whole number of throws."},
        {"0,36\n\n2,30\n1,25\n", "Line 4: the step \"1\" does not come after the step before it."},
        {"0,36\nthrow,30\n", "Line 2, field 1: \"throw\" is not a number."},
        {"0,\"36\n1,30\n", "Line 1 opens a quote that it does not close."},
        {"0;2,5\n1;1,5\n", "Line 1, field 2: \"2,5\" is not a number."}, // "," is no decimal point here
        {"0,1\n1,1e999\n", "Line 2, field 2: \"1e999\" is not a number."},
        {"0,1\n1,averyveryverylongwordindeed\n", "Line 2, field 2: \"averyveryverylongwor...\" is not a number."},
    };
    for (const auto& [text, error] : bad) {
        const auto read = decay::readClassData(text, ".");
        EXPECT_FALSE(read.data) << text;
        EXPECT_EQ(read.error.text(), error) << text;
    }
    EXPECT_EQ(decay::readClassData(std::string("0,1\n1\0,1\n", 9), ".").error.text(), "Line 2 holds a zero byte: this is no text file.");
    EXPECT_EQ(decay::readClassData(std::string(5 << 20, '1'), ".").error.text(), "The file is larger than 4 MB; a class's counts take far less.");
    std::string tooLong;
    for (int t = 0; t <= 10001; ++t)
        tooLong += std::to_string(t) + ",5\n";
    EXPECT_EQ(decay::readClassData(tooLong, ".").error.text(), "Line 10002 is one too many: at most 10001 lines of counts.");
}

// Dice that leave the game on a six: each throw removes 1/6 of them on average. Exact counts of
// N0 (5/6)^t give back p = 1/6 and the half-life ln 2 / ln(6/5) = 3.80, to what the counts' six
// decimals (std::to_string) leave of them.
TEST(ClassData, FitsTheDecayProbability)
{
    std::string text = "throw,group 1,group 2\n";
    for (int t = 0; t <= 10; ++t)
        text += std::to_string(t) + ',' + std::to_string(60 * std::pow(5.0 / 6, t)) + ',' + std::to_string(40 * std::pow(5.0 / 6, t)) + '\n';
    const auto data = decay::readClassData(text, ".").data;
    ASSERT_TRUE(data);
    const auto fit = decay::fitClassData(*data);
    ASSERT_TRUE(fit);
    EXPECT_WITHIN(fit->probability, 1.0 / 6, relative(6e-6));
    EXPECT_WITHIN(fit->halfLife, std::log(2) / std::log(1.2), relative(2.6e-5));
    EXPECT_WITHIN(fit->initial, 50, relative(2e-6));
    EXPECT_EQ(fit->points, 11);

    // Counts that do not fall, or only one step above 0, give no fit.
    EXPECT_FALSE(decay::fitClassData(*decay::readClassData("0,5\n1,5\n", ".").data));
    EXPECT_FALSE(decay::fitClassData(*decay::readClassData("0,5\n1,0\n2,0\n", ".").data));
}

} // namespace
