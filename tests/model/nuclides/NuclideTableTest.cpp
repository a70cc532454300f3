#include "tests/model/nuclides/ShippedTable.h"
#include "model/nuclides/Chain.h"
#include "model/common/Conversions.h"
#include "model/nuclides/DecayModes.h"
#include "model/nuclides/Elements.h"
#include "model/nuclides/TableChain.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

double share(const decay::Nuclide& nuclide, const std::string& mode)
{
    for (const decay::DecayMode& m : nuclide.modes)
        if (m.code == mode)
            return m.percent;
    return -1;
}

// Values as the evaluation prints them, copied from the NUBASE2020 lines (nubase_4.mas20.txt).
struct Printed {
    const char* symbol;
    double value;
    const char* unit;
    double uncertainty;
    const char* spin;
    std::vector<std::pair<const char*, double>> modes; // code, percent
};

TEST(NuclideTable, TakesTheEvaluationsPrintedValues)
{
    const std::vector<Printed> cases{
        // 099 0420   99Mo  ... 65.932   h 0.005  1/2+*  ... B-=100
        {"Mo-99", 65.932, "h", 0.005, "1/2+", {{"B-", 100}}},
        // 099 0431   99Tc m ... 6.0066 h 0.0002 1/2-* ... IT~100;B-=0.0037 6
        {"Tc-99m", 6.0066, "h", 0.0002, "1/2-", {{"IT", 100}, {"B-", 0.0037}}},
        // 238 0920   238U ... 4.463 Gy 0.003 0+ ... IS=99.2742 10;A=100;SF=5.44e-5 7;2B-=2.2e-10 3
        {"U-238", 4.463, "Gy", 0.003, "0+", {{"A", 100}, {"SF", 5.44e-5}, {"2B-", 2.2e-10}}},
        // 212 0840   212Po ... 294.4 ns 0.8 0+ ... A=100
        {"Po-212", 294.4, "ns", 0.8, "0+", {{"A", 100}}},
        // 212 0830   212Bi ... 60.55 m 0.06 1-* ... B-=64.06 6;A=35.94 6;B-A~0.014
        {"Bi-212", 60.55, "m", 0.06, "1-", {{"B-", 64.06}, {"A", 35.94}, {"B-A", 0.014}}},
        // 040 0190   40K ... 1.248 Gy 0.003 4-* ... IS=0.0117 1;B-=89.28 13;B+=10.72 13
        {"K-40", 1.248, "Gy", 0.003, "4-", {{"B-", 89.28}, {"B+", 10.72}}},
        // 234 0911   234Pam ... 1.159 m 0.011 (0-) ... B-~100;IT=0.16 4
        {"Pa-234m", 1.159, "m", 0.011, "(0-)", {{"B-", 100}, {"IT", 0.16}}},
        // 222 0860   222Rn ... 3.8215 d 0.0002 0+ ... A=100
        {"Rn-222", 3.8215, "d", 0.0002, "0+", {{"A", 100}}},
        // 209 0830   209Bi ... 20.1 Ey 0.8 9/2-* ... IS=100;A=100
        {"Bi-209", 20.1, "Ey", 0.8, "9/2-", {{"A", 100}}},
        // 137 0550   137Cs ... 30.04 y 0.04 7/2+* ... B-=100
        {"Cs-137", 30.04, "y", 0.04, "7/2+", {{"B-", 100}}},
        // 014 0060   14C ... 5.70 ky 0.03 0+ ... B-=100
        {"C-14", 5.70, "ky", 0.03, "0+", {{"B-", 100}}},
        // 001 0000   1n ... 609.8 s 0.6 1/2+* ... B-=100
        {"n-1", 609.8, "s", 0.6, "1/2+", {{"B-", 100}}},
    };
    for (const Printed& c : cases) {
        const decay::Nuclide* nuclide = shipped().find(c.symbol);
        ASSERT_TRUE(nuclide) << c.symbol;
        EXPECT_EQ(std::tie(nuclide->halfLifeValue, nuclide->unit, nuclide->uncertainty, nuclide->spinParity, nuclide->source),
                  std::tuple(c.value, std::string(c.unit), c.uncertainty, std::string(c.spin), std::string("NUBASE2020")))
            << c.symbol;
        ASSERT_EQ(nuclide->modes.size(), c.modes.size()) << c.symbol;
        for (const auto& [mode, percent] : c.modes)
            EXPECT_EQ(share(*nuclide, mode), percent) << c.symbol << " " << mode;
    }
    EXPECT_EQ(shipped().find("Tc-99m")->modes[0].relation, decay::Relation::About);
    EXPECT_EQ(shipped().find("Hf-178")->state, 0); // 178 0720 ground state, 178 0722 the second isomer "n"
    EXPECT_EQ(shipped().find("Hf-178n")->state, 2);
    EXPECT_EQ(shipped().find("U-238")->abundance, 99.2742);
    EXPECT_EQ(shipped().find("Tc-99m")->title(), "Technetium-99m (Tc-99m)");
    EXPECT_DOUBLE_EQ(shipped().find("U-238")->halfLife, 4.463e9 * 365.2422 * 86400); // NUBASE2020's year
    EXPECT_DOUBLE_EQ(shipped().find("Bi-209")->halfLife, 20.1e18 * 365.2422 * 86400);
}

