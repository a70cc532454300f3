#include "LessonMarking.h"

#include "model/common/Conversions.h"
#include "model/common/TimeUnits.h"
#include "model/counting/CountingSession.h"
#include "model/nuclides/NuclideLabSession.h"
#include "model/experiment/EnsembleStats.h"
#include "model/nuclides/ChainActivity.h"
#include "model/nuclides/TableChain.h"
#include "model/run/Entries.h"
#include "model/run/Runs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace decay {
namespace {

struct KnownQuantity {
    std::string_view name;
    std::initializer_list<LessonPart> parts;
    std::initializer_list<std::string_view> arguments;
    bool time;
    const char* description;
};

const KnownQuantity kQuantities[] = {
    {"atoms", {LessonPart::Run}, {"step"}, false, "The atoms left at a step of the student's random run"},
    {"expectedAtoms", {LessonPart::Run}, {"step"}, false, "N0·e^(−r·t) at a step"},
    {"halfLife", {LessonPart::Run, LessonPart::Experiment}, {}, false, "ln 2 / r, the half-life in steps"},
    {"meanAtoms", {LessonPart::Experiment}, {"step"}, false, "The class's mean number of atoms at a step"},
    {"halvingHalfLife", {LessonPart::Experiment}, {}, false, "The class's mean half-life where N first falls to N0/2"},
    {"slopeHalfLife", {LessonPart::Experiment}, {}, false, "The class's mean half-life from the slope of ln N"},
    {"tableHalfLife", {LessonPart::Nuclides, LessonPart::Counting}, {"nuclide"}, true, "A nuclide's half-life in the table"},
    {"equilibriumRatio", {LessonPart::Nuclides, LessonPart::Counting}, {"daughter", "over"}, false,
     "The activity of a daughter over that of a member before it, once in equilibrium"},
    {"labAtoms", {LessonPart::Nuclides}, {"member", "step"}, false, "The atoms of a member at a step of the exact run"},
    {"activityPeak", {LessonPart::Nuclides}, {"member"}, true, "When the activity of a member peaks, in the exact run"},
    {"fittedHalfLife", {LessonPart::Counting}, {}, true, "The half-life fitted to the student's counts"},
    {"backgroundRate", {LessonPart::Counting}, {}, false, "The background rate the student measured, per second"},
    {"datedAge", {LessonPart::Counting}, {}, true, "The age of the student's carbon sample from its first count"},
    {"sampleAge", {LessonPart::Counting}, {}, true, "The true age of the student's carbon sample"},
};

const KnownQuantity* knownQuantity(const std::string& name)
{
    for (const KnownQuantity& known : kQuantities)
        if (known.name == name) return &known;
    return nullptr;
}

std::string setupText(const Lesson& lesson, std::string_view control, std::string_view otherwise)
{
    const std::string* value = lesson.setupValue(control);
    return value ? *value : std::string(otherwise);
}

// The rate the lesson gives, or ln 2 over the half-life where it gives that alone; else the windows'
// 0.1.
std::string rateText(const Lesson& lesson, std::string_view rateControl, std::string_view halfLifeControl)
{
    const std::string rate = setupText(lesson, rateControl, "");
    if (!isBlank(rate)) return rate;
    const std::string* halfLife = lesson.setupValue(halfLifeControl);
    return (halfLife ? lnTwoOverText(*halfLife, ".") : std::nullopt).value_or("0.1");
}

// The lab's chain: the lesson's nuclide, with the branches above the lesson's threshold.
TableChain lessonChain(const Lesson& lesson, const NuclideTable& table)
{
    ChainOptions options;
    if (const std::string* threshold = lesson.setupValue("txtThreshold"))
        if (const NumberEntry read = readBranchThreshold(*threshold, "."); read.value) options.threshold = *read.value / 100;
    return chainFromTable(table, setupText(lesson, "cboNuclide", ""), options);
}

// The decay run's entries as its windows start with them, unless the lesson sets them.
RunTexts runTexts(const Lesson& lesson)
{
    RunTexts texts;
    texts.N0 = setupText(lesson, "txtN0", "100");
    texts.simulationTime = setupText(lesson, "simut", "50");
    texts.rate = rateText(lesson, "rrate", "halftime");
    return texts;
}

EnsembleTexts ensembleTexts(const Lesson& lesson, std::uint64_t seed)
{
    EnsembleTexts texts;
    texts.atoms = setupText(lesson, "txtAtoms", "100");
    texts.rate = rateText(lesson, "txtRate", "txtHalfLife");
    texts.lastStep = setupText(lesson, "txtLastStep", "50");
    texts.runs = setupText(lesson, "txtRuns", "30");
    texts.seed = std::to_string(seed);
    return texts;
}

// Why the decay run's windows would replace an entry as the lesson gives it.
Message runSetupFault(const Lesson& lesson)
{
    const auto replaced = [](const char* name, const std::string* text) {
        return Message{"%1 is “%2”, which the decay run would replace on Enter.", {name, *text}};
    };
    if (const std::string* text = lesson.setupValue("txtN0"); text && confirmInitialAtoms(*text)) return replaced("txtN0", text);
    if (const std::string* text = lesson.setupValue("simut"); text && confirmSimulationTime(*text)) return replaced("simut", text);
    if (const std::string* text = lesson.setupValue("rrate"); text && !isBlank(*text) && confirmRate(*text, ".").replacement)
        return replaced("rrate", text);
    if (const std::string* text = lesson.setupValue("halftime"); text && !isBlank(*text) && confirmHalfLife(*text, ".").replacement)
        return replaced("halftime", text);
    return {};
}

std::optional<TimeUnit> timeUnitOfKey(const std::string& key)
{
    for (TimeUnit unit : kTimeUnits)
        if (unitName(unit) == key) return unit;
    return std::nullopt;
}

int memberPlace(const Chain& chain, const std::string& symbol)
{
    for (int i = 0; i < chain.size(); ++i)
        if (chain.members[static_cast<std::size_t>(i)].symbol == symbol) return i;
    return -1;
}

// The number of a per-member control ("txtAtoms3" is member 3), 0 for another control.
int memberNumber(const std::string& name, std::string_view stem)
{
    if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) return 0;
    const auto number = wholeNumber(std::string_view(name).substr(stem.size()), ".");
    return number && *number > 0 && *number < 1000 ? static_cast<int>(*number) : 0;
}

