#include "Lesson.h"

#include "LessonControls.h"
#include "LessonJson.h"
#include "LessonMarking.h"

#include "model/common/Conversions.h"
#include "model/random/SplitMix64.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace decay {

std::string_view partKey(LessonPart part)
{
    switch (part) {
    case LessonPart::Run: return "run";
    case LessonPart::Experiment: return "experiment";
    case LessonPart::Nuclides: return "nuclides";
    case LessonPart::Counting: return "counting";
    }
    return "";
}

std::optional<LessonPart> partOfKey(std::string_view key)
{
    for (LessonPart part : {LessonPart::Run, LessonPart::Experiment, LessonPart::Nuclides, LessonPart::Counting})
        if (partKey(part) == key) return part;
    return std::nullopt;
}

std::string_view questionKey(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::None: return "";
    case QuestionKind::Number: return "number";
    case QuestionKind::Choice: return "choice";
    case QuestionKind::Text: return "text";
    case QuestionKind::ReadOff: return "readOff";
    }
    return "";
}

std::string LessonText::in(std::string_view language) const
{
    for (const auto& [code, text] : byLanguage)
        if (code == language) return text;
    return byLanguage.empty() ? std::string() : byLanguage.front().second;
}

LessonText textIn(std::string language, std::string text)
{
    LessonText lessonText;
    lessonText.byLanguage.emplace_back(std::move(language), std::move(text));
    return lessonText;
}

LessonText editedText(const LessonText& before, const std::string& language, std::string_view shown)
{
    const std::string text(trimmed(shown));
    if (!before.empty() && text == trimmed(before.in(language)))
        return before;
    LessonText after;
    bool replaced = false;
    for (const auto& [code, old] : before.byLanguage) {
        if (code != language)
            after.byLanguage.emplace_back(code, old);
        else if (!text.empty())
            after.byLanguage.emplace_back(code, text), replaced = true;
    }
    if (!replaced && !text.empty())
        after.byLanguage.emplace_back(language, text);
    return after;
}

void keepUnknown(Lesson& edited, const Lesson& opened)
{
    edited.unknown = opened.unknown;
    for (std::size_t i = 0; i < edited.steps.size() && i < opened.steps.size(); ++i) {
        edited.steps[i].unknown = opened.steps[i].unknown;
        if (edited.steps[i].answer && opened.steps[i].answer)
            edited.steps[i].answer->unknown = opened.steps[i].answer->unknown;
    }
}

std::string Lesson::languageOf(std::string_view wanted) const
{
    for (const auto& [code, text] : title.byLanguage)
        if (code == wanted) return code;
    return title.byLanguage.empty() ? std::string(wanted) : title.byLanguage.front().first;
}

const std::string* Lesson::setupValue(std::string_view control) const
{
    const auto found = std::find_if(setup.begin(), setup.end(), [&](const auto& entry) { return entry.first == control; });
    return found == setup.end() ? nullptr : &found->second;
}

const ControlRule* Lesson::rule(std::string_view control) const
{
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const ControlRule& r) { return r.name == control; });
    return found == controls.end() ? nullptr : &*found;
}

ControlUse Lesson::use(std::string_view control) const
{
    const ControlRule* found = rule(control);
    return found ? found->use : ControlUse::Open;
}

