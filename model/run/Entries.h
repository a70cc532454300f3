#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace decay {

// What Enter in an entry field leaves in it: the text that replaces an unusable entry, or
// nothing when the typed text stays.

// A positive whole number of atoms, else "100". Only the lenient value counts: "12abc" stays.
std::optional<std::string> confirmInitialAtoms(std::string_view text);
// A whole number of steps in 1..3000: above 3000 becomes "3000", anything else unusable "50".
std::optional<std::string> confirmSimulationTime(std::string_view text);

// Rate and half-life are ln 2 over each other: confirming one writes the other.
struct RateEntry {
    std::optional<std::string> replacement; // for the field confirmed
    std::string other;                      // for the other field
};
// A half-life that is no positive number, or so small that the rate overflows, becomes "5".
RateEntry confirmHalfLife(std::string_view text, std::string_view decimalPoint);
// A negative rate, one that is no number, or one with no finite half-life (0) becomes "0.1".
RateEntry confirmRate(std::string_view text, std::string_view decimalPoint);

// ln 2 / the number in the text, as text; nothing when the text is no number or the quotient is
// not finite.
std::optional<std::string> lnTwoOverText(std::string_view text, std::string_view decimalPoint);

} // namespace decay