// The lab's run entries: the chain's defaults, as the lab opens it, with the lesson's set-up over them.
RunSetupTexts labEntries(const Lesson& lesson, const Chain& chain)
{
    RunSetupTexts texts = defaultEntries(chain, runDefaults(chain));
    texts.initial.resize(chain.members.size());
    texts.amountUnits.resize(chain.members.size(), AmountUnit::Atoms);
    for (const auto& [name, value] : lesson.setup) {
        if (const int member = memberNumber(name, "txtAtoms"); member > 0 && member <= chain.size())
            texts.initial[static_cast<std::size_t>(member - 1)] = value;
        if (const int member = memberNumber(name, "cboAmountUnit"); member > 0 && member <= chain.size())
            texts.amountUnits[static_cast<std::size_t>(member - 1)] = value == "g" ? AmountUnit::Grams : value == "Bq" ? AmountUnit::Becquerel : AmountUnit::Atoms;
        if (name == "cboGrid") texts.grid = value == "logarithmic" ? GridKind::Logarithmic : GridKind::Uniform;
        if (name == "txtStep") texts.step = value;
        if (name == "txtSteps") texts.steps = value;
        if (name == "txtFirstTime") texts.first = value;
        if (name == "txtLastTime") texts.last = value;
        if (name == "txtPerDecade") texts.perDecade = value;
        if (name == "txtMilkStep") texts.milkStep = value;
        if (name == "cboMilk") texts.milkMember = std::max(memberPlace(chain, value), 0);
        if (name == "cboStepUnit") texts.unit = timeUnitOfKey(value).value_or(texts.unit);
        if (name == "cboFirstUnit") texts.firstUnit = timeUnitOfKey(value).value_or(texts.firstUnit);
        if (name == "cboLastUnit") texts.lastUnit = timeUnitOfKey(value).value_or(texts.lastUnit);
    }
    return texts;
}

// The counter's entries as the counting lab opens them, with the lesson's set-up over them.
CounterTexts counterTexts(const Lesson& lesson)
{
    CounterTexts texts;
    if (setupText(lesson, "cboDetector", "ideal") == "geiger") texts.deadTime = "100";
    texts.efficiency = setupText(lesson, "txtEfficiency", texts.efficiency);
    texts.background = setupText(lesson, "txtBackground", texts.background);
    texts.stepsPerInterval = setupText(lesson, "txtInterval", texts.stepsPerInterval);
    texts.deadTime = setupText(lesson, "txtDeadTime", texts.deadTime);
    if (setupText(lesson, "cboDeadTime", "") == "paralysable") texts.deadTimeKind = DeadTime::Kind::Paralysable;
    return texts;
}

