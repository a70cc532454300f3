// The lessons the program ships, each answered as a student who follows it would, and marked.
#include "model/counting/CountingSession.h"
#include "model/lesson/HandIn.h"
#include "model/lesson/Lesson.h"
#include "model/lesson/LessonMarking.h"
#include "model/nuclides/NuclideLabSession.h"

#include "../nuclides/ShippedTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

using namespace decay;

Lesson example(const std::string& name)
{
    std::ifstream file(std::string(ATOMDRIFT_DATA) + "/lessons/" + name + ".atomdrift", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    LessonRead read = readLesson(text.str(), name);
    EXPECT_TRUE(read.lesson) << read.error.text();
    return read.lesson.value_or(Lesson{});
}

// Every example speaks the four languages in every text, and its first is English.
void expectFourLanguages(const Lesson& lesson)
{
    const auto check = [&](const LessonText& text) {
        ASSERT_EQ(text.byLanguage.size(), 4u) << text.in("en");
        EXPECT_EQ(text.byLanguage.front().first, "en");
        for (const auto& [code, words] : text.byLanguage) EXPECT_FALSE(words.empty()) << code;
    };
    check(lesson.title);
    check(lesson.introduction);
    for (const LessonStep& step : lesson.steps) {
        check(step.text);
        for (const LessonText& choice : step.choices) check(choice);
    }
}

// Hands in the answers and collects them, so that the file's way counts too: every marked answer
// right, none left unmarked.
void expectAllRight(const Lesson& lesson, const std::string& name, const std::vector<StudentAnswer>& answers)
{
    HandIn handIn{kHandInFormat, lesson.id, lesson.title.in("en"), name, studentSeed(lesson, name), answers, {}, {}};
    const Collection collection = collectHandIns(lesson, {{"answers.handin", writeHandIn(handIn)}}, &shipped());
    ASSERT_EQ(collection.rows.size(), 1u);
    const Collection::Row& row = collection.rows[0];
    int questions = 0;
    for (std::size_t i = 0; i < lesson.steps.size(); ++i) {
        const LessonStep& step = lesson.steps[i];
        if (step.question == QuestionKind::None || step.question == QuestionKind::Text) continue;
        ++questions;
        EXPECT_EQ(row.marks[i].verdict, Verdict::Right) << lesson.title.in("en") << ", step " << i + 1 << ": " << row.marks[i].note.text();
    }
    EXPECT_EQ(row.right, questions);
}

TEST(Examples, HalfLifeWithDice)
{
    const Lesson lesson = example("dice");
    expectFourLanguages(lesson);
    EXPECT_EQ(lesson.seedPolicy, SeedPolicy::PerStudent);
    // The student's class: 30 runs of 100 dice from the student's seed, as the part makes them.
    const std::uint64_t seed = studentSeed(lesson, "Ada");
    EnsembleParams params{100, 0.1666667, 30, 30, seed};
    ProgressCounter progress;
    const Ensemble runs = *runEnsemble(params, progress, 1);
    double mean10 = 0;
    for (int i = 0; i < 30; ++i) mean10 += runs.run(i)[10] / 30.0;
    // A die that survives a throw with 5/6: the class's mean at throw 10 is 100 (5/6)^10 = 16.15,
    // with the spread of 30 runs, sqrt(100 s (1 - s) / 30) = 0.67.
    const double s = std::pow(5.0 / 6, 10);
    EXPECT_NEAR(mean10, 100 * s, 5 * std::sqrt(100 * s * (1 - s) / 30));
    // Read off the chart: half the dice are left after ln 2 / -ln(5/6) = 3.80 throws.
    const double halfLife = std::numbers::ln2 / -std::log(5.0 / 6);
    expectAllRight(lesson, "Ada", {{1, halfLife, {}, {}}, {2, mean10, {}, {}}, {3, {}, 1, {}}, {4, {}, {}, "Chance."}});
}

TEST(Examples, RadonInARoom)
{
    const Lesson lesson = example("radon");
    expectFourLanguages(lesson);
    // NUBASE2020: Rn-222 3.8215 d; secular equilibrium, so the activities become equal.
    expectAllRight(lesson, "Bo", {{1, 3.8215, {}, {}}, {2, 1.0, {}, {}}, {3, {}, 0, {}}});
}

TEST(Examples, TheTechnetiumGenerator)
{
    const Lesson lesson = example("technetium");
    expectFourLanguages(lesson);
    // Mo-99 (65.932 h) feeds Tc-99m (6.0066 h) in 87.5 % of its decays. From pure Mo-99 the
    // daughter's activity peaks at ln(l_Tc / l_Mo) / (l_Tc - l_Mo) = 22.85 h (Krane, eq. 6.17), and
    // settles at b T_Mo / (T_Mo - T_Tc) = 0.9627 of the parent's.
    const double lMo = std::numbers::ln2 / 65.932, lTc = std::numbers::ln2 / 6.0066;
    const double peak = std::log(lTc / lMo) / (lTc - lMo);
    EXPECT_NEAR(peak, 22.85, 0.01);
    expectAllRight(lesson, "Cy", {{0, peak, {}, {}}, {1, 0.875 * 65.932 / (65.932 - 6.0066), {}, {}}, {2, {}, 1, {}}, {3, 65.932, {}, {}}});
}

TEST(Examples, ACountingPractical)
{
    const Lesson lesson = example("counting");
    expectFourLanguages(lesson);
    const std::uint64_t seed = studentSeed(lesson, "Di");
    // The student's lab: the sample's exact run from the lesson's set-up, then the counter started
    // at once, which measures the background for the 600 s typed first, and run to the end, each
    // with its draw's seed.
    CountingSession lab;
    NuclideLabSession nuclides;
    nuclides.loadTable(shippedText());
    nuclides.chooseTable("Ba-137m");
    ASSERT_TRUE(nuclides.runNow(nuclides.defaults()->entries, false, seed).ran);
    lab.setSample(*nuclides.result());
    const CounterSettings settings{0.1, 0.5, 2, {100e-6, DeadTime::Kind::NonParalysable}};
    ASSERT_TRUE(lab.start(settings, {true, false}, drawSeed(seed, LessonDraw::Counter), drawSeed(seed, LessonDraw::Background), "600").empty());
    const double background = lab.background()->rate();
    // 600 s of a 0.5 /s background: 300 counts, sd sqrt(300) / 600.
    EXPECT_NEAR(background, 0.5, 5 * std::sqrt(300.0) / 600);
    lab.playTo(1e9);
    const HalfLifeFit& fit = lab.fit(FitMethod::PoissonLikelihood, lab.defaultShape());
    const double minutes = fit.halfLife / lab.shownTime().toShown / 60;
    // The fit agrees with NUBASE2020's 2.552 min for Ba-137m within its uncertainty.
    EXPECT_NEAR(minutes, 2.552, 4 * fit.sigma / lab.shownTime().toShown / 60);
    // n = m / (1 - m tau) = 2000 / (1 - 0.2).
    expectAllRight(lesson, "Di", {{0, background, {}, {}}, {1, minutes, {}, {}}, {2, 2.552, {}, {}}, {3, 2500, {}, {}}});
}

TEST(Examples, RadiocarbonDating)
{
    const Lesson lesson = example("radiocarbon");
    expectFourLanguages(lesson);
    const std::uint64_t seed = studentSeed(lesson, "Eo");
    CountingSession lab;
    ASSERT_TRUE(lab.newDatingSample("100", "", ".", drawSeed(seed, LessonDraw::DatingSample)).empty());
    ASSERT_TRUE(lab.countDatingSample({0.1, 0.5, 1, {}}, "60", ".", drawSeed(seed, LessonDraw::DatingCount)).empty());
    const DatedAge& age = lab.datings().front().result.ages[0];
    // The hidden age lies within the count's interval, widened to 4 sd, unless it is beyond reach.
    if (!age.lowerLimit) {
        EXPECT_NEAR(age.age, lab.datingSample()->age, 4 * std::max(age.minus, age.plus));
    }
    // NUBASE2020: C-14 5.70 ky.
    expectAllRight(lesson, "Eo", {{0, age.age, {}, {}}, {1, 5700, {}, {}}, {2, {}, 0, {}}});
}

} // namespace
