#include "model/Runs.h"
#include "output/DataFile.h"
#include "output/ExperimentFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

TEST(FileNumber, ReducesToFourDecimalsWithoutALeadingZero)
{
    const std::pair<double, const char*> cases[] = {
        {100, "100"}, {0, "0"}, {-3, "-3"}, {90.4837, "90.4837"}, {4.6, "4.6"}, {-2.0794, "-2.0794"},
        {0.6738, ".6738"}, {-0.3948, "-.3948"},
        {0.03125, ".0312"}, {0.09375, ".0938"}, // halves go to the even neighbour
        {0.5, ".5"}, {std::log(0.5), "-.6931"}, {0.00004, "0"}, {-0.00004, "0"},
        // beyond the 32-bit product the same rounding runs in double precision
        {300000.12345, "300000.1234"}, {-250000.5, "-250000.5"}, {1e300, "1E+300"},
        {std::numeric_limits<double>::infinity(), ""}, {std::numeric_limits<double>::quiet_NaN(), ""}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(decay::fileNumber(decay::reduceToFourDecimals(value)), text) << value;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line, the last one too, ends in CR LF";
    return result;
}

TEST(DataFile, DefaultRunMatchesTheExampleLineForLine)
{
    auto state = std::make_unique<decay::RunState>();
    decay::runDeterministic(*state, {"100", "0.1", "50"});
    const auto file = lines(decay::dataFileText(*state));
    ASSERT_EQ(file.size(), 52u);
    EXPECT_EQ(file[0], "\"T\",\"N(t)\",\"dN(t)\",\"lnN(t)\"");
    EXPECT_EQ(file[1], "0,100,9.5163,4.6052");
    EXPECT_EQ(file[2], "1,90.4837,8.6107,4.5052");
    EXPECT_EQ(file[3], "2,81.8731,7.7913,4.4052");
    EXPECT_EQ(file[50], "49,.7447,.0709,-.2948");
    EXPECT_EQ(file[51], "50,.6738,.0641,-.3948");
}

TEST(DataFile, CountsWithoutLogarithmLeaveTheLastFieldEmpty)
{
    auto state = std::make_unique<decay::RunState>();
    state->tmax = 50;
    decay::runRandom(*state, {"100", "1", ""}, 1);
    const auto file = lines(decay::dataFileText(*state));
    EXPECT_EQ(file[1], "0,100,100,4.6052");
    EXPECT_EQ(file[2], "1,0,0,");
    EXPECT_EQ(file[51], "50,0,0,");
}

// The runs file: every count as it is, mean, sigma and expectation with the data file's rounding.
TEST(ExperimentFile, OneLinePerStepWithEveryRun)
{
    decay::Ensemble e{.params = {.atoms = 10, .rate = 0.5, .lastStep = 2, .runs = 2}};
    e.counts = {10, 6, 1, 10, 3, 0};
    const auto text = decay::experimentFileText(e, decay::ensembleStats(e));
    EXPECT_EQ(text, "\"t\",\"run 1\",\"run 2\",\"mean\",\"sigma\",\"expectation\"\r\n"
                    "0,10,10,10,0,10\r\n"
                    "1,6,3,4.5,2.1213,5\r\n"      // q = 0.5 + 2^-24: 4.99999970 rounds to 5
                    "2,1,0,.5,.7071,2.5\r\n");
}

} // namespace
