#include "DataFile.h"

#include "model/common/Conversions.h"
#include "model/run/LnCounts.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace decay {

double reduceToFourDecimals(double value)
{
    const double product = roundHalfEven(value * 10000.0);
    if (product >= std::numeric_limits<std::int32_t>::min() && product <= std::numeric_limits<std::int32_t>::max())
        return static_cast<std::int32_t>(product) / 10000.0;
    return product / 10000.0;
}

std::string fileNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    std::string text = numberText(value);
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    return text;
}

std::string dataFileText(RunState& state)
{
    std::string text = "\"T\",\"N(t)\",\"dN(t)\",\"lnN(t)\"";
    text += kLineEnd;
    if (state.tmax < 0)
        return text;
    text.reserve(text.size() + 32 * static_cast<std::size_t>(state.tmax + 1));
    const int last = std::min<int>(state.tmax, kSeriesSize - 1);
    for (int t = 0; t <= last; ++t) {
        state.t = static_cast<std::int16_t>(t);
        text += std::to_string(t);
        text += ',';
        text += fileNumber(reduceToFourDecimals(state.Nt[t]));
        text += ',';
        text += fileNumber(reduceToFourDecimals(state.dNt[t]));
        text += ',';
        if (const auto ln = lnAtoms(state, t))
            text += fileNumber(reduceToFourDecimals(*ln));
        text += kLineEnd;
    }
    return text;
}

} // namespace decay
