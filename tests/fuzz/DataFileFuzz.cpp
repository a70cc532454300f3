#include "FuzzProperties.h"

#include "output/DataFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

// The data file of a run state filled from the input: the first two bytes give tmax, any 16-bit
// value, the rest the values of Nt and dNt, any doubles at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    auto state = std::make_unique<decay::RunState>();
    std::memcpy(&state->tmax, data, sizeof state->tmax);
    const std::size_t values = (size - 2) / sizeof(double);
    for (std::size_t i = 0; i < values; ++i) {
        double value = 0;
        std::memcpy(&value, data + 2 + i * sizeof(double), sizeof value);
        (i % 2 ? state->dNt : state->Nt)[(i / 2) % decay::kSeriesSize] = value;
    }

    const std::string file = decay::dataFileText(*state);
    fuzz::require(file.starts_with("\"T\",\"N(t)\",\"dN(t)\",\"lnN(t)\"\r\n"), "the header comes first");
    std::size_t at = file.find("\r\n") + 2;
    // The series end at step 10000, whatever tmax says.
    for (int t = 0; t <= std::min<int>(state->tmax, decay::kSeriesSize - 1); ++t) {
        const std::size_t end = file.find("\r\n", at);
        fuzz::require(end != std::string::npos, "one line a step, each ending in CR LF");
        const std::string line = file.substr(at, end - at);
        at = end + 2;
        std::string fields[4];
        std::size_t start = 0;
        for (int f = 0; f < 4; ++f) {
            const std::size_t comma = f < 3 ? line.find(',', start) : line.size();
            fuzz::require(comma != std::string::npos, "four fields a line", line);
            fields[f] = line.substr(start, comma - start);
            start = comma + 1;
        }
        fuzz::require(start == line.size() + 1, "no more than four fields", line);
        fuzz::require(fields[0] == std::to_string(t), "the first field is the step", line);
        const double shown[3] = {state->Nt[t], state->dNt[t], state->Nt[t] > 0 ? std::log(state->Nt[t]) : NAN};
        for (int f = 1; f < 4; ++f) {
            const double reduced = decay::reduceToFourDecimals(shown[f - 1]);
            if (!std::isfinite(reduced)) {
                fuzz::require(fields[f].empty(), "a value that is no number leaves its field empty", line);
                continue;
            }
            fuzz::requireReadsBack(fields[f]);
            // Below 2^31 / 10000 the four decimals are exact.
            if (std::fabs(reduced) < 214748)
                fuzz::require(decay::strictValue(fields[f], ".") == reduced, "a field reads back as its value", line);
        }
    }
    fuzz::require(at == file.size(), "nothing after the last step");
    return 0;
}
