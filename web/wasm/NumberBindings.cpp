// The model's rounding, so that the page writes values with the digits the desktop prints.

#include "Bindings.h"

#include "model/common/Rounding.h"

#include <emscripten/bind.h>

namespace web {
namespace {

val roundToUncertainty(double value, double uncertainty)
{
    const decay::RoundedValue rounded = decay::roundToUncertainty(value, uncertainty);
    val result = val::object();
    result.set("value", rounded.value);
    result.set("uncertainty", rounded.uncertainty);
    result.set("place", rounded.place);
    return result;
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(numbers)
{
    emscripten::function("roundToUncertainty", &web::roundToUncertainty);
    emscripten::function("leadingPower", &decay::leadingPower);
}
