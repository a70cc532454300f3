#include "CountsImport.h"

#include "model/common/Conversions.h"
#include "model/common/CsvLines.h"

#include <array>
#include <cmath>

namespace decay {
namespace {

constexpr std::size_t kMostIntervals = 100000;
constexpr double kMostCounts = 1e15;
constexpr double kLatestTime = 1e15;

// The unit in the first brackets of a header field, "t [h]" giving "h".
std::string bracketed(const std::string& name)
{
    const auto open = name.find('['), close = name.find(']');
    return open < close && close != std::string::npos ? name.substr(open + 1, close - open - 1) : std::string();
}

struct Row {
    double start = 0;
    double end = 0; // NaN for the two- and three-field forms until the next line sets it
    double counts = 0;
    double background = 0;
};

// The numbers of one line in the order of `Row`, or what is wrong with them.
Message readRow(const std::vector<std::string>& fields, std::size_t line, std::string_view decimalPoint, Row& row)
{
    const bool withEnd = fields.size() == 4;
    const std::array<double*, 4> targets{&row.start, withEnd ? &row.end : nullptr, &row.counts, &row.background};
    std::size_t column = 0;
    for (std::size_t t = 0; t < targets.size() && column < fields.size(); ++t) {
        if (!targets[t])
            continue;
        const std::string& field = fields[column];
        const MessageValue at = ++column;
        if (field.empty())
            return {"Line %1, field %2 is empty.", {line, at}};
        const auto value = strictValue(field, decimalPoint);
        if (!value)
            return {"Line %1, field %2: %3 is not a number.", {line, at, quote(field)}};
        if (t < 2 && !(std::fabs(*value) <= kLatestTime))
            return {"Line %1, field %2: the time %3 is not from %4 to %5.", {line, at, quote(field), -kLatestTime, kLatestTime}};
        if (t >= 2 && !(*value >= 0 && *value <= kMostCounts))
            return {"Line %1, field %2: %3 is not a count from %4 to %5.", {line, at, quote(field), 0, kMostCounts}};
        if (t == 2 && *value != std::floor(*value))
            return {"Line %1, field %2: the counts %3 are not a whole number.", {line, at, quote(field)}};
        *targets[t] = *value;
    }
    return {};
}

} // namespace

CountsImport readCounts(std::string_view text, std::string_view decimalPoint)
{
    if (text.size() > kLargestCountsFile)
        return {.error = {"The file is larger than %1 MB; a measurement's counts take far less.", {kLargestCountsFileMegabytes}}};
    std::vector<Row> rows;
    std::size_t width = 0;
    std::size_t widthLine = 0;
    std::string unit;
    CsvLines lines(text);
    while (lines.next()) {
        const std::vector<std::string>& fields = lines.fields();
        const std::size_t line = lines.lineNumber();
        if (width == 0) {
            if (fields.size() < 2 || fields.size() > 4)
                return {.error = {fields.size() == 1 ? "Line %1 has %2 field: each line needs a time and counts, then a background or the end "
                                                       "of the interval and a background."
                                                     : "Line %1 has %2 fields: each line needs a time and counts, then a background or the "
                                                       "end of the interval and a background.",
                                  {line, fields.size()}}};
            width = fields.size();
            widthLine = lines.lineNumber();
            if (!strictValue(fields[0], decimalPoint)) { // a header line of names
                unit = bracketed(fields[0]);
                continue;
            }
        }
        if (fields.size() != width)
            return {.error = unequalLines(line, fields.size(), widthLine, width)};
        if (rows.size() == kMostIntervals)
            return {.error = {"Line %1 is one too many: at most %2 intervals.", {line, kMostIntervals}}};
        Row row{.end = std::nan("")};
        if (Message error = readRow(fields, line, decimalPoint, row); !error.empty())
            return {.error = error};
        if (width == 4 && !(row.end > row.start))
            return {.error = {"Line %1: the interval does not end after it starts.", {line}}};
        if (!rows.empty() && width == 4 && !(row.start >= rows.back().end))
            return {.error = {"Line %1: the interval starts before the one before it ends.", {line}}};
        if (!rows.empty() && width != 4 && !(row.start > rows.back().start))
            return {.error = {"Line %1: the time does not come after the time before it.", {line}}};
        rows.push_back(row);
    }
    if (!lines.error().empty())
        return {.error = lines.error()};
    if (rows.size() < 2)
        return {.error = {rows.empty() ? "The file holds no counts." : "The file holds the counts of one interval only; a half-life needs two or more.", {}}};
    if (width != 4) {
        for (std::size_t k = 0; k + 1 < rows.size(); ++k)
            rows[k].end = rows[k + 1].start;
        rows.back().end = rows.back().start + (rows[rows.size() - 2].end - rows[rows.size() - 2].start);
    }

    ImportedCounts imported{.hasBackground = width != 2, .timeUnit = unit};
    imported.data.backgroundRate = 1; // the exposures are the background counts themselves
    for (const Row& row : rows) {
        imported.data.intervals.push_back({.start = row.start, .end = row.end, .counts = static_cast<std::int64_t>(row.counts)});
        imported.data.exposure.push_back(row.background);
    }
    return {.counts = std::move(imported)};
}

} // namespace decay
