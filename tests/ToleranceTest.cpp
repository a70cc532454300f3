#include "tests/Tolerance.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The helper every floating check goes through: a fault here would let every one of them pass.
TEST(Tolerance, HoldsExactlyItsBound)
{
    EXPECT_WITHIN(1.0 + 1e-6, 1.0, relative(1e-6));
    EXPECT_WITHIN(-100.0009, -100, relative(1e-5)); // of |expected|
    EXPECT_WITHIN(3e-7, 0, absolute(3e-7));
    EXPECT_WITHIN(0.9621, 0.962, roundedTo(1e-3));
    EXPECT_WITHIN(15.0, 10, sigmas(kFiveSigma, 1));
    EXPECT_WITHIN(1e-20, 0, relative(0.1, 1e-20)); // the floor where the fraction of 0 is none
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(1.0 + 3e-6, 1.0, relative(1e-6)), "3e-06 of the expected value");
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(1e-300, 0, relative(0.5)), "allowed 0");
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(15.1, 10, sigmas(kFiveSigma, 1)), "15.1");
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(std::nan(""), 1, relative(1e300)), "nan");
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_WITHIN(infinity, infinity, relative(0));
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(1, infinity, relative(1)), "inf");
    EXPECT_NONFATAL_FAILURE(EXPECT_WITHIN(-infinity, infinity, relative(1)), "inf");
}

} // namespace
