#include "tests/model/nuclides/ShippedTable.h"
#include "model/counting/CountingSession.h"
#include "model/common/Conversions.h"
#include "model/nuclides/NuclideLabSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

// Whether a chart tells something: a curve that changes by a tenth of the largest value shown, or
// on a logarithmic scale by a factor of two.
bool showsChange(const decay::Plot& plot)
{
    double largest = 0;
    for (const auto& layer : plot.layers)
        for (const auto& line : layer.lines)
            for (double y : line.y)
                if (std::isfinite(y))
                    largest = std::max(largest, y);
    for (const auto& layer : plot.layers)
        for (const auto& line : layer.lines) {
            double low = INFINITY, high = -INFINITY;
            for (double y : line.y)
                if (std::isfinite(y) && (!plot.logY || y > 0)) {
                    low = std::min(low, y);
                    high = std::max(high, y);
                }
            if (plot.logY ? high >= 2 * low : high - low >= 0.1 * largest)
                return true;
        }
    return false;
}

// The nuclides of the lab's list, and 50 others drawn from the table's radioactive ones whose
// half-life the lab's grid can follow (from 10 ns to 10^9 y: five half-lives of a longer one take
// longer than a background can be counted in 64 bits).
std::vector<std::string> triedNuclides()
{
    std::vector<std::string> tried = shipped().chainStarts;
    std::vector<std::string> others;
    for (const auto& nuclide : shipped().nuclides)
        if (!nuclide.stable() && nuclide.halfLife >= 1e-8 && nuclide.halfLife <= 1e9 * decay::kSecondsPerYear &&
            std::find(tried.begin(), tried.end(), nuclide.symbol) == tried.end())
            others.push_back(nuclide.symbol);
    std::mt19937 pick(2026);
    std::shuffle(others.begin(), others.end(), pick);
    tried.insert(tried.end(), others.begin(), others.begin() + 50);
    return tried;
}

// The path a hurried teacher takes, for every nuclide tried: the chain opens on its default
// entries and view; the exact run and the random run go; "Counter..." counts the run with the
// counter's default settings (a background measured first) to its end, and the fit of the default
// model finds the first member's table decay constant within 3 standard deviations, or says it
// cannot fit. The view shows the decay or the growth, not flat lines.
TEST(Defaults, RunCountAndFitToARightAnswerForEveryNuclide)
{
    decay::NuclideLabSession lab;
    ASSERT_EQ(lab.loadTable(shippedText()), "");
    int fitted = 0;
    for (const std::string& symbol : triedNuclides()) {
        SCOPED_TRACE(symbol);
        lab.chooseTable(symbol);
        const auto defaults = lab.defaults();
        ASSERT_TRUE(defaults);
        // The counting page's sample of a listed chain: the same span on a uniform grid, the amount
        // in atoms.
        const decay::RunDefaults fromChain = decay::runDefaults(*lab.shown());
        const decay::UniformGrid grid = decay::uniformGrid(fromChain);
        decay::RunSetupTexts uniform{.initial = {decay::significantDigits(fromChain.atoms, 17)}, .step = decay::significantDigits(grid.step, 4),
                                     .unit = grid.unit, .steps = std::to_string(grid.steps)};
        std::vector<std::pair<decay::RunSetupTexts, bool>> runs{{defaults->entries, false}, {defaults->entries, true}};
        if (std::find(shipped().chainStarts.begin(), shipped().chainStarts.end(), symbol) != shipped().chainStarts.end())
            runs.emplace_back(uniform, true); // which the counting page offers
        for (const auto& [entries, random] : runs) {
            SCOPED_TRACE(random ? "random" : "exact");
            SCOPED_TRACE(entries.grid == decay::GridKind::Uniform ? "uniform" : "logarithmic");
            const auto outcome = lab.runNow(entries, random, 7);
            ASSERT_TRUE(outcome.ran) << outcome.error.text();
            EXPECT_TRUE(showsChange(lab.plot(defaults->view)));

            decay::CountingSession counting;
            counting.setSample(*lab.result());
            std::vector<bool> counted(lab.result()->chain.members.size(), false);
            for (const auto& member : counting.countable())
                counted[static_cast<std::size_t>(member.place)] = true;
            const decay::Message refusal = counting.start({}, counted, 11, 12);
            ASSERT_TRUE(refusal.empty()) << refusal.text();
            while (!counting.progress()->finished)
                counting.advanceStep();
            const decay::HalfLifeFit& fit = counting.fit(decay::FitMethod::PoissonLikelihood, counting.defaultShape());
            if (std::isnan(fit.halfLife))
                continue;
            ++fitted;
            // In the decay constant, whose likelihood is near a normal curve: a half-life's is
            // skewed, the more the fewer decays the counts show.
            const double table = std::numbers::ln2 / lab.result()->chain.members[0].halfLife; // per second, as the fit's times
            const double lambda = std::numbers::ln2 / fit.halfLife, sigma = lambda * fit.sigma / fit.halfLife;
            EXPECT_LE(std::fabs(lambda - table), 3 * sigma) << fit.halfLife << " ± " << fit.sigma << " s against " << std::numbers::ln2 / table;
        }
    }
    EXPECT_GT(fitted, 120);
}

} // namespace
