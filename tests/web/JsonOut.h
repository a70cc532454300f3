#pragma once
// JSON for the browser tests' reference files: strings escaped, numbers to 17 digits so that a
// double reads back as the same double.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace webref {

std::string jsonText(std::string_view text);
std::string number(double value);
std::string numbers(std::span<const double> values);

// {"key": value, ...} from pairs whose values are already JSON.
std::string object(const std::vector<std::pair<std::string, std::string>>& members);
std::string array(const std::vector<std::string>& items);

// Writes `json` to <folder>/<name>.json; exits with a message when it cannot.
void write(const std::filesystem::path& folder, std::string_view name, const std::string& json);

} // namespace webref
