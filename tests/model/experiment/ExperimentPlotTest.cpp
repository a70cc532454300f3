#include "model/experiment/ExperimentPlot.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using decay::ExperimentView;
using decay::PlotLayer;
using decay::PlotLine;

const PlotLayer* find(const decay::ExperimentPlot& plot, const std::string& name)
{
    for (const PlotLayer& layer : plot.layers)
        if (layer.name.pattern == name)
            return &layer;
    return nullptr;
}

std::vector<std::string> names(const decay::ExperimentPlot& plot)
{
    std::vector<std::string> out;
    for (const PlotLayer& layer : plot.layers)
        out.emplace_back(layer.name.pattern);
    return out;
}

decay::Ensemble classOf(int atoms, double rate, int lastStep, int runs)
{
    decay::ProgressCounter progress;
    return *decay::runEnsemble({.atoms = atoms, .rate = rate, .lastStep = lastStep, .runs = runs, .seed = 7}, progress, 2);
}

// A class of 250 at r = 0.1 over 43 steps: a hundred runs drawn from all over the class, bands that
// end at no atoms, the laws as their closed forms give them, and the half-lives.
TEST(ExperimentPlot, ViewsOfAClassShowRunsBandsLawsAndHalfLives)
{
    const auto ensemble = classOf(1000, 0.1, 43, 250);
    const auto stats = decay::ensembleStats(ensemble);
    const auto counts = decay::plotExperiment(ExperimentView::Counts, &ensemble, &stats, nullptr, nullptr);
    EXPECT_EQ(names(counts), (std::vector<std::string>{"Binomial ±1σ", "Class ±1σ", "Runs", "Class mean", "Expectation N0·(1−q)^t",
                                                       "Continuous law N0·e^(−r·t)"}));
    const PlotLayer& runs = *find(counts, "Runs");
    ASSERT_EQ(runs.lines.size(), 100u);
    const auto last = ensemble.run(247); // the hundredth of 250 spread evenly
    EXPECT_EQ(runs.lines.back().y, std::vector<double>(last.begin(), last.end()));
    const auto first = ensemble.run(0);
    EXPECT_EQ(runs.lines.front().y, std::vector<double>(first.begin(), first.end()));

    const PlotLine& continuous = find(counts, "Continuous law N0·e^(−r·t)")->lines[0];
    ASSERT_EQ(continuous.x.size(), 44u);
    EXPECT_EQ(continuous.x[43], 43);
    EXPECT_WITHIN(continuous.y[43], static_cast<double>(1000.0L * std::exp(-0.1L * 43)), relative(kRoundingNoise));
    // The draws compare with the float nearest 0.1: q = (floor(0.1f * 2^24) + 1) / 2^24.
    const long double q = (std::floor(static_cast<long double>(0.1f) * 16777216.0L) + 1) / 16777216.0L;
    EXPECT_WITHIN(find(counts, "Expectation N0·(1−q)^t")->lines[0].y[43], static_cast<double>(1000.0L * std::pow(1 - q, 43.0L)),
                  relative(kRoundingNoise));

    const PlotLayer& band = *find(counts, "Class ±1σ");
    EXPECT_EQ(band.kind, PlotLayer::Kind::Band);
    ASSERT_EQ(band.lines.size(), 2u);

    const auto ln = decay::plotExperiment(ExperimentView::LnCounts, &ensemble, &stats, nullptr, nullptr);
    EXPECT_EQ(find(ln, "Class ±1σ"), nullptr);
    // ln of the curve's value against the closed form: a few units in the last place of ln N apart.
    EXPECT_WITHIN(find(ln, "Continuous law N0·e^(−r·t)")->lines[0].y[43], std::log(1000.0) - 0.1 * 43, relative(3e-13));
    const PlotLine& fitted = find(ln, "Fitted line")->lines[0];
    EXPECT_EQ(fitted.x, (std::vector<double>{0, 43}));
    EXPECT_EQ(ln.yTitle.pattern, "ln N");

    // The half-life view: the histogram's bars, and the theory's half-lives as marks as tall as the
    // highest bar; ln 2 / r at r = 0.1 is 6.93147 steps.
    const auto plot = decay::plotExperiment(ExperimentView::HalfLives, &ensemble, &stats, nullptr, nullptr);
    EXPECT_EQ(plot.title.pattern, "Half-lives where N first falls to N0/2");
    const PlotLayer& bars = plot.layers.at(0);
    EXPECT_EQ(bars.kind, PlotLayer::Kind::Bars);
    double total = 0, highest = 0;
    for (double y : bars.lines[0].y) {
        total += y;
        highest = std::max(highest, y);
    }
    EXPECT_EQ(total, 250); // every run of 1000 atoms halves within 43 steps
    const PlotLayer& lnTwoOverR = *find(plot, "ln 2 / r");
    EXPECT_EQ(lnTwoOverR.kind, PlotLayer::Kind::Mark);
    EXPECT_EQ(lnTwoOverR.lines[0].x[0], 0.693147180559945309 / 0.1);
    EXPECT_EQ(lnTwoOverR.lines[0].y, (std::vector<double>{0, highest}));
}

// Three atoms at r = 0.5: the class's band reaches below no atoms and is cut there; a class of 40
// draws every run.
TEST(ExperimentPlot, BandsStopAtNoAtomsAndSmallClassesShowEveryRun)
{
    const auto ensemble = classOf(3, 0.5, 10, 40);
    const auto stats = decay::ensembleStats(ensemble);
    const auto plot = decay::plotExperiment(ExperimentView::Counts, &ensemble, &stats, nullptr, nullptr);
    EXPECT_EQ(find(plot, "Runs")->lines.size(), 40u);
    bool cut = false;
    for (const PlotLayer* band : {find(plot, "Class ±1σ"), find(plot, "Binomial ±1σ")})
        for (double y : band->lines[0].y) {
            EXPECT_GE(y, 0);
            cut = cut || y == 0;
        }
    EXPECT_TRUE(cut);
}

// A class's own data alone: each group's points at its throws, and the fit through their mean.
TEST(ExperimentPlot, ClassDataAndItsFitStandAlone)
{
    const auto read = decay::readClassData("throw,A,B\n0,100,100\n1,81,85\n2,64,70\n3,52,60\n", ".");
    ASSERT_TRUE(read.data);
    const auto fit = decay::fitClassData(*read.data);
    ASSERT_TRUE(fit);
    const auto plot = decay::plotExperiment(ExperimentView::Counts, nullptr, nullptr, &*read.data, &*fit);
    EXPECT_EQ(names(plot), (std::vector<std::string>{"Class data", "Class data fit"}));
    const PlotLayer& points = plot.layers[0];
    EXPECT_EQ(points.kind, PlotLayer::Kind::Points);
    ASSERT_EQ(points.lines.size(), 2u);
    EXPECT_EQ(points.lines[1].x, (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(points.lines[1].y, (std::vector<double>{100, 85, 70, 60}));
    const auto ln = decay::plotExperiment(ExperimentView::LnCounts, nullptr, nullptr, &*read.data, nullptr);
    ASSERT_EQ(ln.layers.size(), 1u);
    EXPECT_EQ(ln.layers[0].lines[0].y[3], std::log(56.0)); // ln of the groups' mean, (52 + 60) / 2

    EXPECT_TRUE(decay::plotExperiment(ExperimentView::Counts, nullptr, nullptr, nullptr, nullptr).layers.empty());
    EXPECT_TRUE(decay::plotExperiment(ExperimentView::HalfLives, nullptr, nullptr, nullptr, nullptr).layers.empty());
}

} // namespace
