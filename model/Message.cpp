#include "Message.h"

namespace decay {

std::string fillIn(const std::string& pattern, const std::vector<std::string>& values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < values.size()) {
            text += values[place];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Message::text() const
{
    return fillIn(pattern, values);
}

} // namespace decay
