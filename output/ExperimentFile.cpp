#include "ExperimentFile.h"

#include "DataFile.h"

namespace decay {

std::string experimentFileText(const Ensemble& ensemble, const EnsembleStats& stats)
{
    const int runs = ensemble.params.runs;
    std::string text = "\"t\"";
    for (int i = 1; i <= runs; ++i)
        text += ",\"run " + std::to_string(i) + '"';
    text += ",\"mean\",\"sigma\",\"expectation\"";
    text += kLineEnd;
    text.reserve(text.size() * 2 + static_cast<std::size_t>(ensemble.steps()) * static_cast<std::size_t>(runs + 4) * 7);
    for (int t = 0; t < ensemble.steps(); ++t) {
        const auto step = static_cast<std::size_t>(t);
        text += std::to_string(t);
        for (int i = 0; i < runs; ++i) {
            text += ',';
            text += std::to_string(ensemble.run(i)[step]);
        }
        for (double value : {stats.mean[step], stats.sd[step], stats.expectation[step]}) {
            text += ',';
            text += fileNumber(reduceToFourDecimals(value));
        }
        text += kLineEnd;
    }
    return text;
}

} // namespace decay
