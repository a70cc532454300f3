// The counting lab's results for fixed seeds, as the desktop counts them: the counts of every
// interval, the background, both fits with the text the window prints, the counts file, a dating
// and the repeat counts. Every random draw takes the one seed, as the page's does under test.

#include "JsonOut.h"
#include "PlotJson.h"

#include "model/counting/Activation.h"
#include "model/nuclides/ChainActivity.h"
#include "model/common/Conversions.h"
#include "model/counting/Counter.h"
#include "model/counting/CountingPlot.h"
#include "model/counting/CountingSession.h"
#include "model/counting/CountsImport.h"
#include "model/counting/HalfLifeFit.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "model/counting/Radiocarbon.h"
#include "model/counting/RepeatCounts.h"
#include "model/common/Rounding.h"
#include "model/nuclides/TableChain.h"
#include "output/CountsFile.h"
#include "tests/model/nuclides/ShippedTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::uint64_t kSeed = 20261207;

// Numbers as the desktop writes them in English: fixed point with a comma between thousands.
std::string grouped(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::max(decimals, 0), value);
    const std::string digits = text;
    const bool negative = digits.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t point = std::min(digits.find('.'), digits.size());
    std::string out = negative ? "-" : "";
    for (std::size_t at = first; at < digits.size(); ++at) {
        if (at > first && at < point && (point - at) % 3 == 0)
            out += ',';
        out += digits[at];
    }
    return out;
}

std::string timesTenTo(int power)
{
    static const char* const kSuperscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074", "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string exponent;
    for (const char c : std::to_string(std::abs(power)))
        exponent += kSuperscripts[c - '0'];
    return std::string(" \u00D7 10") + (power < 0 ? "\u207B" : "") + exponent;
}

bool plain(bool whole, int power)
{
    return power >= -3 && power < (whole ? 9 : 6);
}

std::string trimmed(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string significant(double value, int digits)
{
    if (!std::isfinite(value))
        return "\u2014";
    if (value == 0)
        return "0";
    const int power = decay::leadingPower(value, digits);
    if (plain(value == std::floor(value), power))
        return trimmed(grouped(value, digits - 1 - power));
    return trimmed(grouped(value / std::pow(10.0, power), digits - 1)) + timesTenTo(power);
}

std::string withUncertainty(double value, double uncertainty)
{
    if (!(uncertainty > 0) || !std::isfinite(uncertainty) || !std::isfinite(value))
        return significant(value, 6);
    const decay::RoundedValue rounded = decay::roundToUncertainty(value, uncertainty);
    const int power = decay::leadingPower(std::max(std::fabs(rounded.value), rounded.uncertainty), 15);
    if (plain(rounded.place >= 0, power)) {
        const int decimals = std::max(-rounded.place, 0);
        return grouped(rounded.value, decimals) + " \u00B1 " + grouped(rounded.uncertainty, decimals);
    }
    const double scale = std::pow(10.0, power);
    const int decimals = std::max(power - rounded.place, 0);
    std::string text = "(";
    text.append(grouped(rounded.value / scale, decimals)).append(" \u00B1 ").append(grouped(rounded.uncertainty / scale, decimals));
    return text.append(")").append(timesTenTo(power));
}

// The fit's first line as the window prints it, in English.
std::string fitLine(const decay::HalfLifeFit& fit, double perSecond, const std::string& unit, const std::string& firstMember = "")
{
    const std::string method(decay::methodName(fit.method));
    if (!fit.fitted())
        return "";
    const std::string first = withUncertainty(fit.halfLife * perSecond, fit.sigma * perSecond);
    if (fit.shape == decay::FitShape::TwoNuclides)
        return "T\u00BD = " + first + " " + unit + " and " + withUncertainty(fit.secondHalfLife * perSecond, fit.secondSigma * perSecond) + " " + unit +
               " (" + method + ")";
    if (fit.shape == decay::FitShape::Chain)
        return "T\u00BD of " + firstMember + " = " + first + " " + unit + " (" + method + ")";
    return "T\u00BD = " + first + " " + unit + " (" + method + ")";
}

// A value with the interval below and above, rounded to the second digit of the smaller side.
std::string interval(double value, double minus, double plus)
{
    const double least = std::min(minus, plus);
    if (!(least > 0) || !std::isfinite(value))
        return significant(value, 3);
    const double place = std::pow(10.0, decay::roundToUncertainty(value, least).place);
    const auto shown = [&](double x) {
        if (std::isinf(x))
            return std::string("\u221E");
        const double rounded = std::round(x / place) * place;
        const int digits = rounded == 0 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(rounded)) - std::log10(place))) + 1;
        return significant(rounded, std::max(digits, 1));
    };
    return shown(value) + " (\u2212" + shown(minus) + "/+" + shown(plus) + ")";
}

