#include "NuclideTable.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

namespace decay {
namespace {

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        result.push_back(line.substr(at, end - at));
        at = end;
    }
    return result;
}

// The words from `first` on, as one text with single blanks.
std::string rest(const std::vector<std::string_view>& w, std::size_t first)
{
    std::string text;
    for (std::size_t i = first; i < w.size(); ++i)
        text.append(i > first ? " " : "").append(w[i]);
    return text;
}

std::string quoted(std::string_view text)
{
    std::string result(1, '"');
    result.append(text).push_back('"');
    return result;
}

std::optional<double> number(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "Mo-99", "Tc-99m": an element symbol, a hyphen, the mass number and an optional "m".
bool isSymbol(std::string_view text)
{
    const auto dash = text.find('-');
    if (dash == std::string_view::npos || dash < 1 || dash > 2 || !std::isupper(static_cast<unsigned char>(text[0])))
        return false;
    if (dash == 2 && !std::islower(static_cast<unsigned char>(text[1])))
        return false;
    std::string_view mass = text.substr(dash + 1);
    if (mass.ends_with('m'))
        mass.remove_suffix(1);
    if (mass.empty() || mass.size() > 3)
        return false;
    for (char c : mass)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

class Parser {
public:
    NuclideTableEntry parse(std::string_view text);

private:
    std::string nuclideLine(const std::vector<std::string_view>& w);
    std::string branchLine(const std::vector<std::string_view>& w);
    std::string chainsLine(const std::vector<std::string_view>& w);
    std::string checkWhole() const;
    bool reaches(const Nuclide& from, std::string_view symbol, int depth) const;

    NuclideTable m_table;
    std::vector<int> m_lines; // where each nuclide begins
    int m_chainsLine = 0;
};

NuclideTableEntry Parser::parse(std::string_view text)
{
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        line = line.substr(0, line.find('#'));
        const auto w = words(line);
        if (w.empty())
            continue;
        std::string error;
        if (w[0] == "chains") {
            m_chainsLine = lineNumber;
            error = chainsLine(w);
        } else if (line[0] == ' ' || line[0] == '\t') {
            error = branchLine(w);
        } else {
            m_lines.push_back(lineNumber);
            error = nuclideLine(w);
        }
        if (!error.empty())
            return {.error = "Line " + std::to_string(lineNumber) + ": " + error};
    }
    if (auto error = checkWhole(); !error.empty())
        return {.error = std::move(error)};
    return {.table = std::move(m_table)};
}

std::string Parser::nuclideLine(const std::vector<std::string_view>& w)
{
    if (!isSymbol(w[0]))
        return quoted(w[0]) + " is not a nuclide symbol such as Mo-99 or Tc-99m.";
    if (m_table.find(w[0]))
        return std::string(w[0]) + " is listed twice.";
    Nuclide nuclide{.symbol = std::string(w[0])};
    if (w.size() >= 4 && w[2] == "stable") {
        nuclide.source = rest(w, 3);
    } else {
        if (w.size() < 6)
            return "a nuclide needs an element, a half-life, its unit, its uncertainty and a source.";
        const auto value = number(w[2]);
        const auto unit = nubaseUnitSeconds(w[3]);
        const auto uncertainty = number(w[4]);
        if (!value || *value <= 0)
            return "the half-life " + quoted(w[2]) + " is not a positive number.";
        if (!unit)
            return quoted(w[3]) + " is not a half-life unit (ns, us, ms, s, m, h, d, y, ky, My, Gy).";
        if (!uncertainty || *uncertainty < 0)
            return "the uncertainty " + quoted(w[4]) + " is not a number of 0 or more.";
        nuclide.halfLifeValue = *value;
        nuclide.unit = std::string(w[3]);
        nuclide.uncertainty = *uncertainty;
        nuclide.halfLife = *value * *unit;
        nuclide.source = rest(w, 5);
    }
    nuclide.element = std::string(w[1]);
    m_table.nuclides.push_back(std::move(nuclide));
    return {};
}

std::string Parser::branchLine(const std::vector<std::string_view>& w)
{
    if (m_table.nuclides.empty())
        return "a decay branch before any nuclide.";
    Nuclide& parent = m_table.nuclides.back();
    if (parent.stable())
        return parent.symbol + " is stable and cannot have a decay branch.";
    if (w.size() < 4)
        return "a decay branch needs a mode, its intensity in %, the daughter and a source.";
    const auto percent = number(w[1]);
    if (!percent || *percent <= 0 || *percent > 100)
        return "the intensity " + quoted(w[1]) + " is not a percentage above 0 and at most 100.";
    if (!isSymbol(w[2]))
        return quoted(w[2]) + " is not a nuclide symbol such as Mo-99 or Tc-99m.";
    if (w[2] == parent.symbol)
        return parent.symbol + " cannot decay to itself.";
    parent.branches.push_back({std::string(w[0]), std::string(w[2]), *percent / 100.0, rest(w, 3)});
    return {};
}

std::string Parser::chainsLine(const std::vector<std::string_view>& w)
{
    if (!m_table.chainStarts.empty())
        return "the chains are listed twice.";
    for (std::size_t i = 1; i < w.size(); ++i)
        m_table.chainStarts.emplace_back(w[i]);
    return m_table.chainStarts.empty() ? "no chain is listed." : "";
}

// Whether `symbol` lies among the daughters of `from`, following the table; `depth` stops a loop.
bool Parser::reaches(const Nuclide& from, std::string_view symbol, int depth) const
{
    for (const DecayBranch& branch : from.branches) {
        if (branch.daughter == symbol)
            return true;
        const Nuclide* daughter = m_table.find(branch.daughter);
        if (daughter && depth > 0 && reaches(*daughter, symbol, depth - 1))
            return true;
    }
    return false;
}

std::string Parser::checkWhole() const
{
    const int depth = static_cast<int>(m_table.nuclides.size());
    for (std::size_t i = 0; i < m_table.nuclides.size(); ++i) {
        const Nuclide& nuclide = m_table.nuclides[i];
        const std::string at = "Line " + std::to_string(m_lines[i]) + ": ";
        if (!nuclide.stable() && nuclide.branches.empty())
            return at + nuclide.symbol + " decays, but no decay branch follows it.";
        double sum = 0;
        for (const DecayBranch& branch : nuclide.branches)
            sum += branch.fraction;
        if (sum > 1 + kBranchSumTolerance)
            return at + "the branches of " + nuclide.symbol + " add up to more than 100 %.";
        if (reaches(nuclide, nuclide.symbol, depth))
            return at + nuclide.symbol + " decays back into itself through its daughters.";
    }
    if (m_chainsLine == 0)
        return "The table has no \"chains\" line.";
    for (const std::string& start : m_table.chainStarts) {
        const Nuclide* first = m_table.find(start);
        if (!first || first->stable())
            return "Line " + std::to_string(m_chainsLine) + ": the chain " + start + " does not start with a radioactive nuclide of the table.";
    }
    return {};
}

} // namespace

std::string Nuclide::title() const
{
    return element + symbol.substr(symbol.find('-')) + " (" + symbol + ")";
}

const Nuclide* NuclideTable::find(std::string_view symbol) const
{
    for (const Nuclide& nuclide : nuclides)
        if (nuclide.symbol == symbol)
            return &nuclide;
    return nullptr;
}

NuclideTableEntry parseNuclideTable(std::string_view text)
{
    return Parser().parse(text);
}

std::optional<double> nubaseUnitSeconds(std::string_view unit)
{
    return unit == "min" ? std::nullopt : symbolSeconds(unit);
}

} // namespace decay
