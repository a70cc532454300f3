#include "LessonControls.h"

#include <algorithm>
#include <cctype>

#include "model/common/Conversions.h"

namespace decay {
namespace {

using K = ControlKind;

constexpr std::string_view kGrids[] = {"uniform", "logarithmic"};
constexpr std::string_view kDetectors[] = {"ideal", "geiger"};
constexpr std::string_view kDeadTimes[] = {"nonParalysable", "paralysable"};
constexpr std::string_view kSpeeds[] = {"1", "10", "100", "1000", "fastest"};
constexpr std::string_view kMethods[] = {"poisson", "leastSquares"};
constexpr std::string_view kShapes[] = {"one", "two", "chain"};

// The decay run's four entries: its windows take entries and nothing else from a lesson.
constexpr LessonControl kRunControls[] = {
    {"txtN0", K::Entry}, {"simut", K::Entry}, {"rrate", K::Entry}, {"halftime", K::Entry},
};

constexpr LessonControl kExperimentControls[] = {
    {"txtAtoms", K::Entry},     {"txtRate", K::Entry},     {"txtHalfLife", K::Entry}, {"txtLastStep", K::Entry},
    {"txtRuns", K::Entry},      {"txtSeed", K::Entry},     {"cmdNewSeed", K::Command}, {"cmdRun", K::Command},
    {"cmdImport", K::Command},  {"cmdExport", K::Command}, {"optCounts", K::Option},  {"optLog", K::Option},
    {"optHalfLives", K::Option},
};

// The lab's run: the chain and its entries. The counting lab counts the lab's run, so it has them too.
#define ATOMDRIFT_LAB_RUN_CONTROLS                                                                                     \
    {"cboNuclide", K::Choice}, {"txtThreshold", K::Entry}, {"txtAtoms#", K::Entry}, {"cboAmountUnit#", K::Choice},    \
        {"cboGrid", K::Choice, kGrids}, {"txtStep", K::Entry}, {"cboStepUnit", K::Choice}, {"txtSteps", K::Entry},            \
        {"txtFirstTime", K::Entry}, {"cboFirstUnit", K::Choice}, {"txtLastTime", K::Entry},                          \
        {"cboLastUnit", K::Choice}, {"txtPerDecade", K::Entry}, {"cboMilk", K::Choice}, {"txtMilkStep", K::Entry},    \
        {"cmdExact", K::Command}, {"cmdRandom", K::Command}

constexpr LessonControl kNuclideControls[] = {
    ATOMDRIFT_LAB_RUN_CONTROLS,
    {"optAtoms", K::Option},    {"optActivity", K::Option}, {"optRatio", K::Option},  {"chkLog", K::Check},
    {"cboActivityUnit", K::Choice}, {"cboDaughter", K::Choice}, {"cboOver", K::Choice}, {"cmdMilk", K::Command},
    {"cmdChart", K::Command},   {"cmdNotes", K::Command},   {"cmdCounter", K::Command}, {"cmdExport", K::Command},
};

constexpr LessonControl kCountingControls[] = {
    ATOMDRIFT_LAB_RUN_CONTROLS,
    {"chkMember#", K::Check},     {"cboDetector", K::Choice, kDetectors},   {"txtEfficiency", K::Entry}, {"txtBackground", K::Entry},
    {"txtBackgroundTime", K::Entry}, {"cmdBackground", K::Command}, {"cboDeadTime", K::Choice, kDeadTimes}, {"txtDeadTime", K::Entry},
    {"txtInterval", K::Entry},    {"cboSpeed", K::Choice, kSpeeds},      {"chkSound", K::Check},      {"cmdStart", K::Command},
    {"cmdStep", K::Command},      {"cmdPause", K::Command},     {"cboMethod", K::Choice, kMethods},    {"cboFitModel", K::Choice, kShapes},
    {"chkLog", K::Check},         {"cmdImport", K::Command},    {"cmdExportCounts", K::Command},
    {"txtActivation", K::Entry},  {"cmdSilver", K::Command},    {"txtCarbon", K::Entry},     {"txtAge", K::Entry},
    {"txtDatingTime", K::Entry},  {"cmdNewSample", K::Command}, {"cmdCountSample", K::Command},
    {"cmdReveal", K::Command},    {"txtRepeatRate", K::Entry},  {"txtRepeatTime", K::Entry}, {"txtRepeats", K::Entry},
    {"cmdRepeat", K::Command},
};
#undef ATOMDRIFT_LAB_RUN_CONTROLS

// "txtAtoms12" is "txtAtoms#" for the twelfth member; numbers start at 1 and have no leading 0.
bool stands(std::string_view pattern, std::string_view name)
{
    if (pattern.empty() || pattern.back() != '#') return pattern == name;
    const auto stem = pattern.substr(0, pattern.size() - 1);
    if (name.size() <= stem.size() || name.substr(0, stem.size()) != stem) return false;
    const auto number = name.substr(stem.size());
    return number.size() <= 3 && number.front() != '0' &&
           std::all_of(number.begin(), number.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

std::span<const LessonControl> lessonControls(LessonPart part)
{
    switch (part) {
    case LessonPart::Run: return kRunControls;
    case LessonPart::Experiment: return kExperimentControls;
    case LessonPart::Nuclides: return kNuclideControls;
    case LessonPart::Counting: return kCountingControls;
    }
    return {};
}

const LessonControl* lessonControl(LessonPart part, std::string_view name)
{
    const auto controls = lessonControls(part);
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const LessonControl& c) { return stands(c.name, name); });
    return found == controls.end() ? nullptr : &*found;
}

namespace {

std::string replaced(const std::string& text, std::string_view from, std::string_view to)
{
    if (from.empty() || from == to) return text;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

} // namespace

std::string shownEntry(const std::string& stored, std::string_view decimalPoint)
{
    return replaced(stored, ".", decimalPoint);
}

std::string storedEntry(const std::string& shown, std::string_view decimalPoint)
{
    return replaced(shown, decimalPoint, ".");
}

Message rangeRefusal(const Lesson& lesson, std::string_view control, std::string_view text, std::string_view decimalPoint)
{
    const ControlRule* rule = lesson.rule(control);
    if (!rule || rule->use != ControlUse::Range) return {};
    const auto value = strictValue(text, decimalPoint);
    if (!value || (*value >= rule->low && *value <= rule->high)) return {};
    return Message{"This lesson takes values from %1 to %2 here, and %3 is outside them.",
                   {numberValue(rule->low, 15), numberValue(rule->high, 15), numberValue(*value, 15)}};
}

} // namespace decay
