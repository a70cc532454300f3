#pragma once

#include "model/common/Message.h"
#include "model/common/Progress.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace decay {

// A class experiment: every student makes the program's random decay run once, each with a seed
// of its own derived from one class seed.
struct EnsembleParams {
    int atoms = 100;     // N0 of every run, 1..32767
    double rate = 0.1;   // r per step, 0..1; the draws compare with its nearest float
    int lastStep = 50;   // 1..3000
    int runs = 30;       // students, 1..1000
    std::uint64_t seed = 0;
};

inline constexpr int kMostExperimentAtoms = 32767;
inline constexpr int kMostExperimentSteps = 3000;
inline constexpr int kMostExperimentRuns = 1000;

// The parameter texts of the experiment window.
struct EnsembleTexts {
    std::string atoms;
    std::string rate;
    std::string lastStep;
    std::string runs;
    std::string seed;
    std::string decimalPoint = ".";
};

// The parameters, or what is wrong with the first text that cannot be used.
struct EnsembleEntry {
    std::optional<EnsembleParams> params;
    Message error;
};
EnsembleEntry readEnsemble(const EnsembleTexts& texts);

// Parameters from the main window's fields, made usable: the initial number of atoms within
// 1..32767, the rate (or ln 2 over the half-life when the rate field is empty) within 0..1, the
// last step within 1..3000; what cannot be read at all takes the main window's defaults.
EnsembleParams paramsFromMainWindow(const std::string& atoms, const std::string& rate, const std::string& halfLife,
                                    const std::string& lastStep, const std::string& decimalPoint);

// The counts of every run: N(0..lastStep), run after run.
struct Ensemble {
    EnsembleParams params;
    std::vector<std::int16_t> counts;

    int steps() const { return params.lastStep + 1; }
    std::span<const std::int16_t> run(int i) const
    {
        return std::span(counts).subspan(static_cast<std::size_t>(i) * static_cast<std::size_t>(steps()),
                                         static_cast<std::size_t>(steps()));
    }
};

// The seed of run `run` (0-based): depends on the class seed and the run only, never on the
// thread that makes the run.
std::uint64_t runSeed(std::uint64_t seed, int run);

// Run-steps in all, as Progress counts them.
std::int64_t ensembleWork(const EnsembleParams& params);

// Makes every run on `threads` threads (every core when 0), each exactly as the main window's
// random run makes it. Empty when cancelled.
std::optional<Ensemble> runEnsemble(const EnsembleParams& params, Progress& progress, unsigned threads = 0);

// The counts of the runs first..last-1 (0-based; both clamped to 0..params.runs), run after run,
// made on the calling thread exactly as runEnsemble makes them, so that processes sharing no
// memory can each make a part of one class. Empty when cancelled.
std::optional<std::vector<std::int16_t>> runEnsembleRuns(const EnsembleParams& params, int first, int last, Progress& progress);

} // namespace decay
