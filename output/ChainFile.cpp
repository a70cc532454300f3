#include "ChainFile.h"

#include "DataFile.h"
#include "model/nuclides/ChainActivity.h"
#include "model/common/Conversions.h"

namespace decay {
namespace {

// A header field in quotes, a quote inside doubled.
std::string field(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted.append(c == '"' ? 2 : 1, c);
    return quoted + '"';
}

} // namespace

std::string chainFileText(const LabRun& run)
{
    const Chain& chain = run.chain;
    const ChainSeries& atoms = run.atoms;
    const TimeUnit unit = run.unit;
    const std::vector<double> times = run.shownTimes();
    const ChainSeries activity = activities(chain, atoms);
    std::string text = field("t [" + std::string(unitName(unit)) + "]");
    for (const ChainMember& member : chain.members)
        text += ',' + field("N " + member.symbol);
    for (const ChainMember& member : chain.members)
        text += ',' + field("A " + member.symbol + " [Bq]");
    text += kLineEnd;
    text.reserve(text.size() + static_cast<std::size_t>(atoms.steps + 1) * static_cast<std::size_t>(2 * atoms.members + 1) * 17);
    for (int k = 0; k <= atoms.steps; ++k) {
        text += significantDigits(times[static_cast<std::size_t>(k)], 10);
        for (const ChainSeries* series : {&atoms, &activity})
            for (int i = 0; i < atoms.members; ++i)
                text.append(",").append(significantDigits(series->at(i, k), 10));
        text += kLineEnd;
    }
    return text;
}

} // namespace decay
