// Any bytes at all: the class data reader takes the whole file, consistent, or names what is
// wrong with it, and never crashes.
#include "FuzzProperties.h"
#include "model/experiment/ClassData.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (std::string_view decimalPoint : {".", ","}) {
        const auto read = decay::readClassData(text, decimalPoint);
        fuzz::require(read.data.has_value() == read.error.empty(), "data or an error");
        if (!read.data) {
            fuzz::require(read.error.text().starts_with("Line ") || read.error.text().starts_with("The file "), "the error names the line or the file");
            continue;
        }
        const decay::ClassData& data = *read.data;
        fuzz::require(data.steps.size() >= 2 && data.groups.size() == data.counts.size() && !data.counts.empty(), "two steps or more of every group");
        for (std::size_t i = 1; i < data.steps.size(); ++i)
            fuzz::require(data.steps[i] > data.steps[i - 1], "steps in order");
        for (const auto& group : data.counts) {
            fuzz::require(group.size() == data.steps.size(), "a count a step");
            for (double count : group)
                fuzz::require(std::isfinite(count) && count >= 0, "counts from 0 up");
        }
        if (const auto fit = decay::fitClassData(data))
            fuzz::require(fit->probability > 0 && fit->probability <= 1 && fit->halfLife > 0, "a probability and a half-life");
    }
    return 0;
}