// AME2020 atomic masses (M. Wang et al., Chin. Phys. C 45, 030003 (2021)), in u; C-12 is 12 by
// definition. The mass excess turned back into a mass gives them to 1e-9 u.
// The texts the lab's tables show, from the same lines: modes with their printed shares, the unit
// a student reads, the digits the evaluation gave, and the half-life as it printed it.
TEST(NuclideTable, ShowsModesUnitsAndDigitsAsPrinted)
{
    const struct {
        const char* symbol;
        const char* modes;
        const char* unit;
        int digits;
        const char* printed;
    } cases[] = {
        {"U-238", "α 100 %, SF 5.44E-05 %, 2β⁻ 2.2E-10 %", "y", 4, "4.463 ± 0.003"},
        {"Tc-99m", "IT ~100 %, β⁻ 0.0037 %", "h", 5, "6.0066 ± 0.0002"},
        {"Bi-212", "β⁻ 64.06 %, α 35.94 %, β⁻α ~0.014 %", "min", 4, "60.55 ± 0.06"},
        {"Po-212", "α 100 %", "ns", 4, "294.4 ± 0.8"},
        {"Bi-209", "α 100 %", "y", 3, "20.1 ± 0.8"},
    };
    for (const auto& c : cases) {
        const decay::Nuclide* nuclide = shipped().find(c.symbol);
        ASSERT_NE(nuclide, nullptr) << c.symbol;
        EXPECT_EQ(nuclide->modesText(), c.modes) << c.symbol;
        EXPECT_EQ(nuclide->shownUnit(), c.unit) << c.symbol;
        EXPECT_EQ(decay::printedDigits(nuclide->halfLifeValue), c.digits) << c.symbol;
        EXPECT_EQ(nuclide->printedHalfLife(), c.printed) << c.symbol;
    }
    EXPECT_EQ(shipped().find("B-16")->printedHalfLife(), "> 4.6"); // a limit, without an uncertainty
    EXPECT_EQ(shipped().find("Pb-208")->printedHalfLife(), "");
    EXPECT_EQ(decay::printedDigits(1600), 4);
    EXPECT_EQ(decay::printedDigits(0.0037), 2);
    EXPECT_EQ(decay::printedDigits(0), 1);
}

// AME2020's atomic masses in u (C-12's is 12 by definition), to the 1e-9 u of the nine decimals
// printed for He-4 and O-16: 6e-11 of O-16's mass.
TEST(NuclideTable, MolarMassesAreTheAtomicMasses)
{
    const std::vector<std::pair<const char*, double>> cases{
        {"H-1", 1.007825031898}, {"C-12", 12.0}, {"He-4", 4.002603254}, {"O-16", 15.994914619},
    };
    for (const auto& [symbol, mass] : cases)
        EXPECT_WITHIN(shipped().find(symbol)->molarMass(), mass, relative(6e-11)) << symbol;
}

// What NUBASE calls stable is stable, and nothing else: 254 states print "stbl".
TEST(NuclideTable, StableIsWhatTheEvaluationCallsStable)
{
    const auto stable = std::count_if(shipped().nuclides.begin(), shipped().nuclides.end(),
                                      [](const decay::Nuclide& n) { return n.stable(); });
    EXPECT_EQ(stable, 254);
    for (const char* symbol : {"Pb-206", "Pb-207", "Pb-208", "Tl-205", "Ta-180m", "Te-123", "Ca-40", "He-4"})
        EXPECT_TRUE(shipped().find(symbol)->stable()) << symbol;
    for (const char* symbol : {"Bi-209", "Th-232", "U-238", "K-40", "Te-128", "n-1"})
        EXPECT_FALSE(shipped().find(symbol)->stable()) << symbol;
    EXPECT_TRUE(shipped().find("Te-123")->branches.empty()); // its "EC=100" was never seen
    EXPECT_EQ(shipped().nuclides.size(), 5490u);           // every ground state and isomer with a half-life
}

