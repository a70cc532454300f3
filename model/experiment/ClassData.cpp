#include "ClassData.h"

#include "model/common/Conversions.h"
#include "model/common/CsvLines.h"
#include "EnsembleStats.h"

#include <cmath>
#include <numbers>

namespace decay {
namespace {

constexpr std::size_t kMostLines = 10001;
constexpr std::size_t kMostGroups = 1000;

} // namespace

ClassDataRead readClassData(std::string_view text, std::string_view decimalPoint)
{
    if (text.size() > kLargestClassFile)
        return {.error = {"The file is larger than %1 MB; a class's counts take far less.", {kLargestClassFileMegabytes}}};

    ClassData data;
    std::size_t width = 0;    // fields on every line
    std::size_t widthLine = 0; // the line that set it
    CsvLines lines(text);
    while (lines.next()) {
        const std::size_t line = lines.lineNumber();
        const std::vector<std::string>& row = lines.fields();
        if (width == 0) {
            if (row.size() < 2)
                return {.error = {"Line %1 has only one field: each line needs the step and at least one group's count.", {line}}};
            if (row.size() - 1 > kMostGroups)
                return {.error = {"Line %1 has more than %2 groups.", {line, kMostGroups}}};
            width = row.size();
            widthLine = lines.lineNumber();
            data.counts.resize(width - 1);
            if (!strictValue(row[0], decimalPoint)) { // a header line of names
                data.groups.assign(row.begin() + 1, row.end());
                continue;
            }
        }
        if (row.size() != width)
            return {.error = unequalLines(line, row.size(), widthLine, width)};
        if (data.steps.size() == kMostLines)
            return {.error = {"Line %1 is one too many: at most %2 lines of counts.", {line, kMostLines}}};
        for (std::size_t column = 0; column < width; ++column) {
            const std::string& field = row[column];
            const MessageValue at = column + 1;
            if (field.empty())
                return {.error = {"Line %1, field %2 is empty.", {line, at}}};
            const auto value = strictValue(field, decimalPoint);
            if (!value)
                return {.error = {"Line %1, field %2: %3 is not a number.", {line, at, quote(field)}}};
            if (*value < 0)
                return {.error = {"Line %1, field %2: %3 is negative.", {line, at, quote(field)}}};
            if (column > 0) {
                data.counts[column - 1].push_back(*value);
                continue;
            }
            if (*value != std::floor(*value) || *value > 1e9)
                return {.error = {"Line %1, field %2: the step %3 is not a whole number of throws.", {line, at, quote(field)}}};
            if (!data.steps.empty() && *value <= data.steps.back())
                return {.error = {"Line %1: the step %2 does not come after the step before it.", {line, quote(field)}}};
            data.steps.push_back(*value);
        }
    }
    if (!lines.error().empty())
        return {.error = lines.error()};
    if (data.steps.size() < 2)
        return {.error = {data.steps.empty() ? "The file holds no counts." : "The file holds the counts of one step only; a decay needs two or more.", {}}};
    for (std::size_t g = data.groups.size(); g < data.counts.size(); ++g)
        data.groups.push_back("Group " + std::to_string(g + 1));
    return {.data = std::move(data)};
}

std::vector<double> meanCounts(const ClassData& data)
{
    std::vector<double> mean(data.steps.size());
    for (const auto& group : data.counts)
        for (std::size_t i = 0; i < mean.size(); ++i)
            mean[i] += group[i] / static_cast<double>(data.counts.size());
    return mean;
}

std::optional<DecayFit> fitClassData(const ClassData& data)
{
    const auto mean = meanCounts(data);
    LineFit fit;
    for (std::size_t i = 0; i < mean.size(); ++i)
        if (mean[i] > 0)
            fit.add(data.steps[i], std::log(mean[i]));
    const double slope = fit.slope();
    if (!(slope < 0))
        return std::nullopt;
    return DecayFit{.probability = -std::expm1(slope),
                    .halfLife = std::numbers::ln2 / -slope,
                    .initial = std::exp(fit.intercept()),
                    .points = fit.points()};
}

std::vector<double> fittedCounts(const DecayFit& fit, const std::vector<double>& steps)
{
    std::vector<double> counts;
    for (double t : steps)
        counts.push_back(fit.initial * std::exp(std::log1p(-fit.probability) * t));
    return counts;
}

} // namespace decay
