#include "ShippedTable.h"
#include "model/Chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(NuclideTable, ShipsEveryChainWithSourcedValues)
{
    const auto entry = shippedTable();
    ASSERT_EQ(entry.error, "");
    const decay::NuclideTable& table = *entry.table;
    EXPECT_GE(table.nuclides.size(), 25u);
    for (const decay::Nuclide& nuclide : table.nuclides) {
        EXPECT_FALSE(nuclide.source.empty()) << nuclide.symbol;
        for (const decay::DecayBranch& branch : nuclide.branches)
            EXPECT_FALSE(branch.source.empty()) << nuclide.symbol;
    }
    // The chains of the issue, members in their order (parents before daughters).
    const std::vector<std::vector<std::string>> chains{
        {"U-238", "Th-234", "Pa-234m", "U-234"},
        {"Ra-226", "Rn-222", "Po-218", "Pb-214", "Bi-214", "Po-214", "Pb-210"},
        {"Rn-220", "Po-216", "Pb-212", "Bi-212", "Po-212", "Tl-208", "Pb-208"},
        {"Mo-99", "Tc-99m", "Tc-99"},
        {"Sr-90", "Y-90", "Zr-90"},
        {"Cs-137", "Ba-137m", "Ba-137"},
        {"C-14", "N-14"}, {"I-131", "Xe-131"}, {"Co-60", "Ni-60"}, {"H-3", "He-3"}, {"F-18", "O-18"},
        {"Po-210", "Pb-206"}, {"Am-241", "Np-237"}, {"K-40", "Ca-40", "Ar-40"},
    };
    ASSERT_EQ(table.chainStarts.size(), chains.size());
    for (std::size_t c = 0; c < chains.size(); ++c) {
        EXPECT_EQ(table.chainStarts[c], chains[c][0]);
        const auto chain = decay::chainFromTable(table, chains[c][0]);
        ASSERT_TRUE(chain.chain) << chain.error.text();
        std::vector<std::string> symbols;
        for (const decay::ChainMember& member : chain.chain->members)
            symbols.push_back(member.symbol);
        EXPECT_EQ(symbols, chains[c]);
    }
    EXPECT_EQ(table.find("Mo-99")->title(), "Molybdenum-99 (Mo-99)");
    EXPECT_EQ(table.find("Tc-99m")->title(), "Technetium-99m (Tc-99m)");
    EXPECT_DOUBLE_EQ(table.find("U-238")->halfLife, 4.463e9 * 365.2422 * 86400); // NUBASE2020's year
}

// The Mo-99 generator: both routes to Tc-99 stay in the chain, Tc-99m's beta branch leaves it.
TEST(NuclideTable, ChainIsAGraphWhoseLeavingBranchesAreKnown)
{
    const auto chain = *decay::chainFromTable(*shippedTable().table, "Mo-99").chain;
    ASSERT_EQ(chain.links.size(), 3u);
    EXPECT_DOUBLE_EQ(chain.links[0].fraction + chain.links[1].fraction, 1.0); // Mo-99 -> Tc-99m, Tc-99
    EXPECT_EQ(chain.links[2].parent, 1);
    EXPECT_DOUBLE_EQ(chain.links[2].fraction, 0.999963); // ENSDF: the rest goes to Ru-99
}

// A malformed table fails with the line and the fault; the smallest good one parses.
TEST(NuclideTable, ErrorsNameTheLineAndTheFault)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"chains A-1\nA1 Aa 1 s 0 src\n", "Line 2: \"A1\" is not a nuclide symbol such as Mo-99 or Tc-99m."},
        {"chains A-1\nA-1 Aa stable s\nA-1 Aa stable s\n", "Line 3: A-1 is listed twice."},
        {"chains A-1\n# note\nA-1 Aa 1 min 0 src\n",
         "Line 3: \"min\" is not a half-life unit (ns, us, ms, s, m, h, d, y, ky, My, Gy)."},
        {"chains A-1\nA-1 Aa 0 s 0 src\n", "Line 2: the half-life \"0\" is not a positive number."},
        {"chains A-1\nA-1 Aa 1 s 0\n", "Line 2: a nuclide needs an element, a half-life, its unit, its uncertainty and a source."},
        {"  A 100 B-2 src\n", "Line 1: a decay branch before any nuclide."},
        {"chains A-1\nB-2 Bb stable src\n  A 100 C-3 src\n", "Line 3: B-2 is stable and cannot have a decay branch."},
        {"chains A-1\nA-1 Aa 1 s 0 src\n  A 100.5 B-2 src\n",
         "Line 3: the intensity \"100.5\" is not a percentage above 0 and at most 100."},
        {"chains A-1\nA-1 Aa 1 s 0 src\n  A 60 B-2 src\n  B- 50 C-2 src\n", "Line 2: the branches of A-1 add up to more than 100 %."},
        {"chains A-1\nA-1 Aa 1 s 0 src\n  A 100 B-2 src\nB-2 Bb 1 s 0 src\n  A 100 A-1 src\n",
         "Line 2: A-1 decays back into itself through its daughters."},
        {"chains A-1\nA-1 Aa 1 s 0 src\n", "Line 2: A-1 decays, but no decay branch follows it."},
        {"A-1 Aa stable src\n", "The table has no \"chains\" line."},
        {"chains B-2\nB-2 Bb stable src\n", "Line 1: the chain B-2 does not start with a radioactive nuclide of the table."},
        {"chains A-1\nA-1 Aa 1 s 0 src\n  A 100 B-2 src\nB-2 Bb stable src\n", ""},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(decay::parseNuclideTable(text).error, error) << text;
}

} // namespace
