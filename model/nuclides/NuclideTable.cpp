#include "NuclideTable.h"

#include "model/common/Conversions.h"
#include "DecayModes.h"
#include "Elements.h"
#include "model/common/ParseDouble.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace decay {
namespace {

constexpr std::string_view kSource = "NUBASE2020";

std::array<std::string_view, 12> splitWords(std::string_view line, std::size_t& count)
{
    std::array<std::string_view, 12> result{};
    count = 0;
    std::size_t at = 0;
    while (count < result.size() && (at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        result[count++] = line.substr(at, end - at);
        at = end;
    }
    return result;
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
    const auto [end, ec] = parseDouble(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> whole(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A leading relation sign and a trailing "#" taken off a value.
Relation takeRelation(std::string_view& text)
{
    if (!text.empty() && text.back() == '#')
        text.remove_suffix(1);
    if (text.empty())
        return Relation::Equal;
    const char sign = text[0];
    if (sign == '<' || sign == '>' || sign == '~' || sign == '=') {
        text.remove_prefix(1);
        return sign == '<' ? Relation::Below : sign == '>' ? Relation::Above : sign == '~' ? Relation::About : Relation::Equal;
    }
    return Relation::Equal;
}

// "B-=100[gs=12,m=88]", "IT~100", "SF?", "IS=99.2742" (the abundance: percent, code "IS").
std::optional<DecayMode> readMode(std::string_view text)
{
    const std::size_t sign = text.find_first_of("=~<>?");
    if (sign == 0 || sign == std::string_view::npos)
        return std::nullopt;
    DecayMode mode{.code = std::string(text.substr(0, sign))};
    std::string_view value = text.substr(sign);
    if (value == "?") {
        mode.relation = Relation::Unknown;
        return mode;
    }
    if (const std::size_t split = value.find("[gs="); split != std::string_view::npos) {
        const std::size_t m = value.find(",m=", split);
        const auto isomer = m == std::string_view::npos ? std::nullopt : number(value.substr(m + 3, value.size() - m - 4));
        if (!isomer || value.back() != ']')
            return std::nullopt;
        mode.isomerPercent = *isomer;
        value = value.substr(0, split);
    }
    mode.relation = takeRelation(value);
    const auto percent = number(value);
    if (!percent || *percent < 0 || *percent > 100)
        return std::nullopt;
    mode.percent = *percent;
    return mode;
}

// The isomer letter of a symbol ("m" of "Tc-99m"), "" for a ground state.
std::string_view isomerLetter(std::string_view symbol)
{
    return !symbol.empty() && symbol.back() >= 'a' && symbol.back() <= 'z' ? symbol.substr(symbol.size() - 1) : std::string_view();
}

// NUBASE's letters for the first, second, ... isomer: m, n, then p, q, r, x where a nuclide has more.
int isomerNumber(std::string_view letter)
{
    constexpr std::string_view kLetters = "mnpqrx";
    const std::size_t at = letter.empty() ? std::string_view::npos : kLetters.find(letter[0]);
    return letter.empty() ? 0 : at == std::string_view::npos ? 7 : static_cast<int>(at) + 1;
}

class Parser {
public:
    NuclideTableEntry parse(std::string_view text);

private:
    std::string nuclideLine(const std::array<std::string_view, 12>& w, std::size_t count);
    std::string halfLife(Nuclide& nuclide, std::string_view value, std::string_view unit, std::string_view uncertainty);
    std::string massExcess(Nuclide& nuclide, std::string_view text);
    std::string feedLine(const std::array<std::string_view, 12>& w, std::size_t count);
    std::string chainsLine(std::string_view line);
    std::string checkWhole();

    NuclideTable m_table;
    int m_chainsLine = 0;
};

NuclideTableEntry Parser::parse(std::string_view text)
{
    m_table.nuclides.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        // A "#" starts a comment only at the start of a line: after a value it marks one from systematics.
        if (line.starts_with('#'))
            continue;
        std::size_t count = 0;
        const auto w = splitWords(line, count);
        if (count == 0)
            continue;
        std::string error;
        if (w[0] == "chains") {
            m_chainsLine = lineNumber;
            error = chainsLine(line);
        } else if (w[0] == "feed") {
            error = feedLine(w, count);
        } else {
            error = nuclideLine(w, count);
        }
        if (!error.empty())
            return {.error = "Line " + std::to_string(lineNumber) + ": " + error};
    }
    if (auto error = checkWhole(); !error.empty())
        return {.error = std::move(error)};
    return {.table = std::move(m_table)};
}

// symbol Z A half-life unit uncertainty spin-parity mass-excess modes
std::string Parser::nuclideLine(const std::array<std::string_view, 12>& w, std::size_t count)
{
    if (count != 9)
        return "a nuclide needs its symbol, Z, A, half-life, unit, uncertainty, spin and parity, mass excess and modes.";
    const auto z = whole(w[1]);
    const auto a = whole(w[2]);
    if (!z || !a || elementSymbol(*z).empty() || *a < 1 || *a < *z || *a > 400)
        return "Z " + quoted(w[1]) + " and A " + quoted(w[2]) + " are no nucleus.";
    Nuclide nuclide{.symbol = nuclideSymbol(*z, *a, isomerLetter(w[0])), .element = std::string(elementName(*z)),
                    .z = *z, .a = *a, .state = isomerNumber(isomerLetter(w[0]))};
    if (nuclide.symbol != w[0])
        return quoted(w[0]) + " is not the symbol of Z " + std::string(w[1]) + ", A " + std::string(w[2]) + ".";
    if (m_table.index.contains(nuclide.symbol))
        return nuclide.symbol + " is listed twice.";
    if (auto error = halfLife(nuclide, w[3], w[4], w[5]); !error.empty())
        return error;
    nuclide.spinParity = w[6] == "-" ? std::string() : std::string(w[6]);
    if (auto error = massExcess(nuclide, w[7]); !error.empty())
        return error;
    for (std::string_view modes = w[8] == "-" ? std::string_view() : w[8]; !modes.empty();) {
        const std::size_t end = std::min(modes.find(';'), modes.size());
        const auto mode = readMode(modes.substr(0, end));
        if (!mode)
            return "the decay mode " + quoted(modes.substr(0, end)) + " is not a code with =, ~, <, > and a percentage, or ?.";
        // A stable nuclide may carry the mode it would decay by, never seen ("2B+?", Te-123's
        // "EC=100"): it is shown, and makes no branch.
        if (mode->code == "IS")
            nuclide.abundance = mode->percent;
        else
            nuclide.modes.push_back(*mode);
        modes.remove_prefix(std::min(end + 1, modes.size()));
    }
    nuclide.source = kSource;
    m_table.index.emplace(nuclide.symbol, static_cast<int>(m_table.nuclides.size()));
    m_table.nuclides.push_back(std::move(nuclide));
    return {};
}

std::string Parser::halfLife(Nuclide& nuclide, std::string_view value, std::string_view unit, std::string_view uncertainty)
{
    if (value == "stbl")
        return unit == "-" ? std::string() : "a stable nuclide has no half-life unit.";
    nuclide.halfLifeEstimated = value.ends_with('#');
    nuclide.halfLifeRelation = takeRelation(value);
    const auto parsed = number(value);
    const auto seconds = nubaseUnitSeconds(unit);
    if (!parsed || *parsed <= 0)
        return "the half-life " + quoted(value) + " is not a positive number.";
    if (!seconds)
        return quoted(unit) + " is not a half-life unit (ys ... ns, us, ms, s, m, h, d, y, ky, My, Gy ... Yy).";
    const auto sigma = uncertainty == "-" ? std::optional<double>(0) : number(uncertainty);
    if (!sigma || *sigma < 0)
        return "the uncertainty " + quoted(uncertainty) + " is not a number of 0 or more.";
    nuclide.halfLifeValue = *parsed;
    nuclide.unit = std::string(unit);
    nuclide.uncertainty = *sigma;
    nuclide.halfLife = *parsed * *seconds;
    return {};
}

// An isomer whose excitation is not known ("-") gets the ground state's mass excess, as close as
// a molar mass needs (an excitation of 1 MeV is 1e-3 u).
std::string Parser::massExcess(Nuclide& nuclide, std::string_view text)
{
    if (text == "-") {
        const Nuclide* ground = nuclide.state > 0 ? m_table.find(nuclideSymbol(nuclide.z, nuclide.a)) : nullptr;
        if (!ground)
            return "only an isomer after its ground state may leave the mass excess out.";
        nuclide.massExcess = ground->massExcess;
        nuclide.massEstimated = true;
        return {};
    }
    nuclide.massEstimated = text.ends_with('#');
    takeRelation(text);
    const auto excess = number(text);
    if (!excess)
        return "the mass excess " + quoted(text) + " is not a number.";
    nuclide.massExcess = *excess;
    return {};
}

// feed parent mode daughter percent source
std::string Parser::feedLine(const std::array<std::string_view, 12>& w, std::size_t count)
{
    if (count < 6)
        return "a feeding needs the parent, the mode, the daughter state, its percentage and a source.";
    const auto percent = number(w[4]);
    if (!percent || *percent <= 0 || *percent > 100)
        return "the feeding " + quoted(w[4]) + " is not a percentage above 0 and at most 100.";
    m_table.feedings.push_back({std::string(w[1]), std::string(w[2]), std::string(w[3]), *percent, std::string(w[5])});
    return {};
}

std::string Parser::chainsLine(std::string_view line)
{
    if (!m_table.chainStarts.empty())
        return "the chains are listed twice.";
    std::size_t at = line.find("chains") + 6;
    while ((at = line.find_first_not_of(" \t\r", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        m_table.chainStarts.emplace_back(line.substr(at, end - at));
        at = end;
    }
    return m_table.chainStarts.empty() ? "no chain is listed." : "";
}

// The share a mode passes on by itself: the beta-delayed emissions ("B-n", "B+p") are part of
// the "B-" or "B+" share, and "e+" and "EC" beside "B+" split it, so those are taken off.
std::vector<std::pair<const DecayMode*, double>> modeShares(const Nuclide& nuclide)
{
    const auto has = [&](std::string_view code) {
        return std::any_of(nuclide.modes.begin(), nuclide.modes.end(), [&](const DecayMode& m) { return m.code == code; });
    };
    const bool betaPlus = has("B+");
    std::vector<std::pair<const DecayMode*, double>> shares;
    for (const DecayMode& mode : nuclide.modes) {
        const bool measured = mode.relation == Relation::Equal || mode.relation == Relation::About;
        if (!measured || (betaPlus && (mode.code == "e+" || mode.code == "EC")))
            continue;
        shares.emplace_back(&mode, mode.percent);
    }
    for (auto& [mode, share] : shares) {
        if (mode->code.size() > 2 && (mode->code.starts_with("B-") || mode->code.starts_with("B+")))
            for (auto& [parent, parentShare] : shares)
                if (parent->code == mode->code.substr(0, 2))
                    parentShare = std::max(parentShare - share, 0.0);
    }
    // A share given as "~100" or "100" next to small ones is what they leave: the largest mode,
    // an approximate one first, gives up what the shares have above 100 %.
    double sum = 0;
    for (const auto& entry : shares)
        sum += entry.second;
    if (sum > 100 && !shares.empty()) {
        auto largest = std::max_element(shares.begin(), shares.end(), [](const auto& x, const auto& y) {
            return std::pair(x.first->relation == Relation::About, x.second) < std::pair(y.first->relation == Relation::About, y.second);
        });
        largest->second = std::max(largest->second - (sum - 100), 0.0);
    }
    return shares;
}

// The branches of every nuclide from its modes: each to the daughter's ground state, or split
// with its isomer where the evaluation or a hand-kept feeding says so.
void makeBranches(NuclideTable& table)
{
    for (Nuclide& nuclide : table.nuclides) {
        for (const auto& [mode, percent] : modeShares(nuclide)) {
            if (percent <= 0 || nuclide.stable())
                continue;
            const ModeChange change = modeChange(mode->code);
            std::string daughter;
            if (change.kind == ModeKind::Nucleus)
                daughter = nuclideSymbol(nuclide.z + change.dz, nuclide.a + change.da);
            double isomer = mode->isomerPercent >= 0 ? std::min(mode->isomerPercent, percent) : 0;
            std::string source(kSource);
            for (const Feeding& feeding : table.feedings)
                if (feeding.parent == nuclide.symbol && feeding.mode == mode->code) {
                    isomer = std::min(feeding.percent, percent);
                    source = feeding.source;
                }
            const std::string isomerSymbol = daughter.empty() ? std::string() : daughter + "m";
            if (isomer > 0)
                nuclide.branches.push_back({mode->code, isomerSymbol == nuclide.symbol ? daughter : isomerSymbol, isomer / 100, source});
            if (percent - isomer > 1e-12)
                nuclide.branches.push_back({mode->code, daughter, (percent - isomer) / 100, source});
        }
    }
}

std::string Parser::checkWhole()
{
    for (const Feeding& feeding : m_table.feedings)
        if (!m_table.find(feeding.parent) || !m_table.find(feeding.daughter))
            return "The feeding of " + feeding.daughter + " by " + feeding.parent + " names a nuclide that is not in the table.";
    makeBranches(m_table);
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

std::string Nuclide::mainMode() const
{
    const DecayMode* main = nullptr;
    for (const DecayMode& mode : modes)
        if (!main || mode.percent > main->percent)
            main = &mode;
    return main ? main->code : std::string();
}

std::string Nuclide::shownUnit() const
{
    if (unit == "m")
        return "min";
    if (unit.size() == 2 && unit[1] == 'y')
        return "y";
    return unit;
}

double Nuclide::shownHalfLife() const
{
    return stable() ? 0 : halfLife / symbolSeconds(shownUnit()).value_or(1);
}

int Nuclide::shownDigits() const
{
    return printedDigits(halfLifeValue);
}

std::string Nuclide::printedHalfLife() const
{
    if (stable())
        return {};
    std::string sign;
    switch (halfLifeRelation) {
    case Relation::Below: sign = "< "; break;
    case Relation::Above: sign = "> "; break;
    case Relation::About: sign = "~ "; break;
    case Relation::Equal:
    case Relation::Unknown: break;
    }
    return sign + numberText(halfLifeValue) + (uncertainty > 0 ? " \u00B1 " + numberText(uncertainty) : std::string());
}

std::string Nuclide::modesText() const
{
    std::string text;
    for (const DecayMode& mode : modes) {
        if (!text.empty())
            text += ", ";
        text += modeSymbol(mode.code);
        const std::string share = significantDigits(mode.percent, 6) + " %";
        switch (mode.relation) {
        case Relation::Equal: text += ' ' + share; break;
        case Relation::About: text += " ~" + share; break;
        case Relation::Below: text += " < " + share; break;
        case Relation::Above: text += " > " + share; break;
        case Relation::Unknown: text += " ?"; break;
        }
    }
    return text;
}

const Nuclide* NuclideTable::find(std::string_view symbol) const
{
    const int at = position(symbol);
    return at < 0 ? nullptr : &nuclides[static_cast<std::size_t>(at)];
}

int NuclideTable::position(std::string_view symbol) const
{
    if (index.size() == nuclides.size()) {
        const auto found = index.find(std::string(symbol));
        return found == index.end() ? -1 : found->second;
    }
    for (std::size_t i = 0; i < nuclides.size(); ++i)
        if (nuclides[i].symbol == symbol)
            return static_cast<int>(i);
    return -1;
}

NuclideTableEntry parseNuclideTable(std::string_view text)
{
    return Parser().parse(text);
}

std::optional<double> nubaseUnitSeconds(std::string_view unit)
{
    return unit == "min" ? std::nullopt : symbolSeconds(unit);
}

std::string nuclideSymbol(int z, int a, std::string_view isomer)
{
    const std::string_view element = elementSymbol(z);
    if (element.empty() || a < 1)
        return {};
    return std::string(element) + "-" + std::to_string(a) + std::string(isomer);
}

} // namespace decay
