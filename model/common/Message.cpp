#include "Message.h"

#include <cmath>
#include <cstdio>

namespace decay {

std::string MessageValue::plain() const
{
    if (!number)
        return text;
    char buffer[40];
    const double x = *number;
    if (x == std::floor(x) && std::fabs(x) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", x);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", x);
    return buffer;
}

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
    std::vector<std::string> shown;
    for (const MessageValue& value : values)
        shown.push_back(value.plain());
    return fillIn(pattern, shown);
}

} // namespace decay