std::string englishAge(const decay::DatedAge& age)
{
    if (age.lowerLimit)
        return "older than " + significant(age.age, 2) + " y BP (95 %)";
    return interval(age.age, age.minus, age.plus) + " y BP";
}

struct Case {
    const char* name;
    const char* start; // a chain of the table; empty for the activated silver
    const char* atoms;
    const char* step;
    decay::TimeUnit unit;
    const char* steps;
    bool random;
    int shape; // the fit model: 0 one nuclide, 1 two, 2 the chain counted
};

// The page's first entries (I-131 as the nuclide lab starts it, a kilobecquerel), C-14 in 50 steps
// of 570 y, the silver, and Mo-99 as it starts, a chain whose fit model is the chain.
constexpr Case kCases[] = {
    {"defaults", "I-131", "", "", decay::TimeUnit::Day, "", false, 0},
    {"defaultsRandom", "I-131", "", "", decay::TimeUnit::Day, "", true, 0},
    {"c14", "C-14", "1000000000000000", "570", decay::TimeUnit::Year, "50", false, 0},
    {"silver", "", "", "", decay::TimeUnit::Second, "", true, 1},
    {"molybdenumChain", "Mo-99", "", "", decay::TimeUnit::Hour, "", false, 2},
};

std::string caseJson(const Case& c)
{
    std::optional<decay::LabRun> run;
    std::string step = c.step, steps = c.steps, atoms = c.atoms;
    decay::TimeUnit unit = c.unit;
    if (*c.start) {
        const decay::Chain chain = tableChain(c.start);
        const decay::RunDefaults defaults = decay::runDefaults(chain);
        if (step.empty()) {
            step = decay::significantDigits(defaults.step, 4);
            unit = defaults.unit;
            steps = std::to_string(defaults.steps);
        }
        if (atoms.empty())
            atoms = decay::significantDigits(defaults.atoms, 17);
        std::vector<std::string> initial(chain.members.size(), "0");
        initial[0] = atoms;
        const decay::RunSetupTexts texts{.initial = initial, .step = step, .unit = unit, .steps = steps};
        run = decay::runLab(chain, *decay::readRunSetup(chain, texts).setup, unit, c.random, kSeed);
    } else {
        run = decay::silverRun(300, kSeed);
    }
    // Counted as both editions count it: through a counting session, the background measured first.
    const decay::CounterSettings settings = *decay::readCounterSettings({}).settings;
    std::vector<bool> counted(run->chain.members.size(), false);
    for (std::size_t i = 0; i < counted.size(); ++i)
        counted[i] = !run->chain.members[i].stable();
    decay::CountingSession session;
    session.setSample(*run);
    const decay::BackgroundMeasurement background = session.measureBackground(settings, 600, kSeed);
    session.start(settings, counted, kSeed, kSeed);
    session.playTo(session.counter()->endTime());
    const decay::Counter& counter = *session.counter();
    const decay::FitData data = session.shownData();
    const decay::FitShape shape = c.shape == 2 ? decay::FitShape::Chain : c.shape == 1 ? decay::FitShape::TwoNuclides : decay::FitShape::OneNuclide;
    const double perSecond = 1 / decay::unitSeconds(run->unit);
    const std::string unitName(decay::unitName(run->unit));
    std::vector<std::string> fits;
    for (const auto method : {decay::FitMethod::PoissonLikelihood, decay::FitMethod::WeightedLeastSquares}) {
        const decay::Report said = session.fitReport(method, shape, false);
        const decay::HalfLifeFit fit = *session.lastFit();
        // The chart and the residuals the lab shows with this fit.
        decay::Plot residuals;
        const decay::Plot rates = decay::ratePlot(session.rateData(true, true, false), &residuals);
        fits.push_back(webref::object({
            {"line", webref::jsonText(fitLine(fit, perSecond, unitName, run->chain.members[0].symbol))},
            {"report", webref::reportJson(said)},
            {"halfLife", webref::number(fit.halfLife * perSecond)},
            {"sigma", webref::number(fit.sigma * perSecond)},
            {"secondHalfLife", webref::number(fit.secondHalfLife * perSecond)},
            {"secondSigma", webref::number(fit.secondSigma * perSecond)},
            {"plot", webref::plotJson(rates)},
            {"residuals", webref::plotJson(residuals)},
        }));
    }
    // The counts file read back in, fitted as a student's own counts with the first method.
    const std::string file = decay::countsFileText(data, run->unit);
    const decay::ImportedCounts imported = *decay::readCounts(file, ".").counts;
    const decay::HalfLifeFit importedFit = decay::fitHalfLives(imported.data, decay::FitMethod::PoissonLikelihood, {});
    std::vector<double> counts;
    for (const decay::CountInterval& i : counter.intervals())
        counts.push_back(static_cast<double>(i.counts));
    const decay::Chain& chain = run->chain;
    return webref::object({
        {"name", webref::jsonText(c.name)},
        {"start", webref::jsonText(c.start)},
        {"atoms", webref::jsonText(atoms)},
        {"step", webref::jsonText(step)},
        {"unit", std::to_string(static_cast<int>(unit))},
        {"steps", webref::jsonText(steps)},
        {"random", c.random ? "true" : "false"},
        {"shape", std::to_string(c.shape)},
        {"tableHalfLife", webref::number(chain.members[0].halfLife * perSecond)},
        {"counts", webref::numbers(counts)},
        {"backgroundCounts", webref::jsonText(grouped(static_cast<double>(background.counts), 0))},
        {"background", webref::messageValues(session.backgroundMessage())},
        {"counter", webref::reportJson(session.counterReport())},
        {"fits", webref::array(fits)},
        {"file", webref::jsonText(file)},
        {"importedLine", webref::jsonText(fitLine(importedFit, 1, imported.timeUnit))},
    });
}