std::optional<int> stepArgument(const ExpectedAnswer& answer)
{
    const auto found = answer.arguments.find("step");
    if (found == answer.arguments.end()) return std::nullopt;
    const auto step = wholeNumber(found->second, ".");
    if (!step || *step < 0 || *step > 100000) return std::nullopt;
    return static_cast<int>(*step);
}

std::string amountKey(AmountUnit unit)
{
    return unit == AmountUnit::Grams ? "g" : unit == AmountUnit::Becquerel ? "Bq" : "atoms";
}

// The lab's entries in stored form.
void putLabEntries(std::vector<std::pair<std::string, std::string>>& entries, const Lesson& lesson, const Chain& chain)
{
    const RunSetupTexts texts = labEntries(lesson, chain);
    entries.emplace_back("cboNuclide", setupText(lesson, "cboNuclide", ""));
    entries.emplace_back("txtThreshold", setupText(lesson, "txtThreshold", numberText(ChainOptions{}.threshold * 100)));
    for (std::size_t i = 0; i < chain.members.size(); ++i) {
        entries.emplace_back("txtAtoms" + std::to_string(i + 1), texts.initial[i]);
        entries.emplace_back("cboAmountUnit" + std::to_string(i + 1), amountKey(texts.amountUnits[i]));
    }
    entries.emplace_back("cboGrid", texts.grid == GridKind::Logarithmic ? "logarithmic" : "uniform");
    entries.emplace_back("txtStep", texts.step);
    entries.emplace_back("cboStepUnit", std::string(unitName(texts.unit)));
    entries.emplace_back("txtSteps", texts.steps);
    entries.emplace_back("txtFirstTime", texts.first);
    entries.emplace_back("cboFirstUnit", std::string(unitName(texts.firstUnit)));
    entries.emplace_back("txtLastTime", texts.last);
    entries.emplace_back("cboLastUnit", std::string(unitName(texts.lastUnit)));
    entries.emplace_back("txtPerDecade", texts.perDecade);
    entries.emplace_back("cboMilk", chain.members[static_cast<std::size_t>(std::clamp(texts.milkMember, 0, chain.size() - 1))].symbol);
    entries.emplace_back("txtMilkStep", texts.milkStep);
}

} // namespace

std::vector<std::pair<std::string, std::string>> completeSetup(const Lesson& lesson, const NuclideTable* table)
{
    std::vector<std::pair<std::string, std::string>> entries;
    if (lesson.part == LessonPart::Run) {
        const RunTexts texts = runTexts(lesson);
        entries = {{"txtN0", texts.N0}, {"simut", texts.simulationTime}, {"rrate", texts.rate},
                   {"halftime", setupText(lesson, "halftime", lnTwoOverText(texts.rate, ".").value_or(""))}};
    } else if (lesson.part == LessonPart::Experiment) {
        const EnsembleTexts texts = ensembleTexts(lesson, 0);
        entries = {{"txtAtoms", texts.atoms}, {"txtRate", texts.rate},
                   {"txtHalfLife", setupText(lesson, "txtHalfLife", lnTwoOverText(texts.rate, ".").value_or(""))},
                   {"txtLastStep", texts.lastStep}, {"txtRuns", texts.runs}};
    } else {
        if (!table) return {};
        const TableChain chain = lessonChain(lesson, *table);
        if (!chain.chain) return {};
        putLabEntries(entries, lesson, *chain.chain);
        if (lesson.part == LessonPart::Counting) {
            const CounterTexts counter = counterTexts(lesson);
            entries.emplace_back("cboDetector", setupText(lesson, "cboDetector", "ideal"));
            entries.emplace_back("txtDeadTime", counter.deadTime);
            entries.emplace_back("cboDeadTime", counter.deadTimeKind == DeadTime::Kind::Paralysable ? "paralysable" : "nonParalysable");
            entries.emplace_back("txtEfficiency", counter.efficiency);
            entries.emplace_back("txtBackground", counter.background);
            entries.emplace_back("txtBackgroundTime", setupText(lesson, "txtBackgroundTime", "600"));
            entries.emplace_back("txtInterval", counter.stepsPerInterval);
            for (int i = 0; i < chain.chain->size(); ++i)
                if (!chain.chain->members[static_cast<std::size_t>(i)].stable())
                    entries.emplace_back("chkMember" + std::to_string(i + 1), setupText(lesson, "chkMember" + std::to_string(i + 1), "true"));
            for (const auto& [name, value] : {std::pair{"txtActivation", "300"}, {"txtCarbon", "100"}, {"txtAge", ""}, {"txtDatingTime", "60"},
                                              {"txtRepeatRate", "5"}, {"txtRepeatTime", "1"}, {"txtRepeats", "100"}})
                entries.emplace_back(name, setupText(lesson, name, value));
        }
    }
    for (const auto& set : lesson.setup)
        if (std::none_of(entries.begin(), entries.end(), [&](const auto& entry) { return entry.first == set.first; })) entries.push_back(set);
    return entries;
}