struct Series {
    const char* first;
    std::vector<const char*> members; // parents before daughters, the stable end last
};

std::vector<std::string> symbols(const decay::Chain& chain)
{
    std::vector<std::string> result;
    for (const decay::ChainMember& member : chain.members)
        result.push_back(member.symbol);
    return result;
}

double link(const decay::Chain& chain, const std::string& parent, const std::string& daughter)
{
    for (const decay::ChainLink& l : chain.links)
        if (chain.members[static_cast<std::size_t>(l.parent)].symbol == parent &&
            chain.members[static_cast<std::size_t>(l.daughter)].symbol == daughter)
            return l.fraction;
    return 0;
}

// The four natural series, from the data alone, with their side branches of at least 10^-4 %.
TEST(NuclideTable, NaturalSeriesAreWhole)
{
    const std::vector<Series> series{
        {"U-238", {"U-238", "Th-234", "Pa-234m", "Pa-234", "U-234", "Th-230", "Ra-226", "Rn-222", "Po-218", "Pb-214",
                   "At-218", "Bi-214", "Po-214", "Tl-210", "Pb-210", "Pb-209", "Bi-210", "Bi-209", "Po-210", "Tl-206",
                   "Tl-205", "Pb-206"}},
        {"U-235", {"U-235", "Th-231", "Pa-231", "Ac-227", "Th-227", "Fr-223", "Ra-223", "At-219", "Rn-219", "Bi-215",
                   "Po-215", "Pb-211", "At-215", "Bi-211", "Tl-207", "Po-211", "Pb-207"}},
        {"Th-232", {"Th-232", "Ra-228", "Ac-228", "Th-228", "Ra-224", "Rn-220", "Po-216", "Pb-212", "Bi-212", "Po-212",
                    "Tl-208", "Pb-208"}},
        {"Np-237", {"Np-237", "Pa-233", "U-233", "Th-229", "Ra-225", "Ac-225", "Fr-221", "At-217", "Ra-221", "Bi-213",
                    "Rn-217", "Po-213", "Tl-209", "Pb-209", "Bi-209", "Tl-205"}},
    };
    std::map<std::string, decay::Chain> chains;
    for (const Series& s : series) {
        const auto built = decay::chainFromTable(shipped(), s.first, {.mostMembers = 40});
        ASSERT_TRUE(built.chain) << built.error.text();
        EXPECT_EQ(symbols(*built.chain), std::vector<std::string>(s.members.begin(), s.members.end())) << s.first;
        for (const decay::ChainLink& l : built.chain->links)
            EXPECT_LT(l.parent, l.daughter) << s.first; // lower triangular
        chains[s.first] = *built.chain;
    }
    const decay::Chain &u238 = chains["U-238"], &th232 = chains["Th-232"];
    EXPECT_WITHIN(link(u238, "U-238", "Th-234"), 1 - 5.44e-7 - 2.2e-12, relative(1e-15)); // A=100 gives SF and 2B- their share
    EXPECT_DOUBLE_EQ(link(u238, "Th-234", "Pa-234m"), 1.0);      // the hand-kept feeding
    EXPECT_DOUBLE_EQ(link(u238, "Pa-234m", "U-234"), 0.9984);    // B-~100;IT=0.16: what IT leaves
    EXPECT_DOUBLE_EQ(link(u238, "Po-218", "At-218"), 0.0002);    // A=99.980;B-=0.020
    EXPECT_DOUBLE_EQ(link(u238, "Bi-214", "Tl-210"), 0.00021);   // B-=99.979;A=0.021;B-A~0.003
    EXPECT_DOUBLE_EQ(link(u238, "Bi-214", "Pb-210"), 0.00003);
    EXPECT_DOUBLE_EQ(link(u238, "Bi-214", "Po-214"), 0.99976);   // B- less its B-A share
    EXPECT_DOUBLE_EQ(link(th232, "Bi-212", "Po-212"), 0.6406 - 0.00014); // B-=64.06 holds B-A~0.014
    EXPECT_DOUBLE_EQ(link(th232, "Bi-212", "Tl-208"), 0.3594);
    EXPECT_DOUBLE_EQ(link(chains["U-235"], "Ac-227", "Fr-223"), 0.0138); // B-=98.62 14;A=1.38 14
    EXPECT_DOUBLE_EQ(link(chains["Np-237"], "Bi-213", "Tl-209"), 0.0209); // B-=97.91 3;A=2.09 3
    EXPECT_DOUBLE_EQ(link(chains["Np-237"], "Bi-209", "Tl-205"), 1.0);    // Bi-209 decays: 20.1 Ey, A=100
}

