#include "model/common/ChiSquare.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Critical values of the chi-square distribution (NIST/SEMATECH e-Handbook of Statistical
// Methods, section 1.3.6.7.4, upper-tail table), given there to three decimals, so p agrees to
// about 1e-4 of itself; 2e-3 of p, or 2e-5 where p is small, leaves room for the rounding of
// both columns.
TEST(ChiSquare, PublishedCriticalValues)
{
    const struct {
        double chiSquare;
        int nu;
        double p;
    } table[] = {
        {3.841, 1, 0.05},   {6.635, 1, 0.01},    {18.307, 10, 0.05}, {23.209, 10, 0.01},
        {124.342, 100, 0.05}, {135.807, 100, 0.01}, {0.004, 1, 0.95},  {3.940, 10, 0.95},
        {77.929, 100, 0.95},
    };
    for (const auto& row : table)
        EXPECT_WITHIN(decay::chiSquarePValue(row.chiSquare, row.nu), row.p, relative(2e-3, 2e-5)) << row.chiSquare << " " << row.nu;
}

// Closed forms: Q(1, x) = e^-x; Q(1/2, x) = erfc(sqrt x); Q(n, x) = e^-x sum x^k / k!, k < n. The
// series and continued fraction keep about 14 digits; erfc and the partial sum lose one more.
TEST(ChiSquare, ClosedForms)
{
    for (double x : {1e-8, 0.1, 0.7, 1.9, 2.1, 10.0, 50.0, 300.0}) {
        EXPECT_WITHIN(decay::upperRegularizedGamma(1, x), std::exp(-x), relative(1e-13)) << x;
        EXPECT_WITHIN(decay::upperRegularizedGamma(0.5, x), std::erfc(std::sqrt(x)), relative(1e-12)) << x;
        double sum = 0, term = 1;
        for (int k = 0; k < 5; ++k, term *= x / k)
            sum += term;
        EXPECT_WITHIN(decay::upperRegularizedGamma(5, x), std::exp(-x) * sum, relative(1e-12)) << x;
    }
}

TEST(ChiSquare, EdgesAndBadInput)
{
    EXPECT_EQ(decay::upperRegularizedGamma(3, 0), 1);
    EXPECT_EQ(decay::upperRegularizedGamma(3, INFINITY), 0);
    EXPECT_TRUE(std::isnan(decay::upperRegularizedGamma(0, 1)));
    EXPECT_TRUE(std::isnan(decay::upperRegularizedGamma(1, -1)));
    EXPECT_TRUE(std::isnan(decay::chiSquarePValue(1, 0)));
    EXPECT_TRUE(std::isnan(decay::chiSquarePValue(NAN, 3)));
    EXPECT_EQ(decay::chiSquarePValue(0, 3), 1);
}

} // namespace
