#include "HandIn.h"

#include "LessonJson.h"

#include "model/common/Conversions.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace decay {
namespace {

using lessonjson::Json;
using lessonjson::Reader;

// The document without its checksum, as the checksum covers it.
std::string checkedText(const Json& json)
{
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string hex32(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
    return text;
}

void readAnswers(Reader& in, const Json& value, HandIn& handIn)
{
    if (!in.expect(value.is_array(), "answers", "a list")) return;
    for (std::size_t i = 0; i < value.size() && in.ok(); ++i) {
        const std::string where = "answers/" + std::to_string(i + 1);
        const Json& item = value[i];
        if (!in.expect(item.is_object(), where, "an object")) return;
        StudentAnswer answer;
        bool hasStep = false;
        for (const auto& [key, part] : item.items()) {
            const std::string place = where + "/" + key;
            if (key == "step") {
                hasStep = true;
                answer.step = in.whole(part, place, 1, 10000).value_or(1) - 1;
            } else if (key == "number") {
                answer.number = in.number(part, place);
            } else if (key == "choice") {
                answer.choice = in.whole(part, place, 1, 100).value_or(1) - 1;
            } else if (key == "text") {
                answer.text = in.string(part, place);
            } else {
                in.expect(false, place, "step, number, choice or text");
            }
        }
        in.expect(hasStep, where + "/step", "present");
        handIn.answers.push_back(std::move(answer));
    }
}

} // namespace

std::uint32_t crc32(std::string_view bytes)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes) crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string writeHandIn(const HandIn& handIn)
{
    Json json = Json::object();
    json["atomdriftHandIn"] = kHandInFormat;
    json["lesson"] = handIn.lessonId;
    json["title"] = handIn.lessonTitle;
    json["name"] = handIn.name;
    json["seed"] = std::to_string(handIn.seed);
    Json answers = Json::array();
    for (const StudentAnswer& answer : handIn.answers) {
        Json item = Json::object();
        item["step"] = answer.step + 1;
        if (answer.number) item["number"] = *answer.number;
        if (answer.choice) item["choice"] = *answer.choice + 1;
        if (!answer.text.empty()) item["text"] = answer.text;
        answers.push_back(item);
    }
    json["answers"] = answers;
    if (!handIn.data.empty()) json["data"] = handIn.data;
    lessonjson::putUnknown(json, handIn.unknown);
    json["checksum"] = hex32(crc32(checkedText(json)));
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

HandInRead readHandIn(std::string_view text, const std::string& fileName)
{
    const auto refused = [&](Message why) { return HandInRead{std::nullopt, Message{"The hand-in %1 cannot be read: %2", {fileName, modelSentence(std::move(why))}}}; };
    auto document = lessonjson::parse(text, "atomdriftHandIn");
    if (!document.error.empty()) return refused(std::move(document.error));
    if (document.format > kHandInFormat)
        return refused(Message{"it was made by a later version of Atomdrift, in hand-in format %1; this version reads formats up to %2.",
                               {document.format, kHandInFormat}});
    Json& json = document.json;
    const auto checksum = json.find("checksum");
    if (checksum == json.end() || !checksum->is_string()) return refused(Message{"it has no checksum."});
    const std::string stated = checksum->get<std::string>();
    json.erase("checksum");
    if (stated != hex32(crc32(checkedText(json)))) return refused(Message{"its checksum does not match its contents: it was damaged or changed."});

    HandIn handIn;
    handIn.format = document.format;
    Reader in;
    bool hasLesson = false, hasName = false, hasSeed = false;
    for (const auto& [key, item] : json.items()) {
        if (!in.ok()) break;
        if (key == "atomdriftHandIn") continue;
        if (key == "lesson") {
            handIn.lessonId = in.string(item, key);
            hasLesson = true;
        } else if (key == "title") {
            handIn.lessonTitle = in.string(item, key);
        } else if (key == "name") {
            handIn.name = in.string(item, key);
            hasName = true;
        } else if (key == "seed") {
            const auto seed = parseSeed(in.string(item, key));
            in.expect(seed.has_value() || !in.ok(), key, "a whole number from 0 to 18446744073709551615");
            handIn.seed = seed.value_or(0);
            hasSeed = true;
        } else if (key == "answers") {
            readAnswers(in, item, handIn);
        } else if (key == "data") {
            handIn.data = in.string(item, key);
        } else {
            handIn.unknown[key] = item.dump(-1, ' ', false, Json::error_handler_t::replace);
        }
    }
    in.expect(hasLesson || !in.ok(), "lesson", "present");
    in.expect(hasName || !in.ok(), "name", "present");
    in.expect(hasSeed || !in.ok(), "seed", "present");
    if (!in.ok()) return refused(in.error());
    return {std::move(handIn), {}};
}

Collection collectHandIns(const Lesson& lesson, const std::vector<std::pair<std::string, std::string>>& files, const NuclideTable* table)
{
    Collection collection;
    std::vector<std::int16_t> pooled;
    int pooledRuns = 0;
    std::optional<EnsembleParams> params;
    for (const auto& [fileName, text] : files) {
        HandInRead read = readHandIn(text, fileName);
        if (!read.handIn) {
            collection.refused.emplace_back(fileName, std::move(read.error));
            continue;
        }
        HandIn& handIn = *read.handIn;
        if (handIn.lessonId != lesson.id) {
            collection.refused.emplace_back(fileName, Message{"%1 answers another lesson (“%2”).", {fileName, handIn.lessonTitle}});
            continue;
        }
        if (handIn.seed != studentSeed(lesson, handIn.name)) {
            collection.refused.emplace_back(fileName, Message{"The seed of %1 is not the one the lesson gives %2: the file was changed.", {fileName, handIn.name}});
            continue;
        }
        const auto stepless = [&](const StudentAnswer& answer) { return answer.step < 0 || answer.step >= static_cast<int>(lesson.steps.size()); };
        if (std::any_of(handIn.answers.begin(), handIn.answers.end(), stepless)) {
            collection.refused.emplace_back(fileName, Message{"%1 answers a step the lesson does not have.", {fileName}});
            continue;
        }

        Collection::Row row{fileName, std::move(handIn), {}, 0, 0};
        LessonEvaluator evaluator(lesson, row.handIn.seed, table);
        for (int step = 0; step < static_cast<int>(lesson.steps.size()); ++step) {
            StudentAnswer answer{step, {}, {}, {}};
            for (const StudentAnswer& given : row.handIn.answers)
                if (given.step == step) answer = given;
            Mark mark = evaluator.mark(answer);
            if (mark.verdict == Verdict::Unanswered && lesson.steps[static_cast<std::size_t>(step)].question != QuestionKind::None &&
                lesson.steps[static_cast<std::size_t>(step)].answer)
                mark.expected = evaluator.expected(step);
            row.right += mark.verdict == Verdict::Right;
            row.marked += mark.verdict == Verdict::Right || mark.verdict == Verdict::Wrong;
            row.marks.push_back(std::move(mark));
        }
        if (const std::optional<Ensemble>& runs = evaluator.runs()) {
            if (!params) params = runs->params;
            const bool sameShape = runs->params.atoms == params->atoms && runs->params.lastStep == params->lastStep &&
                                   runs->params.rate == params->rate;
            for (int i = 0; sameShape && i < runs->params.runs; ++i) {
                if (pooledRuns >= kMostExperimentRuns) {
                    ++collection.runsLeftOut;
                    continue;
                }
                const auto run = runs->run(i);
                pooled.insert(pooled.end(), run.begin(), run.end());
                ++pooledRuns;
            }
        }
        collection.rows.push_back(std::move(row));
    }
    if (params && pooledRuns > 0) {
        Ensemble ensemble;
        ensemble.params = *params;
        ensemble.params.runs = pooledRuns;
        ensemble.counts = std::move(pooled);
        collection.pooled = std::move(ensemble);
    }
    return collection;
}

namespace {

std::string csvQuoted(const std::string& text)
{
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

const char* verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right: return "right";
    case Verdict::Wrong: return "wrong";
    case Verdict::Unanswered: return "unanswered";
    case Verdict::Collected: return "collected";
    case Verdict::Unmarked: return "not marked";
    }
    return "";
}

} // namespace

