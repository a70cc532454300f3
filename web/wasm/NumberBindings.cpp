// The model's rounding, so that the page writes values with the digits the desktop prints.

#include "Bindings.h"

#include "model/common/Rounding.h"

#include <emscripten/bind.h>

#include <algorithm>

namespace web {
namespace {

// Significant digits as the page asks for them, held to those a double has: the power of ten
// must not overflow on the way.
int leadingPower(double value, int digits)
{
    return decay::leadingPower(value, std::clamp(digits, 1, 17));
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(numbers)
{
    using namespace emscripten;
    value_object<decay::RoundedValue>("RoundedValue")
        .field("value", &decay::RoundedValue::value)
        .field("uncertainty", &decay::RoundedValue::uncertainty)
        .field("place", &decay::RoundedValue::place);
    value_object<decay::RoundedInterval>("RoundedInterval")
        .field("value", &decay::RoundedInterval::value)
        .field("minus", &decay::RoundedInterval::minus)
        .field("plus", &decay::RoundedInterval::plus)
        .field("valueDigits", &decay::RoundedInterval::valueDigits)
        .field("minusDigits", &decay::RoundedInterval::minusDigits)
        .field("plusDigits", &decay::RoundedInterval::plusDigits)
        .field("sides", &decay::RoundedInterval::sides);
    function("roundToUncertainty", &decay::roundToUncertainty);
    function("roundInterval", &decay::roundInterval);
    function("leadingPower", &web::leadingPower);
}
