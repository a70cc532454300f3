#include "CsvLines.h"

#include "Conversions.h"

#include <optional>

namespace decay {
namespace {

// Splits a line at `separator` outside double quotes; a quoted field loses its quotes, and a
// doubled quote inside it stands for one. Empty when a quote is left open.
std::optional<std::vector<std::string>> split(std::string_view line, char separator)
{
    std::vector<std::string> result(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                result.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                result.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"' && trimmed(result.back()).empty()) {
            result.back().clear();
            quoted = true;
        } else if (c == separator) {
            result.emplace_back();
        } else {
            result.back() += c;
        }
    }
    if (quoted)
        return std::nullopt;
    for (std::string& f : result)
        f = std::string(trimmed(f));
    return result;
}

} // namespace

CsvLines::CsvLines(std::string_view text)
    : m_text(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text)
{
}

bool CsvLines::next()
{
    while (m_error.empty() && m_start < m_text.size()) {
        const auto end = std::min(m_text.find('\n', m_start), m_text.size());
        std::string_view line = m_text.substr(m_start, end - m_start);
        m_start = end + 1;
        ++m_lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (trimmed(line).empty())
            continue;
        if (line.find('\0') != std::string_view::npos) {
            m_error = {"Line %1 holds a zero byte: this is no text file.", {m_lineNumber}};
            return false;
        }
        if (m_separator == 0)
            m_separator = line.find('\t') != std::string_view::npos ? '\t' : line.find(';') != std::string_view::npos ? ';' : ',';
        auto row = split(line, m_separator);
        if (!row) {
            m_error = {"Line %1 opens a quote that it does not close.", {m_lineNumber}};
            return false;
        }
        m_fields = std::move(*row);
        return true;
    }
    return false;
}

std::string quote(std::string_view s)
{
    constexpr std::size_t kShown = 20;
    return '"' + std::string(s.substr(0, kShown)) + (s.size() > kShown ? "...\"" : "\"");
}

Message unequalLines(std::size_t line, std::size_t fields, std::size_t widthLine, std::size_t width)
{
    return {fields == 1 ? "Line %1 has %2 field, line %3 has %4 fields." : "Line %1 has %2 fields, line %3 has %4 fields.",
            {line, fields, widthLine, width}};
}

} // namespace decay
