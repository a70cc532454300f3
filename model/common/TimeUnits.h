#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace decay {

// The year of NUBASE2020 (its header: 1 y = 365.2422 d), in seconds.
inline constexpr double kSecondsPerYear = 365.2422 * 86400.0;

// Every time unit the program reads or writes, with its seconds: the lab's own ("min" for the
// minute) and all of NUBASE2020's half-life units, whose "m" is also the minute and whose years
// from ky to Yy are powers of a thousand of its year.
struct TimeUnitSymbol {
    std::string_view symbol;
    double seconds;
};
inline constexpr std::array<TimeUnitSymbol, 22> kTimeUnitSymbols{{
    {"ys", 1e-24}, {"zs", 1e-21}, {"as", 1e-18}, {"fs", 1e-15}, {"ps", 1e-12}, {"ns", 1e-9}, {"us", 1e-6}, {"ms", 1e-3},
    {"s", 1.0}, {"min", 60.0}, {"m", 60.0}, {"h", 3600.0}, {"d", 86400.0}, {"y", kSecondsPerYear},
    {"ky", 1e3 * kSecondsPerYear}, {"My", 1e6 * kSecondsPerYear}, {"Gy", 1e9 * kSecondsPerYear},
    {"Ty", 1e12 * kSecondsPerYear}, {"Py", 1e15 * kSecondsPerYear}, {"Ey", 1e18 * kSecondsPerYear},
    {"Zy", 1e21 * kSecondsPerYear}, {"Yy", 1e24 * kSecondsPerYear},
}};
// Seconds in the unit with this symbol; empty for any other text.
std::optional<double> symbolSeconds(std::string_view symbol);

// The time units of the lab's entries and views.
enum class TimeUnit { Second, Minute, Hour, Day, Year };
inline constexpr std::array<TimeUnit, 5> kTimeUnits{TimeUnit::Second, TimeUnit::Minute, TimeUnit::Hour, TimeUnit::Day,
                                                    TimeUnit::Year};
std::string_view unitName(TimeUnit unit); // "s", "min", "h", "d", "y"
double unitSeconds(TimeUnit unit);        // from the table above

// A time in the largest unit it is at least 1 of (from s up to y).
TimeUnit fittingUnit(double seconds);

} // namespace decay
