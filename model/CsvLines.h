#pragma once

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
    // "Line 12", for the messages about the current line.
    std::string where() const;
    std::string error() const { return m_error; }

private:
    std::string_view m_text;
    std::size_t m_start = 0;
    std::size_t m_lineNumber = 0;
    char m_separator = 0;
    std::vector<std::string> m_fields;
    std::string m_error;
};

// A field as the messages show it: in quotes, cut after 20 characters.
std::string quote(std::string_view s);
// "1 field", "3 fields".
std::string fieldCount(std::size_t n);

} // namespace decay
