#pragma once

#include "HalfLifeFit.h"
#include "model/common/Message.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace decay {

// A student's counts, ready to fit: the background column, when there is one, is the background
// counts of each interval, taken as known.
struct ImportedCounts {
    FitData data;
    bool hasBackground = false;
    std::string timeUnit; // what the header names in brackets ("t [s]" gives "s"); empty when it names none
};
struct CountsImport {
    std::optional<ImportedCounts> counts;
    Message error;
};
// A measurement's counts take far less; a larger file is refused unread.
inline constexpr std::size_t kLargestCountsFileMegabytes = 8;
inline constexpr std::size_t kLargestCountsFile = kLargestCountsFileMegabytes << 20;

// Reads a comma-, semicolon- or tab-separated text with the same number of fields on every line:
//   time, counts                       an interval from each time to the next; the last as long as the one before
//   time, counts, background           the same, with the background counts of each interval
//   start, end, counts, background     the program's own counts file
// after an optional header line of names; numbers with "." or `decimalPoint`; counts whole and not
// negative, times rising. Nothing is taken from a text that has anything wrong with it; the message
// names the line.
CountsImport readCounts(std::string_view text, std::string_view decimalPoint);

} // namespace decay
