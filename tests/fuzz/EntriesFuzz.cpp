#include "FuzzProperties.h"

#include "model/run/Entries.h"

#include <cmath>
#include <cstdint>

namespace {

// The text a field holds after Enter must be accepted as it stands by a second Enter.
void requireStable(const std::optional<std::string>& replacement, std::string_view typed,
                   std::optional<std::string> (*confirm)(std::string_view))
{
    const std::string kept = replacement ? *replacement : std::string(typed);
    fuzz::require(!confirm(kept), "a confirmed entry stays as it is", kept);
}

// The rate or half-life written alongside is a positive number with at most 15 digits.
void requireOther(const decay::RateEntry& entry, std::string_view point)
{
    fuzz::requireReadsBack(entry.other);
    const auto value = decay::strictValue(entry.other, point);
    fuzz::require(value && *value > 0 && std::isfinite(*value), "the other entry is a positive number", entry.other);
}

} // namespace

// Enter in each of the four entry fields, whatever was typed, in both decimal conventions.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    requireStable(decay::confirmInitialAtoms(text), text, decay::confirmInitialAtoms);
    requireStable(decay::confirmSimulationTime(text), text, decay::confirmSimulationTime);
    if (const auto time = decay::confirmSimulationTime(text); !time) {
        const auto steps = decay::lenientValue(text);
        fuzz::require(steps && *steps >= 1 && *steps <= 3000, "a kept simulation time is within 1..3000", text);
    }
    for (const char* point : {".", ","}) {
        const auto halfLife = decay::confirmHalfLife(text, point);
        requireOther(halfLife, point);
        fuzz::require(!decay::confirmHalfLife(halfLife.replacement.value_or(text), point).replacement,
                      "a confirmed half-life stays as it is", text);
        const auto rate = decay::confirmRate(text, point);
        requireOther(rate, point);
        fuzz::require(!decay::confirmRate(rate.replacement.value_or(text), point).replacement,
                      "a confirmed rate stays as it is", text);
    }
    return 0;
}
