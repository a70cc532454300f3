#pragma once

#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

// The table in data/, as the program ships it (ATOMDRIFT_NUCLIDE_TABLE is its path).
inline std::string shippedText()
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The shipped table, read once; std::bad_optional_access ends a program that cannot read it.
inline const decay::NuclideTable& shipped()
{
    static const decay::NuclideTable table = decay::parseNuclideTable(shippedText()).table.value();
    return table;
}

// The chain the table builds from `first` with the default options.
inline decay::Chain tableChain(const char* first)
{
    return *decay::chainFromTable(shipped(), first, {}).chain;
}

// Mo-99 -> Tc-99m (65.932 h, 6.0066 h) by the closed form of Bateman's equations for two members
// (Bateman 1910; Krane, Introductory Nuclear Physics (1988), eq. 6.16), in long double, per atom
// of Mo-99 at the start, of which `fraction` decay to Tc-99m.
struct TwoMembers {
    long double fraction = 1;
    long double a = std::numbers::ln2_v<long double> / (65.932L * 3600), b = std::numbers::ln2_v<long double> / (6.0066L * 3600);

    long double daughter(long double t) const { return fraction * a / (b - a) * (std::exp(-a * t) - std::exp(-b * t)); }
    // The decays of both members from t0 to t1: the integrals of a N_A and b N_B.
    long double decays(long double t0, long double t1) const
    {
        const auto integral = [&](long double lambda) { return (std::exp(-lambda * t0) - std::exp(-lambda * t1)) / lambda; };
        return a * integral(a) + fraction * a * b / (b - a) * (integral(a) - integral(b));
    }
};