std::vector<QuantityInfo> lessonQuantities(LessonPart part)
{
    std::vector<QuantityInfo> quantities;
    for (const KnownQuantity& known : kQuantities) {
        if (std::find(known.parts.begin(), known.parts.end(), part) == known.parts.end()) continue;
        QuantityInfo info{std::string(known.name), {}, known.time, Message{known.description}};
        for (std::string_view argument : known.arguments) info.arguments.emplace_back(argument);
        quantities.push_back(std::move(info));
    }
    return quantities;
}

Message markMessage(const Mark& mark)
{
    switch (mark.verdict) {
    case Verdict::Right: return Message{"Right."};
    case Verdict::Wrong: return Message{"Not right yet: look again and try once more."};
    case Verdict::Unanswered: return {};
    case Verdict::Collected: return Message{"Your answer is kept for your teacher."};
    case Verdict::Unmarked: return Message{"This answer cannot be checked here: %1", {modelSentence(mark.note)}};
    }
    return {};
}

bool isTimeQuantity(const std::string& quantity)
{
    const KnownQuantity* known = knownQuantity(quantity);
    return known && known->time;
}

Message quantityFault(const Lesson& lesson, const ExpectedAnswer& answer)
{
    const KnownQuantity* known = knownQuantity(answer.quantity);
    if (!known) return Message{"Atomdrift knows no quantity “%1”.", {answer.quantity}};
    if (std::find(known->parts.begin(), known->parts.end(), lesson.part) == known->parts.end())
        return Message{"the part “%1” has no quantity “%2”.", {modelSentence(partName(lesson.part)), answer.quantity}};
    for (std::string_view argument : known->arguments)
        if (!answer.arguments.contains(std::string(argument)))
            return Message{"the quantity “%1” needs its “%2”.", {answer.quantity, std::string(argument)}};
    if (known->arguments.size() == 1 && *known->arguments.begin() == "step" && !stepArgument(answer))
        return Message{"the step of “%1” should be a whole number from 0.", {answer.quantity}};
    return {};
}

Message partSetupFault(const Lesson& lesson)
{
    if (lesson.part == LessonPart::Run) return runSetupFault(lesson);
    if (lesson.part == LessonPart::Experiment) {
        const EnsembleEntry entry = readEnsemble(ensembleTexts(lesson, 0));
        if (!entry.params) return entry.error;
    }
    return {};
}

std::optional<double> answerNumber(std::string_view text, std::string_view decimalPoint)
{
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\'') compact += c; // digit groups written with spaces or apostrophes
    const auto number = strictValue(compact, decimalPoint);
    if (number && std::isfinite(*number)) return number;
    return std::nullopt;
}

bool withinTolerance(double answer, double expected, const Tolerance& tolerance)
{
    const double off = std::fabs(answer - expected);
    return off <= tolerance.absolute || off <= tolerance.relative * std::fabs(expected);
}

struct LessonEvaluator::Cache {
    bool ran = false;
    std::optional<Ensemble> runs;
    std::optional<EnsembleStats> stats;
    RunState designed;
    bool designedRan = false;
    std::optional<TableChain> chain;
    std::optional<std::optional<LabRun>> labRun;
    std::optional<CountingSession> counting, dating;
    Message countingFault, datingFault;
};

