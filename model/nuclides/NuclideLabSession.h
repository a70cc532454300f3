#pragma once

#include "ChainActivity.h"
#include "LabPlot.h"
#include "LabRun.h"
#include "NuclideTable.h"
#include "TableChain.h"

#include "model/common/Progress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace decay {

// The nuclide lab's state and what a window or a page does with it: the table, read once; the
// chain chosen from it or typed; the last run; the views of that run. A front end reads its
// controls, calls the session and shows what comes back.
class NuclideLabSession {
public:
    // The table from the text of data/nuclides.txt: "" when it was read, else what is wrong with
    // it, and the session has no table chains.
    std::string loadTable(std::string_view text);
    const NuclideTable& table() const { return m_table; }

    // The branch threshold, a fraction of the parent's decays: branches below it are left out of
    // table chains. A threshold that cannot be read leaves the one before and says why.
    double threshold() const { return m_threshold; }
    NumberEntry setThreshold(std::string_view percent, std::string_view decimalPoint);
    // A threshold read before (a worker's copy of the session takes the page's); one that is not
    // a fraction from 0 to 1 leaves the one before.
    void setThreshold(double fraction);

    // The place of the chain from a radioactive nuclide of the table among the chains offered,
    // which it joins when it is not yet one of them; empty for a nuclide the table lacks or a
    // stable one.
    std::optional<std::size_t> offer(std::string_view symbol);

    // The chain shown from now on, and no run yet: the table's chain from `start`, or one typed.
    TableChain chooseTable(std::string_view start);
    ChainEntry chooseCustom(const CustomChainTexts& texts);
    const std::optional<Chain>& shown() const { return m_shown; }
    // The chain the views and the equilibrium speak of: the one run last, else the one shown.
    const Chain* currentChain() const;

    // The entries the chain shown starts with (defaultEntries), and the step after which the Milk
    // command first takes its member away.
    // The view it opens on: the atoms of a lone member's decay; the activity of a chain, where
    // daughters grow to their parent's, on a logarithmic scale where the grid is logarithmic too,
    // as the members of a series rise over decades of time.
    struct Defaults {
        RunSetupTexts entries;
        int milkStep = 1; // half the steps of the grid
        LabView view;
    };
    std::optional<Defaults> defaults() const;

    // A run of the chain shown from the entries, ready to go on any thread, or why it cannot.
    // The views and the file keep the time in the unit of the step, or of the last time.
    struct Prepared {
        Chain chain;
        RunSetup setup;
        TimeUnit unit = TimeUnit::Second;
        TimeUnit firstUnit = TimeUnit::Second;
        bool random = false;
    };
    std::variant<Prepared, Message> prepare(const RunSetupTexts& texts, bool random) const;
    // The same for any chain, not the lab's.
    static std::variant<Prepared, Message> prepare(const Chain& chain, const RunSetupTexts& texts, bool random);
    // Why the entries cannot be run; empty when they can, or when no chain is shown.
    Message refusal(const RunSetupTexts& texts, bool random) const;
    // Empty when `progress` cancels it.
    static std::optional<LabRun> run(const Prepared& prepared, std::uint64_t seed, Progress* progress = nullptr);
    // A run made here and now, which the views, the file and the counter show from then on. Not
    // made when the entries cannot be run (why: `error`, empty when no chain is shown) or the run
    // comes to nothing; the run before stays then.
    struct Outcome {
        bool ran = false;
        Message error;
    };
    Outcome runNow(const RunSetupTexts& texts, bool random, std::uint64_t seed);
    // The run the views, the file and the counter show from now on.
    void setResult(std::optional<LabRun> run) { m_result = std::move(run); }
    const std::optional<LabRun>& result() const { return m_result; }
    // A random run made elsewhere (on a worker) from the same entries, with its moves: the exact
    // solution beside it computed here. False, and no run, when its shape is not that of the
    // entries' run.
    bool adopt(const RunSetupTexts& texts, std::vector<double> atoms, std::vector<double> decays,
               std::vector<ChainFlow> flows = {});

    // What the status line tells of the last run: its kind, its steps (the times after 0 of a
    // logarithmic grid), that grid's first and last time in their units, and the milking.
    struct Summary {
        bool random = false;
        int steps = 0;
        GridKind grid = GridKind::Uniform;
        double first = 0; // in firstUnit
        TimeUnit firstUnit = TimeUnit::Second;
        double last = 0; // in unit
        TimeUnit unit = TimeUnit::Second; // of the step, and of the times of the views
        std::optional<Milking> milk;
    };
    std::optional<Summary> summary() const;
    // The status line in words (context "NuclideLab"), the step as it was typed; empty before a run.
    Report statusReport(const std::string& typedStep) const;

    // The chart of the last run as `view` shows it; the prompt to run the chain without one.
    Plot plot(const LabView& view) const;
    // The members the daughter descends from, in the chain's order.
    std::vector<int> upstream(int daughter) const;
    // The equilibrium of the daughter against a member upstream, from the run's start, or before
    // a run from a pure start of the first member, in words; none for members the chain does not
    // have.
    Message equilibriumText(int daughter, int over) const;

private:
    NuclideTable m_table;
    double m_threshold = ChainOptions{}.threshold;
    std::optional<Chain> m_shown; // the table chain chosen, or the custom chain last read
    std::optional<LabRun> m_result;
};

} // namespace decay
