// The class experiment as the desktop makes it for fixed entries and class seeds: the runs' file
// byte for byte, and the half-life table and q as the window prints them (two decimals; ten
// significant digits), for the defaults, seeds beyond 2^53, steps and rates not exact in binary,
// a class larger than the 100 runs the chart draws, classes that never halve or all decay, and
// a rate of 0, whose continuous half-life is infinite.

#include "JsonOut.h"

#include "model/experiment/EnsembleStats.h"
#include "output/ExperimentFile.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* atoms;
    const char* rate;
    const char* lastStep;
    const char* runs;
    const char* seed;
};

constexpr Case kCases[] = {
    {"defaults", "100", "0.1", "50", "30", "1"},
    {"largeSeed", "100", "0.1", "50", "30", "12345678901234567890"},
    {"step43", "500", "0.1", "43", "7", "20261207"},
    {"halfLife570", "1000", "0.00121605", "570", "12", "18446744073709551615"},
    {"largeClass", "2000", "0.05", "120", "250", "9007199254740993"},
    {"neverHalves", "32767", "0.0001", "570", "3", "42"},
    {"allDecay", "7", "1", "10", "5", "0"},
    {"oneRun", "1", "0.5", "3000", "1", "3"},
    {"rateZero", "10", "0", "5", "2", "7"}, // q = 2^-24: ten digits in a power of ten
};

// As the window's table writes a value: two decimals, a dash for what is not finite; the test
// takes out the thousands separators that the page, like the desktop, writes in English.
std::string twoDecimals(double value)
{
    if (!std::isfinite(value))
        return "\u2014";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string tenDigits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = argc > 1 ? argv[1] : ".";
    std::vector<std::string> cases;
    for (const Case& c : kCases) {
        const auto entry = decay::readEnsemble({c.atoms, c.rate, c.lastStep, c.runs, c.seed});
        if (!entry.params) {
            std::fprintf(stderr, "%s: %s\n", c.name, entry.error.text().c_str());
            return 1;
        }
        decay::ProgressCounter progress;
        const auto ensemble = decay::runEnsemble(*entry.params, progress);
        const auto stats = decay::ensembleStats(*ensemble);
        cases.push_back(webref::object({
            {"name", webref::jsonText(c.name)},
            {"atoms", webref::jsonText(c.atoms)},
            {"rate", webref::jsonText(c.rate)},
            {"lastStep", webref::jsonText(c.lastStep)},
            {"runs", webref::jsonText(c.runs)},
            {"seed", webref::jsonText(c.seed)},
            {"q", webref::jsonText(tenDigits(stats.q))},
            {"table", webref::array({webref::jsonText(twoDecimals(stats.halving.mean)), webref::jsonText(twoDecimals(stats.halving.sd)),
                                     webref::jsonText(twoDecimals(stats.slopeHalfLife.mean)), webref::jsonText(twoDecimals(stats.slopeHalfLife.sd)),
                                     webref::jsonText(twoDecimals(stats.continuousHalfLife)), webref::jsonText(""),
                                     webref::jsonText(twoDecimals(stats.discreteHalfLife)), webref::jsonText("")})},
            {"halvingCount", std::to_string(stats.halving.count)},
            {"slopeCount", std::to_string(stats.slopeHalfLife.count)},
            {"file", webref::jsonText(decay::experimentFileText(*ensemble, stats))},
        }));
    }
    webref::write(folder, "experiment", webref::array(cases));
}
