#include "Ensemble.h"

#include "model/common/Conversions.h"
#include "model/random/DecayDraws.h"
#include "model/random/SplitMix64.h"
#include "model/run/Runs.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <cmath>
#include <numbers>
#include <system_error>
#include <thread>
#include <vector>

namespace decay {
namespace {

// Between two looks at the cancel flag: about 2 ms at the most atoms.
constexpr int kStepsPerSlice = 64;

// Threads joined when the scope ends, so none outlives the ensemble it writes into (std::jthread
// would do this, but not every standard library has it yet). A thread the system cannot start
// (none in a browser without shared memory) is no error: the threads running take its runs.
class Workers {
public:
    Workers() = default;
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;
    ~Workers()
    {
        for (auto& thread : m_threads)
            thread.join();
    }

    template <class Work>
    bool start(const Work& work)
    {
        try {
            m_threads.emplace_back(work);
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }

private:
    std::vector<std::thread> m_threads;
};

Message outside(const char* pattern, long long low, long long high)
{
    return {pattern, {low, high}};
}

void makeRun(const EnsembleParams& params, std::uint32_t limit, int run, std::int16_t* left, Progress& progress)
{
    DecayDraws draws(runSeed(params.seed, run));
    left[0] = static_cast<std::int16_t>(params.atoms);
    for (int from = 0; from < params.lastStep && !progress.cancelled();) {
        const int to = std::min(from + kStepsPerSlice, params.lastStep);
        const int last = decaySteps(draws, limit, from, to, left);
        if (last < to || left[last] == 0) { // ran out: the rest stays 0
            std::fill(left + last + 1, left + params.lastStep + 1, std::int16_t{0});
            progress.advance(params.lastStep - from);
            return;
        }
        progress.advance(to - from);
        from = to;
    }
}

} // namespace

EnsembleEntry readEnsemble(const EnsembleTexts& texts)
{
    EnsembleParams params;
    const auto atoms = wholeNumber(texts.atoms, texts.decimalPoint);
    if (!atoms || *atoms < 1 || *atoms > kMostExperimentAtoms)
        return {.error = outside("The initial number of atoms must be a whole number from %1 to %2.", 1, kMostExperimentAtoms)};
    const auto rate = strictValue(texts.rate, texts.decimalPoint);
    if (!rate || !(*rate >= 0 && *rate <= 1))
        return {.error = {"The decay rate must be a number from %1 to %2.", {0, 1}}};
    const auto lastStep = wholeNumber(texts.lastStep, texts.decimalPoint);
    if (!lastStep || *lastStep < 1 || *lastStep > kMostExperimentSteps)
        return {.error = outside("The last step must be a whole number from %1 to %2.", 1, kMostExperimentSteps)};
    const auto runs = wholeNumber(texts.runs, texts.decimalPoint);
    if (!runs || *runs < 1 || *runs > kMostExperimentRuns)
        return {.error = outside("The number of runs must be a whole number from %1 to %2.", 1, kMostExperimentRuns)};
    const std::string_view seedText = trimmed(texts.seed);
    std::uint64_t seed = 0;
    const auto read = std::from_chars(seedText.data(), seedText.data() + seedText.size(), seed);
    if (seedText.empty() || read.ec != std::errc() || read.ptr != seedText.data() + seedText.size())
        return {.error = {"The seed must be a whole number from %1 to %2.", {"0", std::to_string(std::numeric_limits<std::uint64_t>::max())}}};
    params.atoms = static_cast<int>(*atoms);
    params.rate = *rate;
    params.lastStep = static_cast<int>(*lastStep);
    params.runs = static_cast<int>(*runs);
    params.seed = seed;
    return {.params = params};
}

EnsembleParams paramsFromMainWindow(const std::string& atoms, const std::string& rate, const std::string& halfLife,
                                    const std::string& lastStep, const std::string& decimalPoint)
{
    EnsembleParams params;
    if (const auto n = lenientValue(atoms); n && roundHalfEven(*n) >= 1)
        params.atoms = static_cast<int>(std::min(roundHalfEven(*n), double(kMostExperimentAtoms)));
    if (const auto r = strictValue(rate, decimalPoint); r && *r >= 0)
        params.rate = std::min(*r, 1.0);
    else if (const auto T = strictValue(halfLife, decimalPoint); rate.empty() && T && *T > 0)
        params.rate = std::min(std::numbers::ln2 / *T, 1.0);
    if (const auto t = lenientValue(lastStep); t && roundHalfEven(*t) >= 1)
        params.lastStep = static_cast<int>(std::min(roundHalfEven(*t), double(kMostExperimentSteps)));
    return params;
}

std::uint64_t runSeed(std::uint64_t seed, int run)
{
    // Output run + 1 of splitmix64 from the class seed: distinct runs, unrelated streams.
    std::uint64_t state = seed + static_cast<std::uint64_t>(run) * kSplitMixGamma;
    return splitMix64(state);
}

std::int64_t ensembleWork(const EnsembleParams& params)
{
    return static_cast<std::int64_t>(params.runs) * params.lastStep;
}

std::optional<Ensemble> runEnsemble(const EnsembleParams& params, Progress& progress, unsigned threads)
{
    Ensemble ensemble{.params = params};
    ensemble.counts.resize(static_cast<std::size_t>(params.runs) * static_cast<std::size_t>(ensemble.steps()));
    const std::uint32_t limit = DecayDraws::drawLimit(static_cast<float>(params.rate));
    if (threads == 0)
        threads = std::max(std::thread::hardware_concurrency(), 1u);
    threads = std::min(threads, static_cast<unsigned>(params.runs));

    // Each thread takes the next run not yet taken; a run's counts depend on its index alone.
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int run = next++; run < params.runs && !progress.cancelled(); run = next++)
            makeRun(params, limit, run, ensemble.counts.data() + static_cast<std::size_t>(run) * static_cast<std::size_t>(ensemble.steps()), progress);
    };
    {
        Workers workers;
        for (unsigned i = 1; i < threads; ++i)
            if (!workers.start(work))
                break;
        work();
    }
    if (progress.cancelled())
        return std::nullopt;
    return ensemble;
}

std::optional<std::vector<std::int16_t>> runEnsembleRuns(const EnsembleParams& params, int first, int last, Progress& progress)
{
    first = std::clamp(first, 0, params.runs);
    last = std::clamp(last, first, params.runs);
    const auto steps = static_cast<std::size_t>(params.lastStep) + 1;
    std::vector<std::int16_t> counts(static_cast<std::size_t>(last - first) * steps);
    const std::uint32_t limit = DecayDraws::drawLimit(static_cast<float>(params.rate));
    for (int run = first; run < last && !progress.cancelled(); ++run)
        makeRun(params, limit, run, counts.data() + static_cast<std::size_t>(run - first) * steps, progress);
    if (progress.cancelled())
        return std::nullopt;
    return counts;
}

} // namespace decay
