// Any bytes at all: the class data reader takes the whole file, consistent, or names what is
// wrong with it, and never crashes.
#include "model/ClassData.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (std::string_view decimalPoint : {".", ","}) {
        const auto read = decay::readClassData(text, decimalPoint);
        check(read.data.has_value() == read.error.empty());
        if (!read.data) {
            check(read.error.starts_with("Line ") || read.error.starts_with("The file "));
            continue;
        }
        const decay::ClassData& data = *read.data;
        check(data.steps.size() >= 2 && data.groups.size() == data.counts.size() && !data.counts.empty());
        for (std::size_t i = 1; i < data.steps.size(); ++i)
            check(data.steps[i] > data.steps[i - 1]);
        for (const auto& group : data.counts) {
            check(group.size() == data.steps.size());
            for (double count : group)
                check(std::isfinite(count) && count >= 0);
        }
        if (const auto fit = decay::fitClassData(data))
            check(fit->probability > 0 && fit->probability <= 1 && fit->halfLife > 0);
    }
    return 0;
}
