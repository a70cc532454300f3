#include "JsonOut.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace webref {

std::string jsonText(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string number(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string numbers(std::span<const double> values)
{
    std::vector<std::string> items;
    for (const double value : values)
        items.push_back(number(value));
    return array(items);
}

std::string object(const std::vector<std::pair<std::string, std::string>>& members)
{
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += std::string(i ? ", " : "") + jsonText(members[i].first) + ": " + members[i].second;
    return out + "}";
}

std::string array(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += std::string(i ? ", " : "") + items[i];
    return out + "]";
}

void write(const std::filesystem::path& folder, std::string_view name, const std::string& json)
{
    std::filesystem::create_directories(folder);
    const auto path = folder / (std::string(name) + ".json");
    std::ofstream file(path, std::ios::binary);
    file << json << '\n';
    if (!file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        std::exit(1);
    }
}

} // namespace webref