bool hasNote(const decay::TableChain& chain, const std::string& part)
{
    return std::any_of(chain.notes.begin(), chain.notes.end(), [&](const decay::Message& m) { return m.text().find(part) != std::string::npos; });
}

// What leaves the chain is named: fission, weak branches, open modes, the members beyond the limit.
TEST(NuclideTable, ChainsNameWhatTheyLeaveOut)
{
    const auto u238 = decay::chainFromTable(shipped(), "U-238", {.mostMembers = 40});
    EXPECT_TRUE(hasNote(u238, "U-238 fissions (SF) in 5.44E-05 % of its decays; the fission products leave the chain."));
    EXPECT_TRUE(hasNote(u238, "U-238 → Pu-238 (2β⁻, 2.2E-10 %) is below the branch threshold of 0.0001 % and left out."));
    EXPECT_TRUE(hasNote(u238, "Th-234 may also decay by α (?)"));
    EXPECT_FALSE(hasNote(u238, "Pb-206")); // stable: its "A ?" is no decay
    // A lower threshold takes the double beta decay in; Pu-238 decays by alpha to U-234.
    const auto low = *decay::chainFromTable(shipped(), "U-238", {.threshold = 1e-14, .mostMembers = 60}).chain;
    EXPECT_DOUBLE_EQ(link(low, "U-238", "Pu-238"), 2.2e-12);
    EXPECT_GT(link(low, "Pu-238", "U-234"), 0.99);
    // At 12 members the main line stays, joined, and the note names the rest.
    const auto cut = decay::chainFromTable(shipped(), "U-238", {.mostMembers = 12});
    ASSERT_TRUE(cut.chain);
    EXPECT_EQ(symbols(*cut.chain), (std::vector<std::string>{"U-238", "Th-234", "Pa-234m", "U-234", "Th-230", "Ra-226",
                                                             "Rn-222", "Po-218", "Pb-214", "Bi-214", "Po-214", "Pb-210"}));
    EXPECT_TRUE(hasNote(cut, "are left out: Pa-234, At-218, Tl-210, Pb-209, Bi-210, Bi-209, Po-210, Tl-206, Tl-205, Pb-206."));
    // The generator: both routes to Tc-99 meet again; Tc-99m's beta branch goes to Ru-99.
    const auto mo99 = *decay::chainFromTable(shipped(), "Mo-99", {}).chain;
    EXPECT_EQ(symbols(mo99), (std::vector<std::string>{"Mo-99", "Tc-99m", "Tc-99", "Ru-99"}));
    EXPECT_DOUBLE_EQ(link(mo99, "Mo-99", "Tc-99m"), 0.875);
    EXPECT_DOUBLE_EQ(link(mo99, "Mo-99", "Tc-99"), 0.125);
    EXPECT_DOUBLE_EQ(link(mo99, "Tc-99m", "Tc-99"), 0.999963); // IT~100 beside B-=0.0037
    EXPECT_EQ(mo99.links[0].mode, "B-");
    EXPECT_EQ(decay::chainFromTable(shipped(), "Xx-1", {}).error.text(), "Xx-1 is not in the nuclide table.");
}

