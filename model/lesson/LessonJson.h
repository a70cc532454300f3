#pragma once

// Reading and writing the JSON of lessons and hand-ins, inside the lesson library only.

#include "Lesson.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace decay::lessonjson {

using Json = nlohmann::ordered_json;

// A document whose key `versionKey` holds its format's version, a whole number from 1: the
// document, or what is wrong with it (too large, too deep, not JSON, not an object, no version).
struct Document {
    Json json;
    int format = 0;
    Message error;
};
Document parse(std::string_view text, const char* versionKey);

// Reads values of a document, keeping the first thing wrong and where: a reader that has found a
// fault gives defaults from then on.
class Reader {
public:
    bool ok() const { return m_error.empty(); }
    const Message& error() const { return m_error; }
    // False, noting that the value at `where` should be `wanted`, unless `condition` (or a fault before).
    bool expect(bool condition, const std::string& where, const char* wanted);
    std::string string(const Json& value, const std::string& where);
    std::optional<double> number(const Json& value, const std::string& where);
    std::optional<int> whole(const Json& value, const std::string& where, int low, int high);
    bool boolean(const Json& value, const std::string& where);

private:
    Message m_error;
};

// The lesson as writeLesson writes it, before it is turned into text.
Json lessonDocument(const Lesson& lesson);

// Puts keys read but not known back into `json`.
void putUnknown(Json& json, const UnknownKeys& unknown);

} // namespace decay::lessonjson
