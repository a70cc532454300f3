#pragma once

#include "Message.h"

#include <optional>
#include <string_view>

namespace decay {

// A number typed in a field, read against its range; the message names the range with the very
// limits the check uses.
struct NumberEntry {
    std::optional<double> value;
    Message error;
};
// `pattern` says what the field must hold, with %1 and %2 for the lowest and the highest value.
NumberEntry readNumberIn(std::string_view text, std::string_view decimalPoint, double lowest, double highest, const char* pattern);

} // namespace decay
