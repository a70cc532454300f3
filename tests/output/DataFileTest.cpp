#include "output/DataFile.h"
#include "output/ExperimentFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

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