LessonEvaluator::LessonEvaluator(const Lesson& lesson, std::uint64_t seed, const NuclideTable* table)
    : m_lesson(lesson), m_seed(seed), m_table(table), m_cache(std::make_unique<Cache>())
{
}

LessonEvaluator::~LessonEvaluator() = default;

const std::optional<Ensemble>& LessonEvaluator::runs()
{
    Cache& c = *m_cache;
    if (c.ran) return c.runs;
    c.ran = true;
    if (m_lesson.part == LessonPart::Run) {
        const RunTexts texts = runTexts(m_lesson);
        // As a student does: RUN first, which sets the last step, then the random decay.
        c.designedRan = runDeterministic(c.designed, texts).ran && runRandom(c.designed, texts, m_seed).ran;
        if (!c.designedRan) return c.runs;
        Ensemble run;
        run.params.atoms = static_cast<int>(c.designed.Nt[0]);
        run.params.rate = strictValue(texts.rate, ".").value_or(0);
        run.params.lastStep = c.designed.tmax;
        run.params.runs = 1;
        run.params.seed = m_seed;
        for (int t = 0; t <= c.designed.tmax; ++t) run.counts.push_back(static_cast<std::int16_t>(c.designed.Nt[static_cast<std::size_t>(t)]));
        c.runs = std::move(run);
    } else if (m_lesson.part == LessonPart::Experiment) {
        const EnsembleEntry entry = readEnsemble(ensembleTexts(m_lesson, m_seed));
        if (!entry.params) return c.runs;
        ProgressCounter progress;
        c.runs = runEnsemble(*entry.params, progress, 1);
    }
    if (c.runs && m_lesson.part == LessonPart::Experiment) c.stats = ensembleStats(*c.runs);
    return c.runs;
}

const Chain* LessonEvaluator::labChain(Message* why)
{
    Cache& c = *m_cache;
    if (!c.chain) {
        if (!m_table) {
            if (why) *why = Message{"The nuclide table is not loaded."};
            return nullptr;
        }
        c.chain = lessonChain(m_lesson, *m_table);
    }
    if (!c.chain->chain && why) *why = Message{"The lesson's chain cannot be made from the table."};
    return c.chain->chain ? &*c.chain->chain : nullptr;
}

const LabRun* LessonEvaluator::labRun(Message* why)
{
    Cache& c = *m_cache;
    const Chain* chain = labChain(why);
    if (!chain) return nullptr;
    if (!c.labRun) {
        c.labRun.emplace();
        auto prepared = NuclideLabSession::prepare(*chain, labEntries(m_lesson, *chain), false);
        if (auto* ready = std::get_if<NuclideLabSession::Prepared>(&prepared))
            *c.labRun = NuclideLabSession::run(*ready, drawSeed(m_seed, LessonDraw::Run));
    }
    if (!*c.labRun && why) *why = Message{"The lesson's run cannot be made from its set-up."};
    return *c.labRun ? &**c.labRun : nullptr;
}

// The counting a student does who follows the lesson: the background measured first, then the
// sample's exact run counted to its end by every member that decays, unless the lesson marks them.
CountingSession* LessonEvaluator::counted(Message* why)
{
    Cache& c = *m_cache;
    if (!c.counting && c.countingFault.empty()) {
        const LabRun* run = labRun(why);
        if (!run) return nullptr;
        const CounterSettingsEntry settings = readCounterSettings(counterTexts(m_lesson));
        if (!settings.settings) {
            c.countingFault = settings.error;
        } else {
            CountingSession session;
            session.setSample(*run);
            std::vector<bool> chosen(run->chain.members.size(), false);
            for (const CountingSession::Member& member : session.countable()) {
                const std::string* marked = m_lesson.setupValue("chkMember" + std::to_string(member.place + 1));
                chosen[static_cast<std::size_t>(member.place)] = !marked || *marked == "true";
            }
            session.measureBackground(*settings.settings, setupText(m_lesson, "txtBackgroundTime", "600"), ".", drawSeed(m_seed, LessonDraw::Background));
            if (!session.background()) session.measureBackground(*settings.settings, kFirstBackgroundTime, drawSeed(m_seed, LessonDraw::Background));
            c.countingFault = session.start(*settings.settings, chosen, drawSeed(m_seed, LessonDraw::Counter), drawSeed(m_seed, LessonDraw::Background));
            if (c.countingFault.empty()) {
                session.playTo(run->times().back());
                c.counting = std::move(session);
            }
        }
    }
    if (!c.counting && why) *why = c.countingFault;
    return c.counting ? &*c.counting : nullptr;
}

