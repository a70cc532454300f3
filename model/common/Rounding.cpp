#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace decay {

namespace {

// `value` to `digits` significant digits with `round` (std::floor or std::ceil); a decimal value
// the binary one misses by a unit in the last place (0.29 as 0.28999...) is taken as that value.
template <class Round> double roundedTo(double value, int digits, Round round)
{
    if (!(value > 0) || !std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, digits - 1 - static_cast<int>(std::floor(std::log10(value))));
    const double scaled = value * scale;
    const double near = std::round(scaled);
    return (std::fabs(scaled - near) <= 1e-9 * near ? near : round(scaled)) / scale;
}

} // namespace

double roundedDown(double value, int digits)
{
    return roundedTo(value, digits, [](double x) { return std::floor(x); });
}

double roundedUp(double value, int digits)
{
    return roundedTo(value, digits, [](double x) { return std::ceil(x); });
}

int leadingPower(double value, int digits)
{
    if (!(value != 0) || !std::isfinite(value))
        return 0;
    int power = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    // Below 10^-300 the scale alone would overflow: the value is scaled in two steps there.
    const double scaled = power < -300 ? std::fabs(value) * 1e300 * std::pow(10.0, digits - 1 - power - 300)
                                       : std::fabs(value) * std::pow(10.0, digits - 1 - power);
    if (std::round(scaled) >= std::pow(10.0, digits))
        ++power;
    return power;
}

RoundedValue roundToUncertainty(double value, double uncertainty)
{
    if (!(uncertainty > 0) || !std::isfinite(uncertainty) || !std::isfinite(value))
        return {value, uncertainty, 0};
    const int power = static_cast<int>(std::floor(std::log10(uncertainty)));
    // The three leading digits, 100 to 999, rounded so that 354.6 counts as 355.
    const double leading = std::round(uncertainty / std::pow(10.0, power - 2));
    int place = power - 1;
    double shownUncertainty = uncertainty;
    if (leading >= 1000) { // 999.7 rounded up: the next power's 100
        place = power;
    } else if (leading >= 950) {
        shownUncertainty = std::pow(10.0, power + 1);
        place = power;
    } else if (leading >= 355) {
        place = power;
    }
    const double unit = std::pow(10.0, place);
    return {std::round(value / unit) * unit, std::round(shownUncertainty / unit) * unit, place};
}

RoundedInterval roundInterval(double value, double minus, double plus)
{
    const double least = std::min(minus, plus);
    if (!(least > 0) || !std::isfinite(value))
        return {.value = value, .minus = minus, .plus = plus};
    const double place = std::pow(10.0, roundToUncertainty(value, least).place);
    const auto digits = [&](double& x) {
        if (std::isinf(x))
            return 0;
        x = std::round(x / place) * place;
        return x == 0 ? 1 : std::max(static_cast<int>(std::floor(std::log10(std::fabs(x)) - std::log10(place))) + 1, 1);
    };
    RoundedInterval rounded{.value = value, .minus = minus, .plus = plus, .sides = true};
    rounded.valueDigits = digits(rounded.value);
    rounded.minusDigits = digits(rounded.minus);
    rounded.plusDigits = digits(rounded.plus);
    return rounded;
}

} // namespace decay
