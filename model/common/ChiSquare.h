#pragma once

namespace decay {

// Q(a, x) = Gamma(a, x) / Gamma(a), the upper regularized incomplete gamma function, for a > 0 and
// x >= 0; NaN outside. By its series below x = a + 1 and its continued fraction above (W. H. Press
// et al., Numerical Recipes, 3rd ed. (2007), section 6.2), to about 1e-14 relative.
double upperRegularizedGamma(double a, double x);

// The probability that a chi-square variable of `degreesOfFreedom` exceeds `chiSquare`:
// Q(nu / 2, chi^2 / 2). NaN for no degree of freedom or a chi-square that is not a number.
double chiSquarePValue(double chiSquare, int degreesOfFreedom);

} // namespace decay
