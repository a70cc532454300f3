#include "model/atoms/AtomsSession.h"
#include "model/experiment/Ensemble.h"
#include "model/nuclides/LabRun.h"
#include "model/run/Runs.h"
#include "tests/Tolerance.h"
#include "tests/model/nuclides/ShippedTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <numeric>

namespace {

using decay::AtomHistory;
using decay::AtomsSession;

class NoProgress final : public decay::Progress {
public:
    void advance(std::int64_t) override {}
    bool cancelled() const override { return m_cancel; }
    bool m_cancel = false;
};

// The designed window's random run of `atoms` at the rate 0.1 up to step `last`.
std::unique_ptr<decay::RunState> designedRun(const char* atoms, int last)
{
    auto state = std::make_unique<decay::RunState>();
    state->tmax = static_cast<std::int16_t>(last);
    decay::runRandom(*state, {.N0 = atoms, .rate = "0.1"}, 1234);
    return state;
}

decay::LabRun labRun(const decay::Chain& chain, double atoms, double step, int steps, std::optional<decay::Milking> milk = {})
{
    std::vector<double> initial(static_cast<std::size_t>(chain.size()), 0.0);
    initial[0] = atoms;
    return *decay::runLab(chain, {initial, step, steps, milk}, decay::TimeUnit::Hour, true, 99);
}

decay::Chain loneNuclide()
{
    decay::CustomChainTexts texts;
    texts.members.push_back({"X", "2.5", decay::TimeUnit::Hour});
    return *decay::readCustomChain(texts).chain;
}

// A run and what its own series say of every state at every step (-1: the series says nothing).
struct RunCase {
    const char* name;
    std::function<AtomHistory()> history;
    std::function<std::int64_t(int state, int step)> series;
};

std::vector<RunCase> everyKindOfRun()
{
    static const auto designed = designedRun("10000", 60);
    static NoProgress progress;
    static const auto ensemble = decay::runEnsemble({.atoms = 500, .rate = 0.07, .lastStep = 80, .runs = 5, .seed = 8}, progress);
    static const auto lone = labRun(loneNuclide(), 20000, 0.3, 50);
    // Th-228's series branches at Bi-212 and meets again at Pb-208; long steps hold several decays,
    // and Pb-212 is milked half-way.
    static const auto thorium = labRun(tableChain("Th-228"), 30000, 3, 60, decay::Milking{30, 4});
    const auto member = [](const decay::LabRun& run) {
        return [&run](int state, int step) -> std::int64_t {
            return state < run.chain.size() ? static_cast<std::int64_t>(run.atoms.at(state, step)) : -1;
        };
    };
    return {
        {"designed run", [] { return decay::atomsOfRun(*designed, {.rate = "0.1"}); },
         [](int state, int step) { return static_cast<std::int64_t>(state == 0 ? designed->Nt[static_cast<std::size_t>(step)] : 10000 - designed->Nt[static_cast<std::size_t>(step)]); }},
        {"class experiment, run 3", [] { return decay::atomsOfExperiment(&*ensemble, 3); },
         [](int state, int step) { return std::int64_t{state == 0 ? ensemble->run(3)[static_cast<std::size_t>(step)] : 500 - ensemble->run(3)[static_cast<std::size_t>(step)]}; }},
        {"nuclide lab, single nuclide", [] { return decay::atomsOfLab(&lone); }, member(lone)},
        {"nuclide lab, thorium series milked", [] { return decay::atomsOfLab(&thorium); }, member(thorium)},
    };
}

// At every step, as many atoms are shown in each state as the run has there, and the atoms
// followed from state to state give the same numbers when counted without a frame.
TEST(Atoms, EveryStepShowsTheRunsCounts)
{
    for (const RunCase& run : everyKindOfRun()) {
        const AtomHistory history = run.history();
        ASSERT_TRUE(history.refusal.empty()) << run.name << ": " << history.refusal.text();
        const AtomsSession session(history, 5);
        ASSERT_TRUE(session.refusal().empty()) << run.name << ": " << session.refusal().text();
        const int n = session.atoms();
        std::vector<std::uint8_t> frame(static_cast<std::size_t>(n));
        std::vector<std::uint32_t> all(static_cast<std::size_t>(n));
        std::iota(all.begin(), all.end(), 0u);
        const auto tracked = session.field().countsIn(all, history.tracked);
        for (int t = 0; t <= history.steps; ++t) {
            session.field().frame(t, frame);
            std::vector<std::int64_t> shown(static_cast<std::size_t>(history.stateCount()), 0);
            for (const std::uint8_t state : frame)
                ++shown[state];
            for (int s = 0; s < history.stateCount(); ++s)
                if (run.series(s, t) >= 0) {
                    EXPECT_EQ(shown[static_cast<std::size_t>(s)], run.series(s, t)) << run.name << ", state " << s << ", step " << t;
                }
            EXPECT_EQ(tracked[static_cast<std::size_t>(t)], run.series(history.tracked, t)) << run.name << ", step " << t;
            EXPECT_EQ(std::accumulate(shown.begin(), shown.end(), std::int64_t{0}), n) << run.name;
        }
        // A jump back and forth gives every atom the state its frame gives it.
        for (const int t : {history.steps, 0, history.steps / 3, history.steps / 2}) {
            session.field().frame(t, frame);
            for (int a = 0; a < n; a += 97)
                ASSERT_EQ(session.field().stateAt(a, t), frame[static_cast<std::size_t>(a)]) << run.name << ", atom " << a;
        }
    }
}

// Which atoms decay does not depend on where they are: from step 0 to t, the D atoms of the
// followed state that left it are D drawn from its N, so a quarter of the square holding K of
// them keeps a hypergeometric number of mean D K / N and variance D (K/N)(1 - K/N)(N - D)/(N - 1).
// Every quarter at several steps within 5 standard deviations (a false alarm below 10^-5 over the
// whole test).
TEST(Atoms, DecaysAreNotBiasedByPosition)
{
    for (const RunCase& run : everyKindOfRun()) {
        const AtomsSession session(run.history(), 77);
        const AtomHistory& history = session.history();
        const decay::AtomLayout layout = decay::atomLayout(session.atoms(), 800, 800);
        const double w = layout.width(), h = layout.height();
        const std::array<std::array<double, 4>, 4> quarters{{{0, 0, w / 2, h / 2}, {w / 2, 0, w, h / 2}, {0, h / 2, w / 2, h}, {w / 2, h / 2, w, h}}};
        const double all = static_cast<double>(history.count(history.tracked, 0));
        for (const auto& q : quarters) {
            const auto atoms = session.atomsInRectangle(layout, q[0], q[1], q[2], q[3]);
            const auto counts = session.field().countsIn(atoms, history.tracked);
            const double k = static_cast<double>(counts[0]);
            for (int t = history.steps / 8; t <= history.steps; t += std::max(history.steps / 8, 1)) {
                const double decayed = all - static_cast<double>(history.count(history.tracked, t));
                const double f = k / all;
                const double variance = decayed * f * (1 - f) * (all - decayed) / (all - 1);
                if (variance == 0)
                    continue;
                EXPECT_WITHIN(k - static_cast<double>(counts[static_cast<std::size_t>(t)]), decayed * f, sigmas(kFiveSigma, std::sqrt(variance)))
                    << run.name << ", quarter at " << q[0] << "," << q[1] << ", step " << t;
            }
        }
    }
}

// A patch's curve is its own atoms counted one by one; over many assignments of the same run's
// atoms its count scatters about the whole sample's with the spread the band gives: the sample
// variance of 2000 draws is within 5 of its own standard errors, sqrt(2 / 1999) of the variance
// (normal counts), of the band's half-width squared.
TEST(Atoms, PatchCurvesFollowTheirAtomsAndScatterAsTheBandSays)
{
    const auto designed = designedRun("10000", 40);
    const AtomHistory history = decay::atomsOfRun(*designed, {.rate = "0.1"});
    AtomsSession first(history, 1);
    const decay::AtomLayout layout = decay::atomLayout(first.atoms(), 500, 500);
    // A 10 x 10 patch and one of 5,000 (the top half), 100 atoms against 10,000 as a class compares them.
    const auto small = first.atomsInRectangle(layout, 0, 0, 10 * layout.cell, 10 * layout.cell);
    const auto half = first.atomsInRectangle(layout, 0, 0, layout.width(), layout.height() / 2.0);
    ASSERT_EQ(small.size(), 100u);
    ASSERT_EQ(half.size(), 5000u);
    first.setPatch(0, small);
    first.setPatch(1, half);
    const int t = 7;
    for (int which = 0; which < 2; ++which) {
        const decay::PatchCurve& patch = *first.patch(which);
        for (int step = 0; step <= history.steps; ++step) {
            int left = 0;
            for (const std::uint32_t atom : first.patchAtoms(which))
                left += first.field().stateAt(static_cast<int>(atom), step) == 0;
            EXPECT_EQ(patch.fraction[static_cast<std::size_t>(step)], left / static_cast<double>(patch.size));
        }
    }
    for (int which = 0; which < 2; ++which) {
        const std::vector<std::uint32_t>& atoms = first.patchAtoms(which);
        double sum = 0, squares = 0;
        const int draws = 2000;
        for (int seed = 0; seed < draws; ++seed) {
            const auto count = static_cast<double>(decay::AtomField(history, 1000 + static_cast<std::uint64_t>(seed)).countsIn(atoms, 0)[t]);
            sum += count;
            squares += count * count;
        }
        const double k = static_cast<double>(atoms.size()), mean = sum / draws, variance = (squares - sum * mean) / (draws - 1);
        const double p = first.patch(which)->whole[t];
        const double halfWidth = (first.patch(which)->high[t] - first.patch(which)->low[t]) / 2 * k;
        EXPECT_WITHIN(mean, k * p, sigmas(kFiveSigma, halfWidth / std::sqrt(draws))) << which;
        EXPECT_WITHIN(variance, halfWidth * halfWidth, relative(kFiveSigma * std::sqrt(2.0 / (draws - 1)))) << which;
    }
    // The whole sample as a patch is the whole sample's curve, with no spread about itself.
    std::vector<std::uint32_t> everything(10000);
    std::iota(everything.begin(), everything.end(), 0u);
    first.setPatch(1, everything);
    EXPECT_EQ(first.patch(1)->fraction, first.patch(1)->whole);
    EXPECT_EQ(first.patch(1)->low, first.patch(1)->whole);
}

TEST(Atoms, TextSaysTheStepTheSampleAndThePatches)
{
    const auto designed = designedRun("10000", 40);
    AtomsSession session(decay::atomsOfRun(*designed, {.rate = "0.1"}), 3);
    const auto layout = decay::atomLayout(session.atoms(), 500, 500);
    session.setStep(12);
    const std::string left = decay::wholeValue(designed->Nt[12]).plain();
    // One atom in 10 decays a step (the nearest float of 0.1, drawn with 24 bits): a half-life of
    // ln 2 / -ln(1 - 0.1) = 6.579 steps, 12 steps 1.8 of them.
    EXPECT_EQ(session.text().text(), "t = 12: " + left + " of 10000 atoms left, 1.8 half-lives");
    session.setPatch(0, session.atomsInRectangle(layout, 0, 0, 50, 50));
    const std::string patch = decay::wholeValue(static_cast<double>(session.patch(0)->counts[12])).plain();
    EXPECT_EQ(session.text().text(), "t = 12: " + left + " of 10000 atoms left, 1.8 half-lives; patch: " + patch + " of 100");
    // A detector over the top quarter: an efficiency of 25 %, and it counts the decays of its own
    // atoms only, those that are gone from it by the end.
    const auto covered = session.atomsInRectangle(layout, 0, 0, layout.width(), layout.height() / 4.0);
    session.setDetector(covered);
    EXPECT_EQ(session.detector()->efficiency, 0.25);
    const auto& seen = session.detector()->counts;
    EXPECT_EQ(std::accumulate(seen.begin(), seen.end(), std::int64_t{0}), 2500 - session.field().countsIn(covered, 0)[40]);
    EXPECT_EQ(session.text().text(), "t = 12: " + left + " of 10000 atoms left, 1.8 half-lives; patch: " + patch +
                                         " of 100; detector: " + std::to_string(seen[12]) + " decays in this step, efficiency 25 %");
}

// The cells a view outlines for a dragged rectangle are exactly the atoms it takes: those whose
// centres lie between the corners, counted here atom by atom. Corners off the cells' edges, either
// way round, beyond the square, or between two centres.
TEST(Atoms, TheOutlinedCellsAreTheAtomsTaken)
{
    const auto designed = designedRun("100", 10);
    AtomsSession session(decay::atomsOfRun(*designed, {.rate = "0.1"}), 1);
    const auto layout = decay::atomLayout(session.atoms(), 600, 600);
    ASSERT_EQ(layout.columns, 10);
    const double cell = layout.cell;
    const std::array<std::array<double, 4>, 5> drags{{{31, 29, 149, 151}, {151, 149, 31, 29}, {-1e300, 200, 1e300, 1e9}, {65, 65, 80, 80}, {0.3 * cell, 0, 0.7 * cell, 600}}};
    for (const auto& d : drags) {
        std::vector<std::uint32_t> centred;
        for (std::uint32_t atom = 0; atom < 100; ++atom) {
            const double x = (atom % 10 + 0.5) * cell, y = (atom / 10 + 0.5) * cell;
            if (x >= std::min(d[0], d[2]) && x <= std::max(d[0], d[2]) && y >= std::min(d[1], d[3]) && y <= std::max(d[1], d[3]))
                centred.push_back(atom);
        }
        EXPECT_EQ(session.atomsInRectangle(layout, d[0], d[1], d[2], d[3]), centred);
        const decay::CellRectangle cells = decay::cellsInRectangle(layout, d[0], d[1], d[2], d[3]);
        std::vector<std::uint32_t> outlined;
        for (int r = cells.firstRow; r <= cells.lastRow; ++r)
            for (int c = cells.firstColumn; c <= cells.lastColumn; ++c)
                outlined.push_back(static_cast<std::uint32_t>(r * 10 + c));
        EXPECT_EQ(outlined, centred);
        EXPECT_EQ(cells.empty(), centred.empty());
    }
}

// A view opened before any run, on a cancelled or empty run, an exact one, or in a tiny window
// shows a plain message or nothing, and every call still answers.
TEST(Atoms, BadInputGivesAMessageNotACrash)
{
    NoProgress cancelled;
    cancelled.m_cancel = true;
    const auto none = decay::runEnsemble({.atoms = 100, .runs = 3}, cancelled);
    const auto empty = designedRun("0", 20);
    const decay::Chain lone = loneNuclide();
    const auto exact = decay::runLab(lone, {{100.0}, 1, 10, {}}, decay::TimeUnit::Hour, false, 1);
    const auto large = decay::runLab(lone, {{2e6}, 1, 10, {}}, decay::TimeUnit::Hour, true, 1);
    const std::pair<AtomHistory, const char*> cases[] = {
        {decay::atomsOfRun(decay::RunState{}, {.rate = "0.1"}), "Make a random run first: its atoms are shown here."},
        {decay::atomsOfExperiment(none ? &*none : nullptr, 0), "Make a random run first: its atoms are shown here."},
        {decay::atomsOfLab(nullptr), "Make a random run first: its atoms are shown here."},
        {decay::atomsOfRun(*empty, {.rate = "0.1"}), "The run has no atoms to show."},
        {decay::atomsOfLab(&*exact), "Only the atoms of a random run can be shown."},
        {decay::atomsOfLab(&*large),
         "The atoms can be shown one by one for runs of at most 1000000 atoms."},
    };
    for (const auto& [history, why] : cases) {
        AtomsSession session(history, 1);
        EXPECT_EQ(session.text().text(), why);
        session.setStep(5);
        session.setPatch(0, {0, 1, 2});
        session.setDetector({7});
        EXPECT_EQ(session.step(), 0);
        EXPECT_FALSE(session.patch(0));
        EXPECT_TRUE(session.legend().empty());
        EXPECT_TRUE(session.plot().layers.empty());
        std::vector<std::uint32_t> pixels(100, 1);
        session.paint(decay::atomLayout(session.atoms(), 10, 10), pixels, decay::PixelOrder::Argb);
    }
    // A window too small for the square: no cells, nothing painted, nothing chosen.
    const auto designed = designedRun("1000", 10);
    AtomsSession session(decay::atomsOfRun(*designed, {.rate = "0.1"}), 1);
    const auto tiny = decay::atomLayout(session.atoms(), 500, 12);
    EXPECT_EQ(tiny.cell, 0);
    std::vector<std::uint32_t> pixels(4, 1);
    session.paint(tiny, pixels, decay::PixelOrder::Rgba);
    EXPECT_EQ(pixels, std::vector<std::uint32_t>(4, 1));
    EXPECT_TRUE(session.atomsInRectangle(tiny, 0, 0, 500, 500).empty());
    const double nan = std::nan("");
    const std::vector<double> xs{0, nan, 30}, ys{0, 10, 30};
    EXPECT_TRUE(session.atomsInOutline(decay::atomLayout(1000, 320, 320), xs, ys).empty());
    session.setStep(1000);
    EXPECT_EQ(session.step(), 10);
    session.setPatch(1, {5000000, 12});
    EXPECT_EQ(session.patch(1)->size, 1);
}

} // namespace
