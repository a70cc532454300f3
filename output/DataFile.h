#pragma once

#include "model/run/RunState.h"

#include <string>
#include <string_view>

namespace decay {

// Every line of the files the program writes ends so, as the data file always has.
inline constexpr std::string_view kLineEnd = "\r\n";

// The four-decimal reduction R(x): x * 10000 to the nearest whole number, halves to even, then
// divided by 10000. Through a 32-bit integer where the product fits; beyond that the same
// rounding in double precision.
double reduceToFourDecimals(double value);

// A reduced value as the data file writes it: at most 15 significant digits, "." as decimal
// point, no leading 0 before it (".6738", "-.3948"), whole values without a point. Values that
// are not finite are written as an empty field.
std::string fileNumber(double value);

// The whole data file for Nt(0..tmax) and dNt(0..tmax): the header and one line per step, each
// ending in CR LF. A count of 0 or less has no logarithm: its lnN(t) field stays empty. Uses the
// shared counter t as its row counter, as the runs do.
std::string dataFileText(RunState& state);

} // namespace decay