// A hidden sample of 100 g counted for 60 min, twice.
std::string datingJson()
{
    const decay::CounterSettings settings = *decay::readCounterSettings({}).settings;
    decay::DecayDraws sampleDraws(kSeed);
    const decay::DatingSample sample = decay::hiddenSample(sampleDraws, 100);
    std::vector<std::string> lines;
    std::vector<decay::DatingMeasurement> datings;
    for (int count = 0; count < 2; ++count) {
        decay::DecayDraws draws(kSeed);
        const decay::DatingCount counted = decay::countSample(draws, sample, settings, 3600);
        const decay::BackgroundMeasurement background = decay::measureBackground(draws, settings.background, counted.seconds);
        const decay::DatingResult result = decay::dateSample(counted, background, sample.carbonGrams, settings.efficiency);
        datings.push_back({counted, background, result});
        lines.push_back(webref::jsonText(grouped(static_cast<double>(counted.counts), 0) + " " + grouped(static_cast<double>(background.counts), 0) +
                                         " " + englishAge(result.ages[0])));
    }
    // What the lab says of the same counts once the true age is shown.
    decay::CountingSession session;
    session.newDatingSample(100, std::nullopt, kSeed);
    for (int count = 0; count < 2; ++count)
        session.countDatingSample(settings, 3600, kSeed);
    session.revealAge();
    // The chart once the true age is shown.
    return webref::object({{"age", webref::number(sample.age)}, {"counts", webref::array(lines)},
                           {"report", webref::reportJson(session.datingReport())},
                           {"plot", webref::plotJson(decay::datingPlot(datings, sample.age))}});
}

std::string repeatJson()
{
    decay::DecayDraws draws(kSeed);
    const std::vector<std::int64_t> counts = decay::repeatCounts(draws, *decay::readRepeatSettings({}).settings, {});
    const decay::Dispersion d = decay::dispersion(counts);
    std::vector<double> values(counts.begin(), counts.end());
    decay::CountingSession session;
    session.repeat(*decay::readRepeatSettings({}).settings, {}, kSeed);
    return webref::object({{"counts", webref::numbers(values)}, {"said", webref::messageValues(session.repeatMessage())}, {"mean", webref::jsonText(significant(d.mean, 5))},
                           {"variance", webref::jsonText(significant(d.variance, 5))}, {"plot", webref::plotJson(decay::repeatPlot(counts))}});
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = argc > 1 ? argv[1] : ".";
    std::vector<std::string> cases;
    for (const Case& c : kCases)
        cases.push_back(caseJson(c));
    webref::write(folder, "counting", webref::object({{"seed", webref::jsonText(std::to_string(kSeed))},
                                                      {"cases", webref::array(cases)},
                                                      {"dating", datingJson()},
                                                      {"repeat", repeatJson()}}));
}
