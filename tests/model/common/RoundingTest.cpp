#include "model/common/Rounding.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Rounding {
    double value, uncertainty;
    double shownValue, shownUncertainty;
    int place;
};

// The examples of the Particle Data Group's rule (Review of Particle Physics, Introduction,
// "Rounding"): 0.827 +- 0.119 is 0.83 +- 0.12, 0.827 +- 0.367 is 0.8 +- 0.4, and an uncertainty
// of 0.955 rounds up to 1.0. Then the counting lab's own: 34 counts in 0.014 s are a rate of
// 2428.57 +- 416.5 per second, 2400 +- 400; the edges 354/355 and 949/950 of the three digits.
TEST(Rounding, KeepsTheUncertaintysDigitsByItsThreeLeadingDigits)
{
    const Rounding cases[] = {
        {0.827, 0.119, 0.83, 0.12, -2},   {0.827, 0.367, 0.8, 0.4, -1},     {0.827, 0.955, 0.8, 1.0, -1},
        {34 / 0.014, std::sqrt(34.0) / 0.014, 2400, 400, 2}, {10.0, 0.354, 10.0, 0.35, -2}, {10.0, 0.355, 10.0, 0.4, -1},
        {10.0, 0.949, 10.0, 0.9, -1},     {10.0, 0.9496, 10.0, 1.0, -1},    {5620.4, 43.9, 5620, 40, 1},
        {4.463e9, 3e6, 4.463e9, 3.0e6, 5}, {0.09997, 0.0999, 0.10, 0.10, -2},
    };
    for (const Rounding& c : cases) {
        const decay::RoundedValue r = decay::roundToUncertainty(c.value, c.uncertainty);
        EXPECT_EQ(r.place, c.place) << c.value << " +- " << c.uncertainty;
        // A multiple of a power of ten worked out in binary: the literal's last bits may differ.
        EXPECT_WITHIN(r.value, c.shownValue, relative(kRoundingNoise)) << c.value << " +- " << c.uncertainty;
        EXPECT_WITHIN(r.uncertainty, c.shownUncertainty, relative(kRoundingNoise)) << c.value << " +- " << c.uncertainty;
    }
    // No uncertainty to round to: the value as it is.
    EXPECT_EQ(decay::roundToUncertainty(1.2345, 0).value, 1.2345);
    EXPECT_EQ(decay::roundToUncertainty(1.2345, std::nan("")).value, 1.2345);
}

TEST(Rounding, LeadingPowerCountsTheCarryOfRounding)
{
    EXPECT_EQ(decay::leadingPower(9.9996, 4), 1);
    EXPECT_EQ(decay::leadingPower(9.9994, 4), 0);
    EXPECT_EQ(decay::leadingPower(-0.00123, 3), -3);
    EXPECT_EQ(decay::leadingPower(0, 3), 0);
    // The least subnormal, 4.94e-324, and 1.2345e-310: the scale to their digits is beyond the doubles.
    EXPECT_EQ(decay::leadingPower(5e-324, 2), -324);
    EXPECT_EQ(decay::leadingPower(1.2345e-310, 4), -310);
    EXPECT_EQ(decay::leadingPower(-1.7976931348623157e308, 4), 308);
}

} // namespace