// A carbon sample dated from one count of the lesson's time, as the dating tab makes it.
CountingSession* LessonEvaluator::dated(Message* why)
{
    Cache& c = *m_cache;
    if (!c.dating && c.datingFault.empty()) {
        const CounterSettingsEntry settings = readCounterSettings(counterTexts(m_lesson));
        CountingSession session;
        c.datingFault = settings.settings ? session.newDatingSample(setupText(m_lesson, "txtCarbon", "100"), setupText(m_lesson, "txtAge", ""), ".",
                                                                    drawSeed(m_seed, LessonDraw::DatingSample))
                                          : settings.error;
        if (c.datingFault.empty())
            c.datingFault = session.countDatingSample(*settings.settings, setupText(m_lesson, "txtDatingTime", "60"), ".", drawSeed(m_seed, LessonDraw::DatingCount));
        if (c.datingFault.empty() && !session.datings().empty()) c.dating = std::move(session);
    }
    if (!c.dating && why) *why = c.datingFault;
    return c.dating ? &*c.dating : nullptr;
}

std::optional<double> LessonEvaluator::expected(int stepIndex, Message* why)
{
    const auto refuse = [&](Message message) -> std::optional<double> {
        if (why) *why = std::move(message);
        return std::nullopt;
    };
    if (stepIndex < 0 || stepIndex >= static_cast<int>(m_lesson.steps.size())) return refuse(Message{"The lesson has no such step."});
    const LessonStep& step = m_lesson.steps[static_cast<std::size_t>(stepIndex)];
    if (!step.answer) return refuse({});
    const ExpectedAnswer& answer = *step.answer;
    if (answer.quantity.empty()) return answer.value ? answer.value : refuse({});
    if (Message fault = quantityFault(m_lesson, answer); !fault.empty()) return refuse(std::move(fault));

    const std::string& q = answer.quantity;
    std::optional<double> value;
    if (q == "tableHalfLife") {
        if (!m_table) return refuse(Message{"The nuclide table is not loaded."});
        const Nuclide* nuclide = m_table->find(answer.arguments.at("nuclide"));
        if (!nuclide) return refuse(Message{"The table has no nuclide %1.", {answer.arguments.at("nuclide")}});
        if (nuclide->halfLife <= 0) return refuse(Message{"%1 is stable and has no half-life.", {nuclide->symbol}});
        value = nuclide->halfLife;
    } else if (q == "equilibriumRatio" || q == "labAtoms" || q == "activityPeak") {
        const Chain* chain = labChain(why);
        if (!chain) return std::nullopt;
        const auto place = [&](const char* argument) { return memberPlace(*chain, answer.arguments.at(argument)); };
        const char* first = q == "equilibriumRatio" ? "daughter" : "member";
        if (place(first) < 0 || (q == "equilibriumRatio" && place("over") < 0))
            return refuse(Message{"The lesson's chain has no member %1.", {answer.arguments.at(place(first) < 0 ? first : "over")}});
        if (q == "equilibriumRatio") {
            const Equilibrium e = equilibrium(*chain, pureStart(*chain), place("daughter"), place("over"));
            if (e.kind == EquilibriumKind::None || !std::isfinite(e.ratio))
                return refuse(Message{"%1 comes into no equilibrium with %2.", {answer.arguments.at("daughter"), answer.arguments.at("over")}});
            value = e.ratio;
        } else {
            const LabRun* run = labRun(why);
            if (!run) return std::nullopt;
            if (q == "labAtoms") {
                const int at = *stepArgument(answer);
                if (at > run->atoms.steps) return refuse(Message{"The run ends at step %1, before step %2.", {run->atoms.steps, at}});
                value = run->atoms.at(place("member"), at);
            } else {
                const double peak = activityPeak(*chain, run->setup.initial, place("member"));
                if (!std::isfinite(peak)) return refuse(Message{"The activity of %1 has no peak in this run.", {answer.arguments.at("member")}});
                value = peak;
            }
        }
    } else if (q == "fittedHalfLife" || q == "backgroundRate") {
        CountingSession* session = counted(why);
        if (!session) return std::nullopt;
        if (q == "backgroundRate") {
            value = session->background()->rate();
        } else {
            const std::string method = setupText(m_lesson, "cboMethod", "poisson"), shape = setupText(m_lesson, "cboFitModel", "");
            const FitShape fitShape = shape == "one" ? FitShape::OneNuclide : shape == "two" ? FitShape::TwoNuclides : shape == "chain" ? FitShape::Chain : session->defaultShape();
            const HalfLifeFit& fit = session->fit(method == "leastSquares" ? FitMethod::WeightedLeastSquares : FitMethod::PoissonLikelihood, fitShape);
            if (!std::isfinite(fit.halfLife)) return refuse(Message{"The counts of this run give no fit."});
            value = fit.halfLife / session->shownTime().toShown;
        }
    } else if (q == "datedAge" || q == "sampleAge") {
        CountingSession* session = dated(why);
        if (!session) return std::nullopt;
        value = (q == "sampleAge" ? session->datingSample()->age : session->datings().front().result.ages[0].age) * unitSeconds(TimeUnit::Year);
    } else if (q == "expectedAtoms" || (q == "halfLife" && m_lesson.part == LessonPart::Run)) {
        const RunTexts texts = runTexts(m_lesson);
        const double n0 = strictValue(texts.N0, ".").value_or(0), rate = strictValue(texts.rate, ".").value_or(0);
        if (q == "halfLife") {
            if (rate <= 0) return refuse(Message{"A rate of 0 has no half-life."});
            value = std::numbers::ln2 / rate;
        } else {
            value = n0 * std::exp(-rate * *stepArgument(answer));
        }
    } else {
        const std::optional<Ensemble>& made = runs();
        if (!made) return refuse(Message{"The lesson's run cannot be made from its set-up."});
        const auto at = stepArgument(answer);
        if (at && *at > made->params.lastStep)
            return refuse(Message{"The run ends at step %1, before step %2.", {made->params.lastStep, *at}});
        if (q == "atoms") {
            value = made->run(0)[static_cast<std::size_t>(*at)];
        } else {
            const EnsembleStats& stats = *m_cache->stats;
            if (q == "meanAtoms") value = stats.mean[static_cast<std::size_t>(*at)];
            if (q == "halfLife") value = stats.continuousHalfLife;
            if (q == "halvingHalfLife") value = stats.halving.count > 0 ? std::optional(stats.halving.mean) : std::nullopt;
            if (q == "slopeHalfLife") value = stats.slopeHalfLife.count > 0 ? std::optional(stats.slopeHalfLife.mean) : std::nullopt;
            if (!value) return refuse(Message{"No run of the class gives that half-life."});
        }
    }
    if (isTimeQuantity(q)) {
        // "a", the year as German and French write it, is the table's "y".
        const auto seconds = symbolSeconds(step.unit == "a" ? std::string_view("y") : std::string_view(step.unit));
        if (!seconds) return refuse(Message{"A time needs a time unit, not “%1”.", {step.unit}});
        *value /= *seconds;
    }
    return value;
}

