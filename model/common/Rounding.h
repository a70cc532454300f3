#pragma once

namespace decay {

// A measured value with its uncertainty, both rounded to the same decimal place as the Particle
// Data Group rounds them (Review of Particle Physics, Introduction, "Rounding"): the three
// leading digits of the uncertainty decide: 100 to 354 keeps two significant digits, 355 to 949
// one, and 950 to 999 rounds up to 1000 and keeps two. So 416 becomes 400 (one digit), 0.0953
// becomes 0.10, 123 stays 120.
struct RoundedValue {
    double value = 0;
    double uncertainty = 0;
    int place = 0; // the power of ten of the last digit kept: -2 for hundredths
};
// Needs an uncertainty above 0 and finite; gives the value unrounded (place 0) otherwise.
RoundedValue roundToUncertainty(double value, double uncertainty);

// A value with the interval below and above it, all three rounded to the place that the smaller
// side keeps under roundToUncertainty, each with the significant digits it has down to that
// place (0 for an endless side): 31,012 −3,412 +6,120 become 31,000 (−3,400/+6,100). Without a
// side above 0 there is nothing to round to: the value alone, to three digits (`sides` false).
struct RoundedInterval {
    double value = 0, minus = 0, plus = 0;
    int valueDigits = 3, minusDigits = 0, plusDigits = 0;
    bool sides = false;
};
RoundedInterval roundInterval(double value, double minus, double plus);

// The power of ten of the leading digit of |value| once rounded to `digits` significant digits
// (9.9996 to four digits gives 1), 0 for 0 and for what is not finite.
int leadingPower(double value, int digits);

// A positive `value` to `digits` significant digits, rounded down or up: a limit's side is kept
// (a remedy's efficiency stays under the most counts allowed).
double roundedDown(double value, int digits);
double roundedUp(double value, int digits);

} // namespace decay
