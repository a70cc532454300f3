#pragma once

#include "model/common/Message.h"
#include "model/common/TimeUnits.h"

#include <optional>
#include <string>
#include <vector>

namespace decay {

struct ChainMember {
    std::string symbol; // "Mo-99", or the name typed for a custom member
    std::string title;  // "Molybdenum-99 (Mo-99)"; the name again for a custom member
    double halfLife = 0; // seconds; 0 for a stable member
    double molarMass = 0;

    bool stable() const { return halfLife == 0; }
    double rate() const; // lambda = ln 2 / T per second; 0 for a stable member
};

// A share of the parent's decays that turns into the daughter.
struct ChainLink {
    int parent = 0;
    int daughter = 0;
    double fraction = 1;
    std::string mode; // NUBASE's code ("A", "B-", "IT"); empty for a custom chain

    // "β⁻ (ΔZ = +1, ΔA = 0)": the mode as a physics text writes it, with what it does to the
    // nucleus; empty without a mode.
    std::string modeText() const;
};

// Members in an order where every parent comes before its daughters, so that the rate matrix is
// lower triangular; the links of one parent together, in the order of the parents. What the links
// of a decaying member leave of 1 goes out of the chain.
struct Chain {
    std::vector<ChainMember> members;
    std::vector<ChainLink> links;

    int size() const { return static_cast<int>(members.size()); }
    // Every member's ways of decay, each named once though it leads to several daughters (Mo-99's
    // beta decay feeds Tc-99m and Tc-99): "β⁻ (ΔZ = +1, ΔA = 0)", several joined by "; ".
    std::vector<std::string> modeTexts() const;
};

struct ChainEntry {
    std::optional<Chain> chain;
    Message error;
};

// Room for the longest natural series, U-238's 22 members with its side branches, and more.
inline constexpr int kMostChainMembers = 32;
inline constexpr int kMostCustomMembers = 5;
inline constexpr std::size_t kLongestMemberName = 24; // bytes of a custom member's name
// Half-lives the runs accept, in seconds: 1 ns to 10^20 years.
inline constexpr double kShortestHalfLife = 1e-9;
inline constexpr double kLongestHalfLife = 1e20 * kSecondsPerYear;

// A chain the user types in: members with a name and a half-life (empty for a stable member) in
// a unit, and links by member number (0-based) with a branch fraction.
struct CustomMemberTexts {
    std::string name;
    std::string halfLife;
    TimeUnit unit = TimeUnit::Second;
};
struct CustomLinkTexts {
    int parent = 0;
    int daughter = 1;
    std::string fraction = "1";
};
struct CustomChainTexts {
    std::vector<CustomMemberTexts> members;
    std::vector<CustomLinkTexts> links;
    std::string decimalPoint = ".";
};
ChainEntry readCustomChain(const CustomChainTexts& texts);

} // namespace decay