// The offered chains stay, the natural series added, each built from the table.
TEST(NuclideTable, OffersThePresetsAndTheSeries)
{
    const std::vector<std::vector<std::string>> chains{
        {"U-238"}, {"Ra-226"}, {"Rn-220", "Po-216", "Pb-212", "Bi-212", "Po-212", "Tl-208", "Pb-208"},
        {"Mo-99", "Tc-99m", "Tc-99", "Ru-99"}, {"Sr-90", "Y-90", "Zr-90"}, {"Cs-137", "Ba-137m", "Ba-137"},
        {"C-14", "N-14"}, {"I-131", "Xe-131"}, {"Co-60", "Ni-60"}, {"H-3", "He-3"}, {"F-18", "O-18"},
        {"Po-210", "Pb-206"}, {"Am-241"}, {"K-40", "Ca-40", "Ar-40"}, {"Th-232"}, {"U-235"}, {"Np-237"}, {"Rn-222"},
    };
    ASSERT_EQ(shipped().chainStarts.size(), chains.size());
    for (std::size_t c = 0; c < chains.size(); ++c) {
        EXPECT_EQ(shipped().chainStarts[c], chains[c][0]);
        const auto chain = decay::chainFromTable(shipped(), chains[c][0], {});
        ASSERT_TRUE(chain.chain) << chain.error.text();
        EXPECT_LE(chain.chain->size(), decay::kMostChainMembers);
        if (chains[c].size() > 1) {
            EXPECT_EQ(symbols(*chain.chain), chains[c]);
        }
    }
}

TEST(DecayModes, SymbolsAndChanges)
{
    struct Case {
        const char* code;
        const char* symbol;
        const char* change;
    };
    const std::vector<Case> cases{
        {"A", "α", "ΔZ = −2, ΔA = −4"},       {"B-", "β⁻", "ΔZ = +1, ΔA = 0"},
        {"B+", "β⁺/EC", "ΔZ = −1, ΔA = 0"},    {"EC", "EC", "ΔZ = −1, ΔA = 0"},
        {"e+", "β⁺", "ΔZ = −1, ΔA = 0"},       {"IT", "IT", "ΔZ = 0, ΔA = 0"},
        {"SF", "SF", ""},                      {"B+SF", "β⁺SF", ""},
        {"p", "p", "ΔZ = −1, ΔA = −1"},        {"2p", "2p", "ΔZ = −2, ΔA = −2"},
        {"n", "n", "ΔZ = 0, ΔA = −1"},         {"2B-", "2β⁻", "ΔZ = +2, ΔA = 0"},
        {"B-n", "β⁻n", "ΔZ = +1, ΔA = −1"},    {"B-2n", "β⁻2n", "ΔZ = +1, ΔA = −2"},
        {"B-A", "β⁻α", "ΔZ = −1, ΔA = −4"},    {"B+p", "β⁺p", "ΔZ = −2, ΔA = −1"},
        {"B+A", "β⁺α", "ΔZ = −3, ΔA = −4"},    {"B-t", "β⁻t", "ΔZ = 0, ΔA = −3"},
        {"3He", "3He", "ΔZ = −2, ΔA = −3"},    {"14C", "14C", "ΔZ = −6, ΔA = −14"},
        {"24Ne", "24Ne", "ΔZ = −10, ΔA = −24"}, {"24Ne+26Ne", "24Ne+26Ne", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decay::modeSymbol(c.code), c.symbol) << c.code;
        EXPECT_EQ(decay::modeChangeText(c.code), c.change) << c.code;
    }
}

// A malformed table fails with the line and the fault; the smallest good one parses.
// IUPAC's Periodic Table of the Elements (2022) with its spellings (aluminium, caesium, sulfur),
// one element in each row of the table and its ends; a row shifted or repeated would show here or
// in the way back from every symbol and name.
TEST(Elements, SymbolsAndNamesOfIupac)
{
    const std::tuple<int, const char*, const char*> elements[] = {
        {0, "n", "Neutron"},      {1, "H", "Hydrogen"},     {2, "He", "Helium"},       {10, "Ne", "Neon"},
        {13, "Al", "Aluminium"},  {16, "S", "Sulfur"},      {26, "Fe", "Iron"},        {43, "Tc", "Technetium"},
        {55, "Cs", "Caesium"},    {61, "Pm", "Promethium"}, {74, "W", "Tungsten"},     {82, "Pb", "Lead"},
        {86, "Rn", "Radon"},      {92, "U", "Uranium"},     {95, "Am", "Americium"},   {101, "Md", "Mendelevium"},
        {110, "Ds", "Darmstadtium"}, {113, "Nh", "Nihonium"}, {117, "Ts", "Tennessine"}, {118, "Og", "Oganesson"}};
    for (const auto& [z, symbol, name] : elements) {
        EXPECT_EQ(decay::elementSymbol(z), symbol) << z;
        EXPECT_EQ(decay::elementName(z), name) << z;
    }
    EXPECT_EQ(decay::elementCount(), 119);
    for (int z = 0; z < decay::elementCount(); ++z) {
        EXPECT_EQ(decay::elementNumber(decay::elementSymbol(z)), z) << z;
        EXPECT_EQ(decay::elementNumber(decay::elementName(z)), z) << z;
    }
    for (int z : {-1, 119, 1000})
        EXPECT_TRUE(decay::elementSymbol(z).empty() && decay::elementName(z).empty()) << z;
    for (const char* unknown : {"", "u", "URANIUM", "uranium", "Uu", "Aluminum", "Cesium", " U"})
        EXPECT_EQ(decay::elementNumber(unknown), -1) << '"' << unknown << '"';
}

