#pragma once

#include "model/common/Message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// A classroom experiment with dice or coins: the counts left after each throw, one column per group.
struct ClassData {
    std::vector<std::string> groups;         // from the header line, else "Group 1", "Group 2", ...
    std::vector<double> steps;               // the throws, whole, rising
    std::vector<std::vector<double>> counts; // counts[group][i] after throw steps[i]
};

// The data, or why the file was refused: which line and what is wrong with it.
struct ClassDataRead {
    std::optional<ClassData> data;
    Message error;
};
// A class's counts take far less; a larger file is refused unread.
inline constexpr std::size_t kLargestClassFileMegabytes = 4;
inline constexpr std::size_t kLargestClassFile = kLargestClassFileMegabytes << 20;

// Reads a comma-, semicolon- or tab-separated text: the step first, then one count per group, on
// every line; an optional header line of names first; numbers with "." or `decimalPoint`. Blank
// lines are skipped. Nothing is taken from a text that has anything wrong with it.
ClassDataRead readClassData(std::string_view text, std::string_view decimalPoint);

// N(t) = initial (1 - probability)^t fitted to the groups' mean count: a least-squares line through
// ln N over the steps where the mean is above 0.
struct DecayFit {
    double probability = 0;
    double halfLife = 0; // ln 2 / -ln(1 - probability)
    double initial = 0;
    int points = 0;
};
std::vector<double> meanCounts(const ClassData& data);
// Empty without two such steps, or when the counts do not fall.
std::optional<DecayFit> fitClassData(const ClassData& data);
// initial (1 - probability)^t at each of the steps.
std::vector<double> fittedCounts(const DecayFit& fit, const std::vector<double>& steps);

} // namespace decay
