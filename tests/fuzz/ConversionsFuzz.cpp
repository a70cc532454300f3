#include "FuzzProperties.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

// The number conversions on any text, and number-to-text on any finite double.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto lenient = decay::lenientValue(text))
        fuzz::require(std::isfinite(*lenient), "a lenient value is finite", text);
    for (const char* point : {".", ",", "\xd9\xab"}) { // also the Arabic decimal separator
        const auto strict = decay::strictValue(text, point);
        if (strict) {
            fuzz::require(std::isfinite(*strict), "a strict value is finite", text);
            fuzz::require(decay::isNumberText(text, point), "a strict value comes from a number text", text);
            fuzz::requireReadsBack(decay::numberText(*strict));
        }
        if (const auto single = decay::strictSingle(text, point))
            fuzz::require(std::fabs(*single) <= std::numeric_limits<float>::max(), "a single is in range", text);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            fuzz::requireReadsBack(decay::numberText(value));
            // nearbyint rounds to the nearest integer, halves to even, in the default rounding mode.
            const double nearest = std::nearbyint(value);
            const auto whole = decay::toInt16(value);
            fuzz::require(whole.has_value() == (nearest >= -32768 && nearest <= 32767), "exactly the 16-bit values convert");
            fuzz::require(!whole || *whole == nearest, "a 16-bit value is the nearest integer, halves to even");
        }
    }
    return 0;
}
