#pragma once

#include "model/common/TimeUnits.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace decay {

// How far the branch fractions of one nuclide may add up beyond 1 and still count as a whole:
// NUBASE's intensities are rounded, and a typed fraction such as 1/3 is too.
inline constexpr double kBranchSumTolerance = 1e-9;
// The energy equivalent of the atomic mass constant, u c^2 in keV (CODATA 2018).
inline constexpr double kAtomicMassUnitKeV = 931494.10242;

// How a value is given: exactly (with an uncertainty), approximately (~), as a limit (< or >), or
// not at all (?).
enum class Relation { Equal, About, Below, Above, Unknown };

// A decay mode as the evaluation prints it: "B-=64.06", "IT~100", "SF?", "B-A~0.014".
struct DecayMode {
    std::string code; // "A", "B-", "B+", "EC", "IT", "SF", "2B-", "B-n", "14C", ...
    Relation relation = Relation::Equal;
    double percent = 0;        // of all decays; 0 when unknown
    double isomerPercent = -1; // the evaluation's "[gs=12,m=88]": the share feeding the daughter's isomer
};

// One way a nuclide decays in a chain: the mode, the daughter state and the share of the decays
// that take this way. Spontaneous fission has no daughter (an empty symbol).
struct DecayBranch {
    std::string mode;
    std::string daughter; // a symbol, which need not be in the table
    double fraction = 0;  // 0 < fraction <= 1
    std::string source;
};

struct Nuclide {
    std::string symbol;  // "Mo-99", "Tc-99m"
    std::string element; // "Molybdenum"
    int z = 0;
    int a = 0;
    int state = 0; // 0 for the ground state, 1 and up for the isomers
    // As the source prints it; the half-life is 0 and the unit empty for a stable nuclide.
    double halfLifeValue = 0;
    std::string unit;
    double uncertainty = 0;       // in the unit; 0 when none is given
    Relation halfLifeRelation = Relation::Equal;
    bool halfLifeEstimated = false; // from systematics ("#")
    double halfLife = 0; // in seconds; 0 for a stable nuclide
    std::string spinParity;       // "0+", "(3/2)-", "9/2-#"; "" when unknown
    double massExcess = 0;        // keV, of this state
    bool massEstimated = false;
    double abundance = -1;        // natural isotopic abundance in %, -1 when none
    std::vector<DecayMode> modes; // as printed, also those without an intensity
    std::string source;
    std::vector<DecayBranch> branches; // the modes with an intensity, each to one daughter state

    bool stable() const { return halfLife == 0; }
    // "Molybdenum-99 (Mo-99)".
    std::string title() const;
    // The atomic mass (the neutral atom, electrons included) in u, which is also the molar mass
    // in g/mol to 1e-9: M = A + Delta / (u c^2).
    double molarMass() const { return a + massExcess / kAtomicMassUnitKeV; }
    // The largest of the modes with an intensity, "" for a stable nuclide.
    std::string mainMode() const;
    // The unit the half-life is shown in: the evaluation's own, but years for its thousands and
    // millions of years ("Gy" is the gray to a student) and "min" for its "m".
    std::string shownUnit() const;
    // The half-life in that unit, to be written with the significant digits the evaluation gives;
    // 0 for a stable nuclide.
    double shownHalfLife() const;
    int shownDigits() const;
    // The half-life as the evaluation prints it, without its unit: "4.463 ± 0.003", "> 1.1", "~ 10";
    // empty for a stable nuclide.
    std::string printedHalfLife() const;
    // The modes with their shares: "α 100 %, SF 5.44E-05 %"; those without a share as "2β⁻ ?".
    std::string modesText() const;
};

// The hand-kept feeding of an isomer: `percent` of all decays of `parent` by `mode` end in the
// daughter state `daughter` instead of its ground state.
struct Feeding {
    std::string parent;
    std::string mode;
    std::string daughter;
    double percent = 0;
    std::string source;
};

struct NuclideTable {
    std::vector<Nuclide> nuclides;
    std::vector<std::string> chainStarts; // the first members of the offered chains, in order
    std::vector<Feeding> feedings;
    std::unordered_map<std::string, int> index; // symbol to position in `nuclides`

    const Nuclide* find(std::string_view symbol) const;
    // The position of a symbol in `nuclides`, -1 if it is not there.
    int position(std::string_view symbol) const;
};

// The table, or the first thing wrong with the text: "Line 12: ...".
struct NuclideTableEntry {
    std::optional<NuclideTable> table;
    std::string error;
};
NuclideTableEntry parseNuclideTable(std::string_view text);

// Seconds in one of NUBASE's half-life units (ys, zs, as, fs, ps, ns, us, ms, s, m, h, d, y, ky,
// My, Gy, Ty, Py, Ey, Zy, Yy); empty for any other text.
std::optional<double> nubaseUnitSeconds(std::string_view unit);

// "U-238", "Tc-99m" from Z, A and the isomer letter ("" for the ground state); "n-1" for the
// neutron; empty for a Z beyond the elements.
std::string nuclideSymbol(int z, int a, std::string_view isomer = {});

} // namespace decay
