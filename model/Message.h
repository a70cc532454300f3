#pragma once

#include <string>
#include <vector>

namespace decay {

// A sentence for the user, kept apart from its values so that a window can show it in the user's
// language: an English pattern in which %1, %2, ... (up to %9) stand for the values.
struct Message {
    std::string pattern; // empty for no message
    std::vector<std::string> values;

    bool empty() const { return pattern.empty(); }
    // The English sentence, the values in their places.
    std::string text() const;
};

// `pattern` with %1, %2, ... replaced by `values` in one pass, so that a value holding "%2" stays
// as it is; a place without a value stays as written.
std::string fillIn(const std::string& pattern, const std::vector<std::string>& values);

} // namespace decay
