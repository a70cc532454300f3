#include "Activation.h"

#include "model/nuclides/ChainRuns.h"

#include <cmath>

namespace decay {
namespace {

constexpr double kBarn = 1e-24;              // cm^2
constexpr double kSilverMolarMass = 107.8682; // g/mol, the standard atomic weight (IUPAC 2013)
constexpr int kSilverSteps = 600;

} // namespace

SilverProduction silverProduction()
{
    const double atoms = kAvogadro / kSilverMolarMass; // in one gram
    return {.ag110 = kSilverFlux * 86 * kBarn * 0.48161 * atoms, .ag108 = kSilverFlux * 37 * kBarn * 0.51839 * atoms};
}

std::array<double, 2> activatedSilver(double seconds)
{
    const SilverProduction r = silverProduction();
    const auto saturating = [&](double rate, double halfLife) {
        const double lambda = std::log(2.0) / halfLife;
        return rate / lambda * -std::expm1(-lambda * seconds);
    };
    return {saturating(r.ag110, kAg110HalfLife), saturating(r.ag108, kAg108HalfLife)};
}

// Molar masses from NUBASE2020's mass excesses, A + excess / (u c^2).
Chain silverChain()
{
    return {.members = {{.symbol = "Ag-110", .title = "Silver-110 (Ag-110)", .halfLife = kAg110HalfLife, .molarMass = 109.906111},
                        {.symbol = "Ag-108", .title = "Silver-108 (Ag-108)", .halfLife = kAg108HalfLife, .molarMass = 107.905950}},
            .links = {}};
}

std::optional<LabRun> silverRun(double activationSeconds, std::uint64_t seed)
{
    if (!(activationSeconds >= kShortestActivation && activationSeconds <= kLongestActivation))
        return std::nullopt;
    const std::array<double, 2> atoms = activatedSilver(activationSeconds);
    const RunSetup setup{.initial = {std::round(atoms[0]), std::round(atoms[1])}, .step = 1, .steps = kSilverSteps, .milk = {}, .grid = {}};
    return runLab(silverChain(), setup, TimeUnit::Second, true, seed);
}

NumberEntry readActivationTime(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, kShortestActivation, kLongestActivation,
                        "The activation time must be a number of seconds from %1 to %2.");
}

} // namespace decay
