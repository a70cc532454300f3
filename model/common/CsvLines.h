#pragma once

#include "Message.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// A comma-, semicolon- or tab-separated text, line by line: a UTF-8 byte order mark and blank
// lines are skipped, the separator is the first line's (a tab, else a semicolon, else a comma),
// and every line is split at it outside double quotes.
class CsvLines {
public:
    explicit CsvLines(std::string_view text);

    // Moves to the next line that is not blank; false at the end or when the line cannot be split,
    // which error() then says.
    bool next();
    const std::vector<std::string>& fields() const { return m_fields; }
    std::size_t lineNumber() const { return m_lineNumber; }
    const Message& error() const { return m_error; }

private:
    std::string_view m_text;
    std::size_t m_start = 0;
    std::size_t m_lineNumber = 0;
    char m_separator = 0;
    std::vector<std::string> m_fields;
    Message m_error;
};

// A field as the messages show it: in quotes, cut after 20 characters.
std::string quote(std::string_view s);
// "Line %1 has %2 fields, line %3 has %4 fields.", in the singular where a line has one field.
Message unequalLines(std::size_t line, std::size_t fields, std::size_t widthLine, std::size_t width);

} // namespace decay