Mark LessonEvaluator::mark(const StudentAnswer& answer)
{
    Mark mark;
    if (answer.step < 0 || answer.step >= static_cast<int>(m_lesson.steps.size())) return mark;
    const LessonStep& step = m_lesson.steps[static_cast<std::size_t>(answer.step)];
    switch (step.question) {
    case QuestionKind::None:
        return mark;
    case QuestionKind::Text:
        mark.verdict = isBlank(answer.text) ? Verdict::Unanswered : Verdict::Collected;
        return mark;
    case QuestionKind::Choice:
        if (!answer.choice) return mark;
        if (!step.answer || !step.answer->choice) {
            mark.verdict = Verdict::Collected;
            return mark;
        }
        mark.expected = *step.answer->choice;
        mark.verdict = *answer.choice == *step.answer->choice ? Verdict::Right : Verdict::Wrong;
        return mark;
    case QuestionKind::Number:
    case QuestionKind::ReadOff:
        break;
    }
    mark.expected = expected(answer.step, &mark.note);
    if (!answer.number) return mark;
    if (!mark.expected) {
        mark.verdict = mark.note.empty() ? Verdict::Collected : Verdict::Unmarked;
        return mark;
    }
    mark.verdict = withinTolerance(*answer.number, *mark.expected, step.tolerance) ? Verdict::Right : Verdict::Wrong;
    return mark;
}

} // namespace decay
