#include "LabRun.h"

#include "model/random/DecayDraws.h"

namespace decay {

std::vector<double> LabRun::times() const
{
    return setup.times();
}

std::vector<double> LabRun::shownTimes() const
{
    std::vector<double> shown = times();
    for (double& t : shown)
        t /= unitSeconds(unit);
    return shown;
}

std::optional<LabRun> runLab(const Chain& chain, const RunSetup& setup, TimeUnit unit, bool random, std::uint64_t seed,
                             Progress* progress)
{
    LabRun run{.chain = chain, .setup = setup, .unit = unit, .random = random, .atoms = {}, .exact = exactRun(chain, setup)};
    if (!run.exact)
        return std::nullopt;
    if (!random) {
        run.atoms = std::move(*run.exact);
        run.exact.reset();
        return run;
    }
    DecayDraws draws(seed);
    auto atoms = randomRun(chain, setup, draws, progress);
    if (!atoms)
        return std::nullopt;
    run.atoms = std::move(*atoms);
    return run;
}

} // namespace decay