namespace {

using lessonjson::Json;
using lessonjson::Reader;

constexpr std::string_view kUseKeys[] = {"open", "locked", "hidden"};

LessonText readText(Reader& in, const Json& value, const std::string& where)
{
    LessonText text;
    if (!in.expect(value.is_object(), where, "a text in one or more languages")) return text;
    for (const auto& [code, words] : value.items()) {
        const std::string place = where + "/" + code;
        if (!in.expect(std::find(std::begin(kLessonLanguages), std::end(kLessonLanguages), code) != std::end(kLessonLanguages),
                       place, "one of the languages en, de, fr and es"))
            return text;
        if (!in.expect(words.is_string(), place, "a text")) return text;
        text.byLanguage.emplace_back(code, words.get<std::string>());
    }
    return text;
}

Json textJson(const LessonText& text)
{
    Json json = Json::object();
    for (const auto& [code, words] : text.byLanguage) json[code] = words;
    return json;
}

ExpectedAnswer readAnswer(Reader& in, const Json& value, const std::string& where)
{
    ExpectedAnswer answer;
    if (!in.expect(value.is_object(), where, "an object")) return answer;
    for (const auto& [key, item] : value.items()) {
        const std::string place = where + "/" + key;
        if (key == "value") {
            answer.value = in.number(item, place);
        } else if (key == "choice") {
            answer.choice = in.whole(item, place, 1, 100);
            if (answer.choice) --*answer.choice; // files count choices from 1, as the students see them
        } else if (key == "quantity") {
            answer.quantity = in.string(item, place);
        } else if (key == "of") {
            if (!in.expect(item.is_object(), place, "an object")) return answer;
            for (const auto& [name, argument] : item.items()) {
                if (argument.is_number())
                    answer.arguments[name] = numberText(argument.get<double>());
                else
                    answer.arguments[name] = in.string(argument, place + "/" + name);
            }
        } else {
            answer.unknown[key] = item.dump();
        }
    }
    return answer;
}

Json answerJson(const ExpectedAnswer& answer)
{
    Json json = Json::object();
    if (answer.value) json["value"] = *answer.value;
    if (answer.choice) json["choice"] = *answer.choice + 1;
    if (!answer.quantity.empty()) {
        json["quantity"] = answer.quantity;
        if (!answer.arguments.empty()) {
            Json of = Json::object();
            for (const auto& [name, argument] : answer.arguments) of[name] = argument;
            json["of"] = of;
        }
    }
    lessonjson::putUnknown(json, answer.unknown);
    return json;
}

void readQuestion(Reader& in, const Json& value, const std::string& where, LessonStep& step)
{
    if (!in.expect(value.is_object(), where, "an object")) return;
    for (const auto& [key, item] : value.items()) {
        const std::string place = where + "/" + key;
        if (key == "kind") {
            const std::string kind = in.string(item, place);
            step.question = QuestionKind::None;
            for (QuestionKind k : {QuestionKind::Number, QuestionKind::Choice, QuestionKind::Text, QuestionKind::ReadOff})
                if (questionKey(k) == kind) step.question = k;
            in.expect(step.question != QuestionKind::None || !in.ok(), place, "number, choice, text or readOff");
        } else if (key == "unit") {
            step.unit = in.string(item, place);
        } else if (key == "tolerance") {
            if (!in.expect(item.is_object(), place, "an object")) return;
            for (const auto& [bound, number] : item.items()) {
                const std::string at = place + "/" + bound;
                if (bound == "relative")
                    step.tolerance.relative = in.number(number, at).value_or(0);
                else if (bound == "absolute")
                    step.tolerance.absolute = in.number(number, at).value_or(0);
                else
                    in.expect(false, at, "relative or absolute");
            }
        } else if (key == "choices") {
            if (!in.expect(item.is_array(), place, "a list")) return;
            for (std::size_t i = 0; i < item.size() && in.ok(); ++i)
                step.choices.push_back(readText(in, item[i], place + "/" + std::to_string(i + 1)));
        } else if (key == "answer") {
            step.answer = readAnswer(in, item, place);
        } else {
            step.unknown["question." + key] = item.dump();
        }
    }
    in.expect(step.question != QuestionKind::None || !in.ok(), where + "/kind", "number, choice, text or readOff");
}

Json questionJson(const LessonStep& step)
{
    Json json = Json::object();
    json["kind"] = questionKey(step.question);
    if (!step.unit.empty()) json["unit"] = step.unit;
    if (step.question == QuestionKind::Number || step.question == QuestionKind::ReadOff) {
        Json tolerance = Json::object();
        if (step.tolerance.relative > 0) tolerance["relative"] = step.tolerance.relative;
        if (step.tolerance.absolute > 0) tolerance["absolute"] = step.tolerance.absolute;
        json["tolerance"] = tolerance;
    }
    if (!step.choices.empty()) {
        Json choices = Json::array();
        for (const LessonText& choice : step.choices) choices.push_back(textJson(choice));
        json["choices"] = choices;
    }
    if (step.answer) json["answer"] = answerJson(*step.answer);
    for (const auto& [key, text] : step.unknown)
        if (key.rfind("question.", 0) == 0) json[key.substr(9)] = Json::parse(text, nullptr, false);
    return json;
}

LessonStep readStep(Reader& in, const Json& value, const std::string& where)
{
    LessonStep step;
    if (!in.expect(value.is_object(), where, "an object")) return step;
    for (const auto& [key, item] : value.items()) {
        const std::string place = where + "/" + key;
        if (key == "text")
            step.text = readText(in, item, place);
        else if (key == "question")
            readQuestion(in, item, place, step);
        else
            step.unknown[key] = item.dump();
    }
    return step;
}

Json stepJson(const LessonStep& step)
{
    Json json = Json::object();
    json["text"] = textJson(step.text);
    if (step.question != QuestionKind::None) json["question"] = questionJson(step);
    for (const auto& [key, text] : step.unknown)
        if (key.rfind("question.", 0) != 0) json[key] = Json::parse(text, nullptr, false);
    return json;
}

void readControls(Reader& in, const Json& value, const std::string& where, Lesson& lesson)
{
    if (!in.expect(value.is_object(), where, "an object")) return;
    for (const auto& [name, item] : value.items()) {
        const std::string place = where + "/" + name;
        ControlRule rule{name};
        if (item.is_string()) {
            const std::string use = item.get<std::string>();
            const auto found = std::find(std::begin(kUseKeys), std::end(kUseKeys), use);
            if (!in.expect(found != std::end(kUseKeys), place, "open, locked, hidden or a range")) return;
            rule.use = static_cast<ControlUse>(found - std::begin(kUseKeys));
        } else if (in.expect(item.is_object() && item.contains("min") && item.contains("max") && item.size() == 2, place,
                             "open, locked, hidden or a range")) {
            rule.use = ControlUse::Range;
            rule.low = in.number(item["min"], place + "/min").value_or(0);
            rule.high = in.number(item["max"], place + "/max").value_or(0);
        }
        lesson.controls.push_back(rule);
    }
}

Json controlsJson(const std::vector<ControlRule>& controls)
{
    Json json = Json::object();
    for (const ControlRule& rule : controls) {
        if (rule.use == ControlUse::Range)
            json[rule.name] = Json{{"min", rule.low}, {"max", rule.high}};
        else
            json[rule.name] = kUseKeys[static_cast<int>(rule.use)];
    }
    return json;
}

void readSeed(Reader& in, const Json& value, const std::string& where, Lesson& lesson)
{
    if (!in.expect(value.is_object(), where, "an object")) return;
    for (const auto& [key, item] : value.items()) {
        const std::string place = where + "/" + key;
        if (key == "policy") {
            const std::string policy = in.string(item, place);
            in.expect(policy == "shared" || policy == "perStudent" || !in.ok(), place, "shared or perStudent");
            lesson.seedPolicy = policy == "perStudent" ? SeedPolicy::PerStudent : SeedPolicy::Shared;
        } else if (key == "value") {
            const std::string digits = in.string(item, place);
            const auto seed = parseSeed(digits);
            if (in.expect(seed.has_value() || !in.ok(), place, "a whole number from 0 to 18446744073709551615"))
                lesson.seed = seed.value_or(0);
        } else {
            in.expect(false, place, "policy or value");
        }
    }
}

void readHandIn(Reader& in, const Json& value, const std::string& where, Lesson& lesson)
{
    if (!in.expect(value.is_object(), where, "an object")) return;
    for (const auto& [key, item] : value.items()) {
        const std::string place = where + "/" + key;
        if (key == "answers")
            lesson.handInAnswers = in.boolean(item, place);
        else if (key == "data")
            lesson.handInData = in.boolean(item, place);
        else
            in.expect(false, place, "answers or data");
    }
}

void readLessonJson(Reader& in, const Json& json, Lesson& lesson)
{
    bool hasPart = false, hasTitle = false, hasId = false;
    for (const auto& [key, item] : json.items()) {
        if (!in.ok()) return;
        if (key == "atomdrift") {
            // read first, by readLesson
        } else if (key == "id") {
            lesson.id = in.string(item, key);
            hasId = true;
        } else if (key == "title") {
            lesson.title = readText(in, item, key);
            hasTitle = true;
        } else if (key == "introduction") {
            lesson.introduction = readText(in, item, key);
        } else if (key == "part") {
            const auto part = partOfKey(in.string(item, key));
            if (in.expect(part.has_value() || !in.ok(), key, "run, experiment, nuclides or counting") && part)
                lesson.part = *part;
            hasPart = true;
        } else if (key == "setup") {
            if (!in.expect(item.is_object(), key, "an object")) return;
            for (const auto& [name, entry] : item.items()) {
                if (entry.is_boolean())
                    lesson.setup.emplace_back(name, entry.get<bool>() ? "true" : "false");
                else
                    lesson.setup.emplace_back(name, in.string(entry, key + "/" + name));
            }
        } else if (key == "seed") {
            readSeed(in, item, key, lesson);
        } else if (key == "controls") {
            readControls(in, item, key, lesson);
        } else if (key == "steps") {
            if (!in.expect(item.is_array(), key, "a list")) return;
            for (std::size_t i = 0; i < item.size() && in.ok(); ++i) lesson.steps.push_back(readStep(in, item[i], key + "/" + std::to_string(i + 1)));
        } else if (key == "feedback") {
            lesson.feedback = in.boolean(item, key);
        } else if (key == "handIn") {
            readHandIn(in, item, key, lesson);
        } else {
            lesson.unknown[key] = item.dump();
        }
    }
    in.expect(hasId || !in.ok(), "id", "present");
    in.expect(hasTitle || !in.ok(), "title", "present");
    in.expect(hasPart || !in.ok(), "part", "present");
}

bool isHexId(const std::string& id)
{
    return id.size() == 16 && std::all_of(id.begin(), id.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

Message textFault(const LessonText& text, const MessageValue& where)
{
    if (text.empty() || text.byLanguage.front().second.empty())
        return Message{"%1 needs a text in its first language.", {where}};
    return {};
}

Message setupFault(const Lesson& lesson)
{
    for (const auto& [name, value] : lesson.setup) {
        const LessonControl* control = lessonControl(lesson.part, name);
        if (!control || control->kind == ControlKind::Command)
            return Message{"The part “%1” has no entry %2.", {modelSentence(partName(lesson.part)), name}};
        const bool flag = value == "true" || value == "false";
        if ((control->kind == ControlKind::Check || control->kind == ControlKind::Option) && !flag)
            return Message{"%1 should be true or false, not “%2”.", {name, value}};
        if (control->kind == ControlKind::Entry && !isBlank(value)) {
            const auto number = strictValue(value, ".");
            if (!number || !std::isfinite(*number))
                return Message{"%1 should be a number written with a point, not “%2”.", {name, value}};
            const ControlRule* rule = lesson.rule(name);
            if (rule && rule->use == ControlUse::Range && (*number < rule->low || *number > rule->high))
                return Message{"%1 is %2, outside the range %3 to %4 the lesson allows.",
                               {name, numberValue(*number, 15), numberValue(rule->low, 15), numberValue(rule->high, 15)}};
        }
        if (control->kind == ControlKind::Choice && isBlank(value))
            return Message{"%1 needs one of its items, not an empty text.", {name}};
        if (control->kind == ControlKind::Choice && !control->keys.empty() &&
            std::find(control->keys.begin(), control->keys.end(), value) == control->keys.end()) {
            std::string keys;
            for (std::string_view key : control->keys) keys += (keys.empty() ? "" : ", ") + std::string(key);
            return Message{"%1 should be one of %2, not “%3”.", {name, keys, value}};
        }
    }
    return {};
}

Message controlsFault(const Lesson& lesson)
{
    for (const ControlRule& rule : lesson.controls) {
        if (lesson.part == LessonPart::Run && rule.use != ControlUse::Open)
            return Message{"The decay run's windows cannot lock, hide or limit %1: a lesson gives them entries and steps only.", {rule.name}};
        const LessonControl* control = lessonControl(lesson.part, rule.name);
        if (!control) return Message{"The part “%1” has no control %2.", {modelSentence(partName(lesson.part)), rule.name}};
        if (rule.use == ControlUse::Range) {
            if (control->kind != ControlKind::Entry) return Message{"%1 takes no range: only number entries do.", {rule.name}};
            if (!std::isfinite(rule.low) || !std::isfinite(rule.high) || rule.low > rule.high)
                return Message{"The range of %1 needs a minimum no larger than its maximum.", {rule.name}};
        }
    }
    return {};
}

Message stepFault(const Lesson& lesson, const LessonStep& step, int number)
{
    const MessageValue where = modelSentence(Message{"Step %1", {number}});
    if (Message fault = textFault(step.text, where); !fault.empty()) return fault;
    const bool numeric = step.question == QuestionKind::Number || step.question == QuestionKind::ReadOff;
    if (numeric) {
        if (!std::isfinite(step.tolerance.relative) || !std::isfinite(step.tolerance.absolute) || step.tolerance.relative < 0 ||
            step.tolerance.absolute < 0 || (step.tolerance.relative == 0 && step.tolerance.absolute == 0))
            return Message{"%1 needs a tolerance above 0.", {where}};
        if (!step.answer || (!step.answer->value && step.answer->quantity.empty()))
            return Message{"%1 needs the number it expects, or a quantity of the student's run.", {where}};
        if (step.answer->value && !std::isfinite(*step.answer->value)) return Message{"%1 expects a number that is not finite.", {where}};
        if (!step.answer->quantity.empty())
            if (Message fault = quantityFault(lesson, *step.answer); !fault.empty())
                return Message{"%1: %2", {where, modelSentence(fault)}};
    }
    if (step.question == QuestionKind::Choice) {
        if (step.choices.size() < 2) return Message{"%1 needs at least two choices.", {where}};
        for (const LessonText& choice : step.choices)
            if (Message fault = textFault(choice, where); !fault.empty()) return fault;
        if (step.answer && (!step.answer->choice || *step.answer->choice >= static_cast<int>(step.choices.size())))
            return Message{"%1 expects a choice it does not offer.", {where}};
    }
    return {};
}

} // namespace

Message partName(LessonPart part)
{
    switch (part) {
    case LessonPart::Run: return Message{"Decay run"};
    case LessonPart::Experiment: return Message{"Class experiment"};
    case LessonPart::Nuclides: return Message{"Nuclide lab"};
    case LessonPart::Counting: return Message{"Counting lab"};
    }
    return {};
}

MessageValue modelSentence(Message message)
{
    return sentenceValue(std::move(message), "ModelText");
}

std::optional<std::uint64_t> parseSeed(std::string_view digits)
{
    if (digits.empty() || digits.size() > 20) return std::nullopt;
    std::uint64_t seed = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (seed > (UINT64_MAX - digit) / 10) return std::nullopt;
        seed = seed * 10 + digit;
    }
    return seed;
}

Message lessonFault(const Lesson& lesson)
{
    if (!isHexId(lesson.id)) return Message{"The lesson's id should be 16 hexadecimal digits, not “%1”.", {lesson.id}};
    if (Message fault = textFault(lesson.title, modelSentence(Message{"The title"})); !fault.empty()) return fault;
    if (Message fault = setupFault(lesson); !fault.empty()) return fault;
    if (Message fault = controlsFault(lesson); !fault.empty()) return fault;
    if (Message fault = partSetupFault(lesson); !fault.empty()) return fault;
    for (std::size_t i = 0; i < lesson.steps.size(); ++i)
        if (Message fault = stepFault(lesson, lesson.steps[i], static_cast<int>(i + 1)); !fault.empty()) return fault;
    return {};
}

LessonRead readLesson(std::string_view text, const std::string& fileName)
{
    const auto refused = [&](Message why) { return LessonRead{std::nullopt, Message{"The lesson %1 cannot be opened: %2", {fileName, modelSentence(std::move(why))}}}; };
    auto document = lessonjson::parse(text, "atomdrift");
    if (!document.error.empty()) return refused(std::move(document.error));
    if (document.format > kLessonFormat)
        return refused(Message{"it was made by a later version of Atomdrift, in lesson format %1; this version reads formats up to %2.",
                               {document.format, kLessonFormat}});
    Lesson lesson;
    lesson.format = document.format;
    Reader in;
    readLessonJson(in, document.json, lesson);
    if (!in.ok()) return refused(in.error());
    if (Message fault = lessonFault(lesson); !fault.empty()) return refused(std::move(fault));
    return {std::move(lesson), {}};
}

lessonjson::Json lessonjson::lessonDocument(const Lesson& lesson)
{
    Json json = Json::object();
    json["atomdrift"] = kLessonFormat;
    json["id"] = lesson.id;
    json["title"] = textJson(lesson.title);
    if (!lesson.introduction.empty()) json["introduction"] = textJson(lesson.introduction);
    json["part"] = partKey(lesson.part);
    Json setup = Json::object();
    for (const auto& [name, value] : lesson.setup) {
        const LessonControl* control = lessonControl(lesson.part, name);
        if (control && (control->kind == ControlKind::Check || control->kind == ControlKind::Option))
            setup[name] = value == "true";
        else
            setup[name] = value;
    }
    json["setup"] = setup;
    Json seed = Json::object();
    seed["policy"] = lesson.seedPolicy == SeedPolicy::PerStudent ? "perStudent" : "shared";
    if (lesson.seedPolicy == SeedPolicy::Shared) seed["value"] = std::to_string(lesson.seed);
    json["seed"] = seed;
    if (!lesson.controls.empty()) json["controls"] = controlsJson(lesson.controls);
    Json steps = Json::array();
    for (const LessonStep& step : lesson.steps) steps.push_back(stepJson(step));
    json["steps"] = steps;
    json["feedback"] = lesson.feedback;
    json["handIn"] = Json{{"answers", lesson.handInAnswers}, {"data", lesson.handInData}};
    lessonjson::putUnknown(json, lesson.unknown);
    return json;
}

std::string writeLesson(const Lesson& lesson)
{
    return lessonjson::lessonDocument(lesson).dump(2) + "\n";
}

std::uint64_t drawSeed(std::uint64_t studentSeed, LessonDraw draw, int count)
{
    if (draw == LessonDraw::Run) return studentSeed;
    std::uint64_t state = studentSeed ^ (static_cast<std::uint64_t>(draw) * 0xD1B54A32D192ED03ULL);
    state = splitMix64(state) + static_cast<std::uint64_t>(count);
    return splitMix64(state);
}

std::string lessonId(std::uint64_t entropy)
{
    std::uint64_t state = entropy;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(splitMix64(state)));
    return text;
}

namespace {

// The name as it decides the seed: words separated by one space, letters in lower case (the
// capitals of the four languages' alphabets, written in UTF-8, included).
std::string normalisedName(std::string_view name)
{
    std::string out;
    bool space = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) { // À..Þ but ×
            out += static_cast<char>(c);
            out += static_cast<char>(next + 0x20);
            ++i;
            continue;
        }
        if (c == 0xC5 && next == 0x92) { // Œ
            out += "\xC5\x93";
            ++i;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out;
}

} // namespace

std::uint64_t studentSeed(const Lesson& lesson, std::string_view name)
{
    if (lesson.seedPolicy == SeedPolicy::Shared) return lesson.seed;
    // FNV-1a over the lesson's identity, a separator no name holds, and the name; then mixed.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&](std::string_view bytes) {
        for (char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3ULL;
        }
    };
    add(lesson.id);
    add(std::string_view("\0", 1));
    add(normalisedName(name));
    return splitMix64(hash);
}

} // namespace decay
