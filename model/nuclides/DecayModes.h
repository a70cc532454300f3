#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace decay {

// What one of NUBASE's decay modes does to the nucleus.
enum class ModeKind {
    Nucleus,  // leaves one nucleus of known Z and A (alpha, beta, IT, nucleon and cluster emission)
    Fission,  // SF, and beta-delayed fission: the atom leaves as fission products
    Unknown,  // a code that names no single daughter ("24Ne+26Ne")
};

struct ModeChange {
    ModeKind kind = ModeKind::Unknown;
    int dz = 0; // change of the atomic number
    int da = 0; // change of the mass number
};

// The change a mode code makes: "A" (Z - 2, A - 4), "B-" (Z + 1), "B+" and "EC" (Z - 1), "IT"
// (none), "p", "n", "2B-", "B-n", "B-A", "B+p", a cluster such as "14C" (Z - 6, A - 14), ...
ModeChange modeChange(std::string_view code);

// The mode as a physics text writes it, in UTF-8: "α", "β⁻", "β⁻n", "IT", "SF". NUBASE's "B+"
// counts positron emission and electron capture together, so it reads "β⁺/EC" (K-40's 10.72 % is
// almost all electron capture); "EC" alone is "EC", "e+" (the positron share) "β⁺".
std::string modeSymbol(std::string_view code);

// "ΔZ = −2, ΔA = −4", "ΔZ = +1, ΔA = 0"; empty for fission and unknown codes. UTF-8 minus sign.
std::string modeChangeText(std::string_view code);

} // namespace decay
