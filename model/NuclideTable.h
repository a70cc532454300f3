#pragma once

#include "TimeUnits.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// How far the branch fractions of one nuclide may add up beyond 1 and still count as a whole:
// NUBASE's intensities are rounded, and a typed fraction such as 1/3 is too.
inline constexpr double kBranchSumTolerance = 1e-9;

// One way a nuclide decays: the mode as NUBASE writes it (A, B-, B+, IT), the daughter and the
// share of the decays that take this way.
struct DecayBranch {
    std::string mode;
    std::string daughter; // a symbol, which need not be in the table
    double fraction = 0;  // 0 < fraction <= 1
    std::string source;
};

struct Nuclide {
    std::string symbol;  // "Mo-99", "Tc-99m"
    std::string element; // "Molybdenum"
    // As the source prints it; the half-life is 0 and the unit empty for a stable nuclide.
    double halfLifeValue = 0;
    std::string unit;
    double uncertainty = 0;
    double halfLife = 0; // in seconds; 0 for a stable nuclide
    std::string source;
    std::vector<DecayBranch> branches;

    bool stable() const { return halfLife == 0; }
    // "Molybdenum-99 (Mo-99)".
    std::string title() const;
};

struct NuclideTable {
    std::vector<Nuclide> nuclides;
    std::vector<std::string> chainStarts; // the first members of the offered chains, in order

    const Nuclide* find(std::string_view symbol) const;
};

// The table, or the first thing wrong with the text: "Line 12: ...".
struct NuclideTableEntry {
    std::optional<NuclideTable> table;
    std::string error;
};
NuclideTableEntry parseNuclideTable(std::string_view text);

// Seconds in one of NUBASE's half-life units; empty for any other text.
std::optional<double> nubaseUnitSeconds(std::string_view unit);

} // namespace decay
