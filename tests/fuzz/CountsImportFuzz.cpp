// Any bytes at all: the counts import takes the whole file, consistent, or names what is wrong with
// it, and both fits take whatever it took without crashing.
#include "FuzzProperties.h"
#include "model/counting/CountsImport.h"

#include <cmath>
#include <cstdint>

namespace {

void requireFit(const decay::HalfLifeFit& fit, std::size_t intervals)
{
    fuzz::require(fit.expected.size() == intervals && fit.residuals.size() == intervals, "a value per interval");
    fuzz::require(fit.fitted() == fit.note.empty(), "a fit or a note why not");
    if (fit.fitted())
        fuzz::require(fit.halfLife > 0 && fit.sigma >= 0 && std::isfinite(fit.sigma), "a half-life above 0 with its uncertainty");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (std::string_view decimalPoint : {".", ","}) {
        const auto read = decay::readCounts(text, decimalPoint);
        fuzz::require(read.counts.has_value() == read.error.empty(), "counts or an error");
        if (!read.counts) {
            fuzz::require(read.error.text().starts_with("Line ") || read.error.text().starts_with("The file "), "the error names the line or the file");
            continue;
        }
        const decay::FitData& data = read.counts->data;
        fuzz::require(data.intervals.size() >= 2 && data.exposure.size() == data.intervals.size(), "two intervals or more");
        for (std::size_t k = 0; k < data.intervals.size(); ++k) {
            const decay::CountInterval& interval = data.intervals[k];
            fuzz::require(interval.end > interval.start && interval.counts >= 0 && data.exposure[k] >= 0, "an interval of counts");
            if (k > 0)
                fuzz::require(interval.start >= data.intervals[k - 1].end, "intervals in order");
        }
        requireFit(decay::fitPoissonLikelihood(data), data.intervals.size());
        requireFit(decay::fitWeightedLeastSquares(data), data.intervals.size());
    }
    return 0;
}
