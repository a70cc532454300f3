#include "CountsImport.h"

#include "Conversions.h"
#include "CsvLines.h"

#include <array>
#include <cmath>

namespace decay {
namespace {

constexpr std::size_t kLargestFile = 8 << 20;
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
std::string readRow(const std::vector<std::string>& fields, const std::string& where, std::string_view decimalPoint, Row& row)
{
    const bool withEnd = fields.size() == 4;
    const std::array<double*, 4> targets{&row.start, withEnd ? &row.end : nullptr, &row.counts, &row.background};
    std::size_t column = 0;
    for (std::size_t t = 0; t < targets.size() && column < fields.size(); ++t) {
        if (!targets[t])
            continue;
        const std::string& field = fields[column];
        const std::string cell = where + ", field " + std::to_string(++column);
        if (field.empty())
            return cell + " is empty.";
        const auto value = strictValue(field, decimalPoint);
        if (!value)
            return cell + ": " + quote(field) + " is not a number.";
        if (t < 2 && !(std::fabs(*value) <= kLatestTime))
            return cell + ": the time " + quote(field) + " is not from -1e15 to 1e15.";
        if (t >= 2 && !(*value >= 0 && *value <= kMostCounts))
            return cell + ": " + quote(field) + " is not a count from 0 to 1e15.";
        if (t == 2 && *value != std::floor(*value))
            return cell + ": the counts " + quote(field) + " are not a whole number.";
        *targets[t] = *value;
    }
    return {};
}

} // namespace

CountsImport readCounts(std::string_view text, std::string_view decimalPoint)
{
    if (text.size() > kLargestFile)
        return {.error = "The file is larger than 8 MB; a measurement's counts take far less."};
    std::vector<Row> rows;
    std::size_t width = 0;
    std::size_t widthLine = 0;
    std::string unit;
    CsvLines lines(text);
    while (lines.next()) {
        const std::vector<std::string>& fields = lines.fields();
        const std::string where = lines.where();
        if (width == 0) {
            if (fields.size() < 2 || fields.size() > 4)
                return {.error = where + " has " + fieldCount(fields.size())
                                 + ": each line needs a time and counts, then a background or the end of the interval and a background."};
            width = fields.size();
            widthLine = lines.lineNumber();
            if (!strictValue(fields[0], decimalPoint)) { // a header line of names
                unit = bracketed(fields[0]);
                continue;
            }
        }
        if (fields.size() != width)
            return {.error = where + " has " + fieldCount(fields.size()) + ", line " + std::to_string(widthLine) + " has " + fieldCount(width) + "."};
        if (rows.size() == kMostIntervals)
            return {.error = where + " is one too many: at most " + std::to_string(kMostIntervals) + " intervals."};
        Row row{.end = std::nan("")};
        if (std::string error = readRow(fields, where, decimalPoint, row); !error.empty())
            return {.error = error};
        if (width == 4 && !(row.end > row.start))
            return {.error = where + ": the interval does not end after it starts."};
        if (!rows.empty() && width == 4 && !(row.start >= rows.back().end))
            return {.error = where + ": the interval starts before the one before it ends."};
        if (!rows.empty() && width != 4 && !(row.start > rows.back().start))
            return {.error = where + ": the time does not come after the time before it."};
        rows.push_back(row);
    }
    if (!lines.error().empty())
        return {.error = lines.error()};
    if (rows.size() < 2)
        return {.error = rows.empty() ? "The file holds no counts." : "The file holds the counts of one interval only; a half-life needs two or more."};
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
