#include "model/common/TimeUnits.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

using decay::TimeUnit;

constexpr double kYear = 31556926.08; // NUBASE2020's year, 365.2422 d, in seconds

// Every half-life unit of NUBASE2020 (Kondev et al., Chinese Physics C 45 (2021) 030001, its
// table's units) and the lab's "min"; the years' seconds are products of two rounded numbers.
TEST(TimeUnits, SymbolsHaveTheirSeconds)
{
    const std::pair<const char*, double> units[] = {
        {"ys", 1e-24}, {"zs", 1e-21}, {"as", 1e-18}, {"fs", 1e-15}, {"ps", 1e-12}, {"ns", 1e-9}, {"us", 1e-6},
        {"ms", 1e-3}, {"s", 1}, {"m", 60}, {"min", 60}, {"h", 3600}, {"d", 86400}, {"y", kYear},
        {"ky", kYear * 1e3}, {"My", kYear * 1e6}, {"Gy", kYear * 1e9}, {"Ty", kYear * 1e12}, {"Py", kYear * 1e15},
        {"Ey", kYear * 1e18}, {"Zy", kYear * 1e21}, {"Yy", kYear * 1e24}};
    for (const auto& [symbol, seconds] : units) {
        ASSERT_TRUE(decay::symbolSeconds(symbol)) << symbol;
        EXPECT_WITHIN(*decay::symbolSeconds(symbol), seconds, relative(5e-16)) << symbol;
    }
    // Symbols are case-sensitive and whole: "my" is no million years, "Min" no minute.
    for (const char* other : {"", "my", "MY", "Min", "sec", "S", " s", "s ", "yr", "a", "\xC2\xB5s"})
        EXPECT_EQ(decay::symbolSeconds(other), std::nullopt) << '"' << other << '"';
}

// The largest lab unit a time is at least 1 of: each boundary exactly, and what is no time at all
// in seconds.
TEST(TimeUnits, FittingUnitIsTheLargestOfWhichThereIsOne)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, TimeUnit> cases[] = {
        {1e-30, TimeUnit::Second}, {0.5, TimeUnit::Second}, {59.999, TimeUnit::Second}, {60, TimeUnit::Minute},
        {3599.999, TimeUnit::Minute}, {3600, TimeUnit::Hour}, {86399.9, TimeUnit::Hour}, {86400, TimeUnit::Day},
        {std::nextafter(decay::kSecondsPerYear, 0.0), TimeUnit::Day}, {decay::kSecondsPerYear, TimeUnit::Year},
        {1e300, TimeUnit::Year}, {infinity, TimeUnit::Year},
        {0, TimeUnit::Second}, {-3600, TimeUnit::Second}, {-infinity, TimeUnit::Second},
        {std::numeric_limits<double>::quiet_NaN(), TimeUnit::Second}};
    for (const auto& [seconds, unit] : cases)
        EXPECT_EQ(decay::fittingUnit(seconds), unit) << seconds;
}

} // namespace
