// Lessons: the lesson the page has open with its student's marking, the lesson the maker is
// making, the link and the page that carry a lesson, the student's hand-in and the teacher's
// collection of a class's hand-ins. The model reads, writes, compresses and marks; this file
// hands its results to the page and reads the page's values with the hardened readers.

#include "Bindings.h"
#include "LabBindings.h"
#include "PlotBindings.h"

#include "model/experiment/EnsembleStats.h"
#include "model/experiment/ExperimentPlot.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/HandOut.h"
#include "model/lesson/Lesson.h"
#include "model/lesson/LessonControls.h"
#include "model/lesson/LessonMarking.h"
#include "output/ExperimentFile.h"

#include <emscripten/bind.h>

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace web {
namespace {

struct Lessons {
    // The open lesson, where the evaluator can keep a reference to it.
    std::unique_ptr<decay::Lesson> open;
    std::uint64_t seed = 0;
    std::unique_ptr<decay::LessonEvaluator> evaluator;
    std::optional<decay::Lesson> draft;
    std::optional<decay::Collection> collection;
    std::optional<decay::EnsembleStats> pooledStats;
};

Lessons& lessons()
{
    static Lessons state;
    return state;
}

const decay::NuclideTable* table()
{
    const decay::NuclideTable& nuclides = labSession().table();
    return nuclides.nuclides.empty() ? nullptr : &nuclides;
}

constexpr std::array kUses = {decay::ControlUse::Open, decay::ControlUse::Locked, decay::ControlUse::Hidden, decay::ControlUse::Range};
constexpr const char* kUseKeys[] = {"open", "locked", "hidden", "range"};
constexpr const char* kKindKeys[] = {"entry", "text", "choice", "check", "option", "command"};
constexpr const char* kVerdictKeys[] = {"right", "wrong", "unanswered", "collected", "unmarked"};
constexpr std::array kQuestions = {decay::QuestionKind::None, decay::QuestionKind::Number, decay::QuestionKind::Choice,
                                   decay::QuestionKind::Text, decay::QuestionKind::ReadOff};

decay::LessonPart partOf(const std::string& key)
{
    return decay::partOfKey(key).value_or(decay::LessonPart::Run);
}

// The lesson's rules for its controls, as the page reads them.
val rulesOf(const decay::Lesson& lesson)
{
    val controls = val::array();
    for (const decay::ControlRule& rule : lesson.controls) {
        val item = val::object();
        item.set("name", rule.name);
        item.set("use", std::string(kUseKeys[static_cast<int>(rule.use)]));
        item.set("low", rule.low);
        item.set("high", rule.high);
        controls.call<void>("push", item);
    }
    return controls;
}

// The lesson's texts for a user of `language`, as the panel shows them: {title, introduction,
// part, language, feedback, handInAnswers, handInData, perStudent, steps: [{text, question,
// unit, choices}], setup: [[control, stored]], controls: [{name, use, low, high}]}.
val lessonView(const decay::Lesson& lesson, const std::string& wanted)
{
    const std::string language = lesson.languageOf(wanted);
    val steps = val::array();
    for (const decay::LessonStep& step : lesson.steps) {
        val item = val::object();
        item.set("text", step.text.in(language));
        item.set("question", std::string(decay::questionKey(step.question)));
        item.set("unit", step.unit);
        std::vector<std::string> choices;
        for (const decay::LessonText& choice : step.choices)
            choices.push_back(choice.in(language));
        item.set("choices", texts(choices));
        steps.call<void>("push", item);
    }
    val setup = val::array();
    for (const auto& [control, stored] : lesson.setup)
        setup.call<void>("push", texts({control, stored}));
    // What the student starts from: every entry of the part, the part's defaults under the
    // lesson's, so that a field typed into before the lesson opened is not carried in.
    val start = val::array();
    for (const auto& [control, stored] : decay::completeSetup(lesson, table()))
        start.call<void>("push", texts({control, stored}));
    const val controls = rulesOf(lesson);
    val view = val::object();
    view.set("id", lesson.id);
    view.set("title", lesson.title.in(language));
    view.set("introduction", lesson.introduction.in(language));
    view.set("language", language);
    view.set("part", std::string(decay::partKey(lesson.part)));
    view.set("feedback", lesson.feedback);
    view.set("handInAnswers", lesson.handInAnswers);
    view.set("handInData", lesson.handInData);
    view.set("perStudent", lesson.seedPolicy == decay::SeedPolicy::PerStudent);
    view.set("steps", steps);
    view.set("setup", setup);
    view.set("start", start);
    view.set("controls", controls);
    return view;
}

// Opens a lesson read, and forgets the student of the one before: {error} names what is wrong.
val opened(const decay::LessonRead& read)
{
    val result = val::object();
    result.set("error", message(read.error));
    if (!read.lesson)
        return result;
    Lessons& state = lessons();
    state.evaluator.reset();
    state.collection.reset();
    state.open = std::make_unique<decay::Lesson>(*read.lesson);
    state.seed = decay::studentSeed(*state.open, "");
    return result;
}

val openLessonText(const std::string& text, const std::string& fileName) { return opened(decay::readLesson(text, fileName)); }
val openLessonLink(const std::string& link, const std::string& name) { return opened(decay::readLessonLink(link, name)); }
bool isLessonLink(const std::string& text) { return decay::isLessonLink(text); }
std::string lessonInPage(const std::string& page) { return decay::lessonInPage(page); }

// The title of a lesson file for a list of lessons; "" for a file that is no lesson.
std::string lessonTitleOf(const std::string& text, const std::string& fileName, const std::string& language)
{
    const decay::LessonRead read = decay::readLesson(text, fileName);
    return read.lesson ? read.lesson->title.in(read.lesson->languageOf(language)) : std::string();
}

val openLessonView(const std::string& language)
{
    const Lessons& state = lessons();
    return state.open ? lessonView(*state.open, language) : val::null();
}

void closeLesson()
{
    Lessons& state = lessons();
    state.evaluator.reset();
    state.open.reset();
}

decay::LessonEvaluator* evaluator()
{
    Lessons& state = lessons();
    if (!state.open)
        return nullptr;
    if (!state.evaluator)
        state.evaluator = std::make_unique<decay::LessonEvaluator>(*state.open, state.seed, table());
    return state.evaluator.get();
}

// The student's name as typed: the seed of the student's data, as decimal digits.
std::string lessonStudent(const std::string& name)
{
    Lessons& state = lessons();
    if (!state.open)
        return {};
    const std::uint64_t seed = decay::studentSeed(*state.open, name);
    if (seed != state.seed || !state.evaluator) {
        state.seed = seed;
        state.evaluator.reset();
    }
    return std::to_string(seed);
}

// {step, number, choice, text}: the number or the choice null when not given.
decay::StudentAnswer studentAnswer(const val& answer)
{
    decay::StudentAnswer read;
    read.step = whole(answer, "step", -1);
    const val number = property(answer, "number");
    if (number.isNumber() && std::isfinite(number.as<double>()))
        read.number = number.as<double>();
    const int choice = whole(answer, "choice", -1);
    if (choice >= 0)
        read.choice = choice;
    read.text = text(answer, "text");
    return read;
}

// The mark of an answer and what the panel says of it: {verdict, message}.
val lessonMark(const val& answer)
{
    decay::LessonEvaluator* marker = evaluator();
    const decay::Mark mark = marker ? marker->mark(studentAnswer(answer)) : decay::Mark{};
    val result = val::object();
    result.set("verdict", std::string(kVerdictKeys[static_cast<int>(mark.verdict)]));
    result.set("message", message(decay::markMessage(mark)));
    return result;
}

val answerNumber(const std::string& text, const std::string& point)
{
    const auto number = decay::answerNumber(text, point);
    return number ? val(*number) : val::null();
}

// The student's hand-in: {fileName, text}, or null without an open lesson.
val lessonHandIn(const std::string& name, const val& answers, const std::string& data)
{
    const Lessons& state = lessons();
    if (!state.open)
        return val::null();
    decay::HandIn handIn;
    handIn.lessonId = state.open->id;
    handIn.lessonTitle = state.open->title.in("");
    handIn.name = name;
    handIn.seed = decay::studentSeed(*state.open, name);
    if (state.open->handInAnswers)
        for (std::size_t i = 0, n = std::min<std::size_t>(length(answers), state.open->steps.size()); i < n; ++i)
            handIn.answers.push_back(studentAnswer(answers[i]));
    if (state.open->handInData)
        handIn.data = data;
    val result = val::object();
    result.set("fileName", decay::handInFileName(*state.open, name));
    result.set("text", decay::writeHandIn(handIn));
    return result;
}

// The run the lesson marks against, made from the set-up and the student's seed: the decay run's
// data file or the class experiment's file, so that a test can hold the page's run beside it.
val lessonRuns()
{
    decay::LessonEvaluator* marker = evaluator();
    if (!marker || !marker->runs())
        return val::null();
    const decay::Ensemble& runs = *marker->runs();
    val result = val::object();
    result.set("seed", std::to_string(runs.params.seed));
    result.set("runs", runs.params.runs);
    result.set("lastStep", runs.params.lastStep);
    result.set("file", decay::experimentFileText(runs, decay::ensembleStats(runs)));
    const val view(emscripten::typed_memory_view(runs.counts.size(), runs.counts.data()));
    result.set("counts", val::global("Int16Array").new_(view));
    return result;
}

val lessonExpected(int step)
{
    decay::LessonEvaluator* marker = evaluator();
    return marker ? value(marker->expected(step)) : val::null();
}

std::string shownEntry(const std::string& stored, const std::string& point) { return decay::shownEntry(stored, point); }
std::string storedEntry(const std::string& shown, const std::string& point) { return decay::storedEntry(shown, point); }

val rangeRefusal(const std::string& control, const std::string& typed, const std::string& point)
{
    const Lessons& state = lessons();
    return message(state.open ? decay::rangeRefusal(*state.open, control, typed, point) : decay::Message{});
}

// The controls of a part a lesson may set: [{name, kind, keys}], a choice's keys in the order of
// its list.
val partControls(const std::string& part)
{
    val list = val::array();
    for (const decay::LessonControl& control : decay::lessonControls(partOf(part))) {
        val item = val::object();
        item.set("name", std::string(control.name));
        item.set("kind", std::string(kKindKeys[static_cast<int>(control.kind)]));
        item.set("keys", texts(std::vector<std::string>(control.keys.begin(), control.keys.end())));
        list.call<void>("push", item);
    }
    return list;
}

// The quantities an answer of a part may name: [{name, arguments, time, description}].
val partQuantities(const std::string& part)
{
    val list = val::array();
    for (const decay::QuantityInfo& info : decay::lessonQuantities(partOf(part))) {
        val item = val::object();
        item.set("name", info.name);
        item.set("arguments", texts(info.arguments));
        item.set("time", info.time);
        item.set("description", message(info.description));
        list.call<void>("push", item);
    }
    return list;
}

// [[language, text], ...]
decay::LessonText lessonText(const val& list)
{
    decay::LessonText result;
    for (std::size_t i = 0, n = length(list); i < n; ++i) {
        const std::vector<std::string> pair = textList(list[i]);
        if (pair.size() == 2 && !pair[1].empty())
            result.byLanguage.emplace_back(pair[0], pair[1]);
    }
    return result;
}

std::optional<double> optionalNumber(const val& object, const char* key)
{
    const val value = property(object, key);
    return value.isNumber() && std::isfinite(value.as<double>()) ? std::optional(value.as<double>()) : std::nullopt;
}

decay::LessonStep lessonStep(const val& item)
{
    decay::LessonStep step;
    step.text = lessonText(property(item, "text"));
    const std::string question = text(item, "question");
    for (decay::QuestionKind kind : kQuestions)
        if (decay::questionKey(kind) == question)
            step.question = kind;
    step.unit = text(item, "unit");
    step.tolerance.relative = number(item, "relative");
    step.tolerance.absolute = number(item, "absolute");
    const val choices = property(item, "choices");
    for (std::size_t i = 0, n = length(choices); i < n; ++i)
        step.choices.push_back(lessonText(choices[i]));
    const val answer = property(item, "answer");
    if (answer.isNull() || answer.isUndefined())
        return step;
    decay::ExpectedAnswer expected;
    expected.value = optionalNumber(answer, "value");
    const int choice = whole(answer, "choice", -1);
    if (choice >= 0)
        expected.choice = choice;
    expected.quantity = text(answer, "quantity");
    const val arguments = property(answer, "arguments");
    for (std::size_t i = 0, n = length(arguments); i < n; ++i) {
        const std::vector<std::string> pair = textList(arguments[i]);
        if (pair.size() == 2)
            expected.arguments[pair[0]] = pair[1];
    }
    step.answer = std::move(expected);
    return step;
}

// The seed of a student's random action of kind `draw` ("Run", "Background", "Counter",
// "DatingSample", "DatingCount", "Repeat", "Silver") done `count` times before in the lesson.
std::string drawSeed(const std::string& student, const std::string& draw, int count)
{
    constexpr std::pair<const char*, decay::LessonDraw> kDraws[] = {
        {"Run", decay::LessonDraw::Run},           {"Background", decay::LessonDraw::Background},
        {"Counter", decay::LessonDraw::Counter},   {"DatingSample", decay::LessonDraw::DatingSample},
        {"DatingCount", decay::LessonDraw::DatingCount}, {"Repeat", decay::LessonDraw::Repeat},
        {"Silver", decay::LessonDraw::Silver}};
    decay::LessonDraw kind = decay::LessonDraw::Run;
    for (const auto& [key, each] : kDraws)
        if (draw == key)
            kind = each;
    return std::to_string(decay::drawSeed(seed(student), kind, std::max(count, 0)));
}

val textsOf(const decay::LessonText& text)
{
    val list = val::array();
    for (const auto& [language, words] : text.byLanguage)
        list.call<void>("push", texts({language, words}));
    return list;
}

// A text of the lesson after the teacher's edit of it as shown in `language`.
val editedText(const val& before, const std::string& language, const std::string& shown)
{
    return textsOf(decay::editedText(lessonText(before), language, shown));
}

// The open lesson as the maker edits it, every language of its texts kept: the fields of a
// Draft without its set-up, which the maker takes from the part as it stands.
val openLessonDraft()
{
    const Lessons& state = lessons();
    if (!state.open)
        return val::null();
    const decay::Lesson& lesson = *state.open;
    const val controls = rulesOf(lesson);
    val steps = val::array();
    for (const decay::LessonStep& step : lesson.steps) {
        val item = val::object();
        item.set("text", textsOf(step.text));
        item.set("question", std::string(decay::questionKey(step.question)));
        item.set("unit", step.unit);
        item.set("relative", step.tolerance.relative);
        item.set("absolute", step.tolerance.absolute);
        val choices = val::array();
        for (const decay::LessonText& choice : step.choices)
            choices.call<void>("push", textsOf(choice));
        item.set("choices", choices);
        val answer = val::null();
        if (step.answer) {
            answer = val::object();
            answer.set("value", value(step.answer->value));
            answer.set("choice", value(step.answer->choice));
            answer.set("quantity", step.answer->quantity);
            val arguments = val::array();
            for (const auto& [name, argument] : step.answer->arguments)
                arguments.call<void>("push", texts({name, argument}));
            answer.set("arguments", arguments);
        }
        item.set("answer", answer);
        steps.call<void>("push", item);
    }
    val draft = val::object();
    draft.set("id", lesson.id);
    draft.set("title", textsOf(lesson.title));
    draft.set("introduction", textsOf(lesson.introduction));
    draft.set("part", std::string(decay::partKey(lesson.part)));
    draft.set("perStudent", lesson.seedPolicy == decay::SeedPolicy::PerStudent);
    draft.set("seed", std::to_string(lesson.seed));
    draft.set("controls", controls);
    draft.set("steps", steps);
    draft.set("feedback", lesson.feedback);
    draft.set("handInAnswers", lesson.handInAnswers);
    draft.set("handInData", lesson.handInData);
    return draft;
}

// The maker's lesson from the page's fields: {id, title, introduction (each [[language,
// text]]), part, setup: [[control, stored]], perStudent, seed (decimal), controls: [{name, use,
// low, high}], steps: [{text, question, unit, relative, absolute, choices, answer: {value,
// choice, quantity, arguments: [[name, value]]} or null}], feedback, handInAnswers, handInData}.
decay::Lesson lessonOf(const val& draft)
{
    decay::Lesson lesson;
    lesson.id = text(draft, "id");
    lesson.title = lessonText(property(draft, "title"));
    lesson.introduction = lessonText(property(draft, "introduction"));
    lesson.part = partOf(text(draft, "part"));
    const val setup = property(draft, "setup");
    for (std::size_t i = 0, n = length(setup); i < n; ++i) {
        const std::vector<std::string> pair = textList(setup[i]);
        if (pair.size() == 2)
            lesson.setup.emplace_back(pair[0], pair[1]);
    }
    lesson.seedPolicy = flag(draft, "perStudent") ? decay::SeedPolicy::PerStudent : decay::SeedPolicy::Shared;
    lesson.seed = decay::parseSeed(text(draft, "seed")).value_or(1);
    const val controls = property(draft, "controls");
    for (std::size_t i = 0, n = length(controls); i < n; ++i) {
        const val item = controls[i];
        decay::ControlRule rule{.name = text(item, "name")};
        const std::string use = text(item, "use");
        for (std::size_t u = 0; u < kUses.size(); ++u)
            if (use == kUseKeys[u])
                rule.use = kUses[u];
        rule.low = number(item, "low");
        rule.high = number(item, "high");
        if (rule.use != decay::ControlUse::Open)
            lesson.controls.push_back(std::move(rule));
    }
    const val steps = property(draft, "steps");
    for (std::size_t i = 0, n = length(steps); i < n; ++i)
        lesson.steps.push_back(lessonStep(steps[i]));
    lesson.feedback = flag(draft, "feedback");
    lesson.handInAnswers = flag(draft, "handInAnswers");
    lesson.handInData = flag(draft, "handInData");
    const Lessons& state = lessons();
    if (state.open && !lesson.id.empty() && state.open->id == lesson.id)
        decay::keepUnknown(lesson, *state.open);
    return lesson;
}

// Takes the maker's lesson as the draft: the message says why it cannot go to a class (empty
// when it can); the draft is kept either way so that the teacher goes on with it.
val makeLesson(const val& draft)
{
    Lessons& state = lessons();
    state.draft = lessonOf(draft);
    return message(decay::lessonFault(*state.draft));
}

std::string newLessonId(const std::string& entropy) { return decay::lessonId(seed(entropy)); }
std::string draftText() { return lessons().draft ? decay::writeLesson(*lessons().draft) : std::string(); }
std::string draftFileName() { return lessons().draft ? decay::lessonFileName(*lessons().draft) : std::string(); }
std::string draftFragment() { return lessons().draft ? decay::lessonFragment(*lessons().draft) : std::string(); }
std::string draftPage(const std::string& page) { return lessons().draft ? decay::pageWithLesson(page, *lessons().draft) : std::string(); }
double mostLinkCharacters() { return static_cast<double>(decay::kMostLinkCharacters); }

// The draft, written and read again as a student's page would read it, becomes the open lesson.
val previewDraft()
{
    const Lessons& state = lessons();
    if (!state.draft)
        return val::null();
    return opened(decay::readLesson(decay::writeLesson(*state.draft), decay::lessonFileName(*state.draft)));
}

// The hand-ins of the open lesson's class from [{name, text}]: {rows: [{fileName, name, seed,
// right, marked, marks: [{verdict, expected}], answers: [text]}], refused: [{fileName, message}],
// runsLeftOut, pooled}; null without an open lesson.
val collectHandIns(const val& files)
{
    Lessons& state = lessons();
    if (!state.open)
        return val::null();
    std::vector<std::pair<std::string, std::string>> read;
    for (std::size_t i = 0, n = length(files); i < n; ++i)
        read.emplace_back(text(files[i], "name"), text(files[i], "text"));
    state.collection = decay::collectHandIns(*state.open, read, table());
    state.pooledStats.reset();
    if (state.collection->pooled)
        state.pooledStats = decay::ensembleStats(*state.collection->pooled);

    val rows = val::array();
    for (const decay::Collection::Row& row : state.collection->rows) {
        val marks = val::array();
        for (const decay::Mark& mark : row.marks) {
            val item = val::object();
            item.set("verdict", std::string(kVerdictKeys[static_cast<int>(mark.verdict)]));
            item.set("expected", value(mark.expected));
            marks.call<void>("push", item);
        }
        val answers = val::array();
        for (std::size_t step = 0; step < state.open->steps.size(); ++step) {
            val given = val::null();
            for (const decay::StudentAnswer& answer : row.handIn.answers) {
                if (answer.step != static_cast<int>(step))
                    continue;
                if (answer.number)
                    given = val(*answer.number);
                else if (answer.choice)
                    given = val(*answer.choice);
                else if (!answer.text.empty())
                    given = val(answer.text);
            }
            answers.call<void>("push", given);
        }
        val item = val::object();
        item.set("fileName", row.fileName);
        item.set("name", row.handIn.name);
        item.set("seed", std::to_string(row.handIn.seed));
        item.set("right", row.right);
        item.set("marked", row.marked);
        item.set("marks", marks);
        item.set("answers", answers);
        rows.call<void>("push", item);
    }
    val refused = val::array();
    for (const auto& [fileName, why] : state.collection->refused) {
        val item = val::object();
        item.set("fileName", fileName);
        item.set("message", message(why));
        refused.call<void>("push", item);
    }
    val result = val::object();
    result.set("rows", rows);
    result.set("refused", refused);
    result.set("runsLeftOut", state.collection->runsLeftOut);
    result.set("pooled", state.collection->pooled.has_value());
    return result;
}

// The class's pooled runs as the class experiment draws them.
val collectionPlot(decay::ExperimentView view)
{
    const Lessons& state = lessons();
    const bool pooled = state.collection && state.collection->pooled;
    const bool known = view == decay::ExperimentView::LnCounts || view == decay::ExperimentView::HalfLives;
    return plotValue(decay::plotExperiment(known ? view : decay::ExperimentView::Counts, pooled ? &*state.collection->pooled : nullptr,
                                           pooled ? &*state.pooledStats : nullptr, nullptr, nullptr));
}

// The marks as CSV, its headings and marks from `words` (English word -> the user's), the
// English word where it has none.
std::string collectionCsv(const val& words)
{
    const Lessons& state = lessons();
    if (!state.open || !state.collection)
        return {};
    return decay::marksCsv(*state.open, *state.collection, [&](const char* word) {
        const std::string own = text(words, word);
        return own.empty() ? std::string(word) : own;
    });
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(lesson)
{
    using namespace emscripten;
    function("openLessonText", &web::openLessonText);
    function("openLessonLink", &web::openLessonLink);
    function("isLessonLink", &web::isLessonLink);
    function("lessonInPage", &web::lessonInPage);
    function("lessonTitleOf", &web::lessonTitleOf);
    function("openLessonView", &web::openLessonView);
    function("closeLesson", &web::closeLesson);
    function("lessonStudent", &web::lessonStudent);
    function("lessonMark", &web::lessonMark);
    function("answerNumber", &web::answerNumber);
    function("lessonHandIn", &web::lessonHandIn);
    function("lessonRuns", &web::lessonRuns);
    function("lessonExpected", &web::lessonExpected);
    function("shownEntry", &web::shownEntry);
    function("storedEntry", &web::storedEntry);
    function("rangeRefusal", &web::rangeRefusal);
    function("partControls", &web::partControls);
    function("partQuantities", &web::partQuantities);
    function("makeLesson", &web::makeLesson);
    function("drawSeed", &web::drawSeed);
    function("openLessonDraft", &web::openLessonDraft);
    function("editedText", &web::editedText);
    function("newLessonId", &web::newLessonId);
    function("draftText", &web::draftText);
    function("draftFileName", &web::draftFileName);
    function("draftFragment", &web::draftFragment);
    function("draftPage", &web::draftPage);
    function("mostLinkCharacters", &web::mostLinkCharacters);
    function("previewDraft", &web::previewDraft);
    function("collectHandIns", &web::collectHandIns);
    function("collectionPlot", &web::collectionPlot);
    function("collectionCsv", &web::collectionCsv);
}
