#include "Message.h"

#include <cmath>
#include <cstdio>

namespace decay {

std::string MessageValue::plain() const
{
    if (message)
        return message->text();
    if (!number)
        return text;
    if (form == NumberForm::WithUncertainty)
        return numberValue(*number, 15).plain() + " \u00B1 " + numberValue(plus, 15).plain();
    if (form == NumberForm::Interval)
        return numberValue(*number, 15).plain() + " (\u2212" + numberValue(minus, 15).plain() + "/+" + numberValue(plus, 15).plain() + ")";
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

Message withRemedy(Message refusal, Remedy remedy)
{
    refusal.remedy = std::make_shared<const Remedy>(std::move(remedy));
    return refusal;
}

MessageValue sentenceValue(Message message, const char* context)
{
    MessageValue value{std::string()};
    value.message = std::make_shared<const Message>(std::move(message));
    value.context = context;
    return value;
}

Report& Report::line(Message message)
{
    lines.push_back({std::move(message)});
    return *this;
}

Report& Report::then(Message message)
{
    if (lines.empty())
        return line(std::move(message));
    lines.back().push_back(std::move(message));
    return *this;
}

std::string Report::text() const
{
    std::string shown;
    for (const auto& sentences : lines) {
        if (!shown.empty())
            shown += '\n';
        for (std::size_t i = 0; i < sentences.size(); ++i) {
            if (i > 0)
                shown += ' ';
            shown += sentences[i].text();
        }
    }
    return shown;
}

} // namespace decay
