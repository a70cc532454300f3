#include "LessonJson.h"

#include <cmath>

namespace decay::lessonjson {
namespace {

// The deepest nesting of arrays and objects in the text, strings skipped; stops counting past `most`.
int depthOf(std::string_view text, int most)
{
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > most) return deepest;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

Document parse(std::string_view text, const char* versionKey)
{
    Document document;
    if (text.size() > kMostLessonBytes) {
        document.error = Message{"it is larger than %1 MB, far larger than any it could be.", {static_cast<double>(kMostLessonBytes >> 20)}};
        return document;
    }
    if (depthOf(text, kMostLessonDepth) > kMostLessonDepth) {
        document.error = Message{"its lists and objects nest deeper than %1 levels.", {kMostLessonDepth}};
        return document;
    }
    document.json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (document.json.is_discarded()) {
        document.error = Message{"it is not a complete JSON document; it may be damaged or cut short."};
        return document;
    }
    const auto version = document.json.is_object() ? document.json.find(versionKey) : document.json.end();
    if (!document.json.is_object() || version == document.json.end()) {
        document.error = Message{"it is a JSON document, but not one of Atomdrift's: it has no key “%1”.", {versionKey}};
        return document;
    }
    if (!version->is_number_integer() || version->get<std::int64_t>() < 1 || version->get<std::int64_t>() > 1000000) {
        document.error = Message{"its format version “%1” is not a whole number from 1.", {version->dump()}};
        return document;
    }
    document.format = static_cast<int>(version->get<std::int64_t>());
    return document;
}

bool Reader::expect(bool condition, const std::string& where, const char* wanted)
{
    if (!ok()) return false;
    if (!condition) m_error = Message{"the entry “%1” should be %2.", {where, modelSentence(Message{wanted})}};
    return condition;
}

std::string Reader::string(const Json& value, const std::string& where)
{
    return expect(value.is_string(), where, "a text") ? value.get<std::string>() : std::string();
}

std::optional<double> Reader::number(const Json& value, const std::string& where)
{
    if (!expect(value.is_number(), where, "a number")) return std::nullopt;
    const double number = value.get<double>();
    if (!expect(std::isfinite(number), where, "a finite number")) return std::nullopt;
    return number;
}

std::optional<int> Reader::whole(const Json& value, const std::string& where, int low, int high)
{
    const bool fits = value.is_number_integer() && value.get<std::int64_t>() >= low && value.get<std::int64_t>() <= high;
    if (!expect(fits, where, "a whole number in its range")) return std::nullopt;
    return static_cast<int>(value.get<std::int64_t>());
}

bool Reader::boolean(const Json& value, const std::string& where)
{
    return expect(value.is_boolean(), where, "true or false") && value.get<bool>();
}

void putUnknown(Json& json, const UnknownKeys& unknown)
{
    for (const auto& [key, text] : unknown)
        if (!json.contains(key)) json[key] = Json::parse(text, nullptr, false);
}

} // namespace decay::lessonjson
