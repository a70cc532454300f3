#include "DecayModes.h"

#include "Elements.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace decay {
namespace {

struct Particle {
    std::string_view code;
    int dz;
    int da;
};

// The particles NUBASE writes after a count or a beta sign: "B-2n", "B+pA", "2p", "3He".
constexpr std::array<Particle, 8> kParticles{{
    {"n", 0, -1}, {"p", -1, -1}, {"d", -1, -2}, {"t", -1, -3}, {"3H", -1, -3}, {"3He", -2, -3}, {"A", -2, -4},
    {"He", -2, -4},
}};

// A string of emitted particles with optional counts ("2n", "pA", "3p"), added to `change`; false
// when a part is not a particle.
bool addParticles(std::string_view text, ModeChange& change)
{
    while (!text.empty()) {
        int count = 1;
        if (std::isdigit(static_cast<unsigned char>(text[0])) && !(text.starts_with("3H"))) {
            count = text[0] - '0';
            text.remove_prefix(1);
        }
        const Particle* found = nullptr;
        for (const Particle& particle : kParticles)
            if (text.starts_with(particle.code) && (!found || particle.code.size() > found->code.size()))
                found = &particle;
        if (!found)
            return false;
        change.dz += count * found->dz;
        change.da += count * found->da;
        text.remove_prefix(found->code.size());
    }
    return true;
}

// A cluster written as its mass number and element, "14C", "24Ne": the parent loses that nucleus.
bool addCluster(std::string_view text, ModeChange& change)
{
    int mass = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), mass);
    if (ec != std::errc() || end == text.data() + text.size() || mass <= 4)
        return false;
    const int z = elementNumber(std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end)));
    if (z <= 0)
        return false;
    change.dz -= z;
    change.da -= mass;
    return true;
}

} // namespace

ModeChange modeChange(std::string_view code)
{
    if (code == "SF" || code == "B+SF" || code == "B-SF" || code == "ECSF")
        return {ModeKind::Fission, 0, 0};
    if (code == "IT")
        return {ModeKind::Nucleus, 0, 0};
    ModeChange change{ModeKind::Nucleus, 0, 0};
    std::string_view rest = code;
    // A beta decay, single or double, comes first; what follows is emitted after it.
    for (const auto& [sign, dz] : {std::pair{std::string_view("2B-"), 2}, {"2B+", -2}, {"B-", 1}, {"B+", -1},
                                   {"EC", -1}, {"e+", -1}, {"2EC", -2}}) {
        if (rest.starts_with(sign)) {
            change.dz = dz;
            rest.remove_prefix(sign.size());
            break;
        }
    }
    if (rest.empty() || addParticles(rest, change) || addCluster(rest, change))
        return change;
    return {};
}

std::string modeSymbol(std::string_view code)
{
    if (code == "B+")
        return "β⁺/EC";
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kSigns{{
        {"2B-", "2β⁻"}, {"2B+", "2β⁺"}, {"B-", "β⁻"}, {"B+", "β⁺"}, {"e+", "β⁺"}, {"EC", "EC"}, {"A", "α"},
    }};
    for (const auto& [sign, symbol] : kSigns) {
        if (!code.starts_with(sign))
            continue;
        std::string text(symbol);
        // The particles after a beta sign: "B-A" is beta-delayed alpha emission, "β⁻α".
        for (char c : code.substr(sign.size()))
            text.append(c == 'A' ? std::string_view("α") : std::string_view(&c, 1));
        return text;
    }
    return std::string(code);
}

namespace {

void appendSigned(std::string& text, int value)
{
    text.append(value > 0 ? "+" : value < 0 ? "−" : "");
    text.append(std::to_string(value < 0 ? -value : value));
}

} // namespace

std::string modeChangeText(std::string_view code)
{
    const ModeChange change = modeChange(code);
    if (change.kind != ModeKind::Nucleus)
        return {};
    std::string text("ΔZ = ");
    appendSigned(text, change.dz);
    text.append(", ΔA = ");
    appendSigned(text, change.da);
    return text;
}

} // namespace decay