TEST(NuclideTable, ErrorsNameTheLineAndTheFault)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"chains H-3\nH-3 1 3 12.32 y 0.02 1/2+ 14949.8\n",
         "Line 2: a nuclide needs its symbol, Z, A, half-life, unit, uncertainty, spin and parity, mass excess and modes."},
        {"chains H-3\nH-3 1 2 12.32 y 0.02 1/2+ 14949.8 B-=100\n", "Line 2: \"H-3\" is not the symbol of Z 1, A 2."},
        {"chains H-3\nH-3 200 3 12.32 y 0.02 1/2+ 14949.8 B-=100\n", "Line 2: Z \"200\" and A \"3\" are no nucleus."},
        {"chains H-3\nH-3 1 3 12.32 y 0.02 1/2+ 14949.8 B-=100\nH-3 1 3 12.32 y 0.02 1/2+ 14949.8 B-=100\n",
         "Line 3: H-3 is listed twice."},
        {"chains H-3\nH-3 1 3 12.32 min 0.02 1/2+ 14949.8 B-=100\n",
         "Line 2: \"min\" is not a half-life unit (ys ... ns, us, ms, s, m, h, d, y, ky, My, Gy ... Yy)."},
        {"chains H-3\nH-3 1 3 0 y 0.02 1/2+ 14949.8 B-=100\n", "Line 2: the half-life \"0\" is not a positive number."},
        {"chains H-3\nH-3 1 3 12.32 y -1 1/2+ 14949.8 B-=100\n", "Line 2: the uncertainty \"-1\" is not a number of 0 or more."},
        {"chains H-3\nH-3 1 3 12.32 y 0.02 1/2+ x B-=100\n", "Line 2: the mass excess \"x\" is not a number."},
        {"chains H-3\nH-3 1 3 12.32 y 0.02 1/2+ 14949.8 B-=120\n",
         "Line 2: the decay mode \"B-=120\" is not a code with =, ~, <, > and a percentage, or ?."},
        {"chains H-3\nH-3 1 3 12.32 y 0.02 1/2+ - B-=100\n",
         "Line 2: only an isomer after its ground state may leave the mass excess out."},
        {"chains H-3\nfeed H-3 B- He-3m 0 src\n", "Line 2: the feeding \"0\" is not a percentage above 0 and at most 100."},
        {"chains H-3\nfeed H-3 B- He-3m 50 src\nH-3 1 3 12.32 y 0.02 1/2+ 14949.8 B-=100\n",
         "The feeding of He-3m by H-3 names a nuclide that is not in the table."},
        {"He-3 2 3 stbl - - 1/2+ 14931.2 IS=0.0002\n", "The table has no \"chains\" line."},
        {"chains He-3\nHe-3 2 3 stbl - - 1/2+ 14931.2 IS=0.0002\n",
         "Line 1: the chain He-3 does not start with a radioactive nuclide of the table."},
        {"chains H-3\nH-3 1 3 12.32# y - - 14949.8# B-~100;n?\nHe-3 2 3 stbl - - 1/2+ 14931.2 -\n", ""},
    };
    for (const auto& [text, error] : cases)
        EXPECT_EQ(decay::parseNuclideTable(text).error, error) << text;
}

// Text that is no table never crashes the reader, wherever it is cut off or spoilt.
TEST(NuclideTable, DamagedTablesFailCleanly)
{
    const std::string whole = shippedText();
    for (std::size_t cut : {std::size_t{1}, std::size_t{100}, whole.size() / 3, whole.size() - 7}) {
        std::string broken = whole.substr(0, cut);
        broken[broken.size() / 2] = '=';
        const auto entry = decay::parseNuclideTable(broken);
        EXPECT_TRUE(entry.table || !entry.error.empty());
    }
}

} // namespace