std::string marksCsv(const Lesson& lesson, const Collection& collection, const std::function<std::string(const char*)>& words)
{
    std::string csv;
    const auto cell = [&](const std::string& text) {
        if (!csv.empty() && csv.back() != '\n') csv.push_back(',');
        csv.append(csvQuoted(text));
    };
    for (const char* heading : {"Name", "File", "Seed", "Right", "Marked"}) cell(words(heading));
    for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
        if (lesson.steps[i].question == QuestionKind::None) continue;
        for (const char* heading : {"Answer %1", "Mark %1", "Expected %1"}) {
            std::string text = words(heading);
            if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, std::to_string(i + 1));
            cell(text);
        }
    }
    csv.append("\r\n");
    for (const Collection::Row& row : collection.rows) {
        cell(row.handIn.name);
        cell(row.fileName);
        cell(std::to_string(row.handIn.seed));
        cell(std::to_string(row.right));
        cell(std::to_string(row.marked));
        for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
            const LessonStep& step = lesson.steps[i];
            if (step.question == QuestionKind::None) continue;
            std::string given;
            for (const StudentAnswer& answer : row.handIn.answers) {
                if (answer.step != static_cast<int>(i)) continue;
                if (answer.number) given = numberText(*answer.number);
                if (answer.choice) given = std::to_string(*answer.choice + 1);
                if (!answer.text.empty()) given = answer.text;
            }
            const Mark& mark = row.marks[i];
            cell(given);
            cell(words(verdictWord(mark.verdict)));
            if (!mark.expected)
                cell("");
            else
                cell(step.question == QuestionKind::Choice ? std::to_string(static_cast<int>(*mark.expected) + 1) : numberText(*mark.expected));
        }
        csv.append("\r\n");
    }
    return csv;
}

} // namespace decay
