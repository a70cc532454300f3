#pragma once

#include "model/common/Conversions.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What every fuzz target checks of the number texts the program writes.
namespace fuzz {

// Stops the run with the input kept by libFuzzer when a property does not hold.
inline void require(bool holds, const char* property, std::string_view text = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s [%s]\n", property, std::string(text).c_str());
    std::abort();
}

// Digits of the mantissa without leading zeros.
inline int significantDigits(std::string_view text)
{
    int digits = 0;
    bool leading = true;
    for (char c : text.substr(0, text.find_first_of("eE"))) {
        if (c < '0' || c > '9')
            continue;
        leading = leading && c == '0';
        digits += !leading;
    }
    return digits;
}

// A number text the program wrote: at most 15 significant digits, and read back, strictly with
// either decimal point or leniently, it gives a number that is written as the same text.
inline void requireReadsBack(const std::string& text)
{
    require(significantDigits(text) <= 15, "at most 15 significant digits", text);
    const bool ownForm = !text.starts_with('.') && !text.starts_with("-."); // the data file leaves out the 0
    for (const auto back : {decay::strictValue(text, "."), decay::strictValue(text, ","), decay::lenientValue(text)}) {
        require(back.has_value(), "a written number reads back", text);
        require(!ownForm || decay::numberText(*back) == text, "a written number reads back as the same text", text);
    }
}

} // namespace fuzz
