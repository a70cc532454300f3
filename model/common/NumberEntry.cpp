#include "NumberEntry.h"

#include "Conversions.h"

namespace decay {

NumberEntry readNumberIn(std::string_view text, std::string_view decimalPoint, double lowest, double highest, const char* pattern)
{
    const auto value = strictValue(text, decimalPoint);
    if (!value || !(*value >= lowest && *value <= highest))
        return {.value = std::nullopt, .error = {pattern, {lowest, highest}}};
    return {.value = value, .error = {}};
}

} // namespace decay
