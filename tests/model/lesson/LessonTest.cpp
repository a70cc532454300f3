#include "model/lesson/HandIn.h"
#include "model/lesson/Lesson.h"
#include "model/lesson/LessonMarking.h"

#include "../nuclides/ShippedTable.h"

#include <gtest/gtest.h>

#include "model/common/Conversions.h"
#include "model/common/CsvLines.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

namespace {

using namespace decay;

// A class experiment on the defaults a teacher finds: 100 atoms, r = 0.1, 50 steps, 30 runs.
Lesson diceLesson(SeedPolicy policy = SeedPolicy::PerStudent)
{
    Lesson lesson;
    lesson.id = "00c0ffee00c0ffee";
    lesson.title = textIn("en", "Half-life with dice");
    lesson.title.byLanguage.emplace_back("de", "Halbwertszeit mit Würfeln");
    lesson.part = LessonPart::Experiment;
    lesson.setup = {{"txtAtoms", "100"}, {"txtRate", "0.1"}, {"txtLastStep", "50"}, {"txtRuns", "30"}};
    lesson.seedPolicy = policy;
    lesson.seed = 42;
    lesson.controls = {{"txtRuns", ControlUse::Locked}, {"cmdImport", ControlUse::Hidden}, {"txtAtoms", ControlUse::Range, 10, 1000}};
    LessonStep read;
    read.text = textIn("en", "Read the half-life off the chart.");
    read.question = QuestionKind::ReadOff;
    read.unit = "steps";
    read.tolerance.relative = 0.15;
    read.answer = ExpectedAnswer{};
    read.answer->quantity = "halfLife";
    LessonStep mean;
    mean.text = textIn("en", "How many atoms are left on average at step 10?");
    mean.question = QuestionKind::Number;
    mean.tolerance.absolute = 0.5;
    mean.answer = ExpectedAnswer{};
    mean.answer->quantity = "meanAtoms";
    mean.answer->arguments["step"] = "10";
    LessonStep choice;
    choice.text = textIn("en", "Do all the atoms decay at the same time?");
    choice.question = QuestionKind::Choice;
    choice.choices = {textIn("en", "Yes"), textIn("en", "No")};
    choice.answer = ExpectedAnswer{};
    choice.answer->choice = 1;
    LessonStep free;
    free.text = textIn("en", "Why do the runs differ?");
    free.question = QuestionKind::Text;
    lesson.steps = {read, mean, choice, free};
    return lesson;
}

LessonRead reread(const Lesson& lesson) { return readLesson(writeLesson(lesson), "dice.atomdrift"); }

TEST(Lesson, SavedAndReadAgainUnchangedWithTheKeysOfLaterVersions)
{
    const Lesson lesson = diceLesson();
    const std::string text = writeLesson(lesson);
    const LessonRead read = readLesson(text, "dice.atomdrift");
    ASSERT_TRUE(read.lesson) << read.error.text();
    EXPECT_EQ(writeLesson(*read.lesson), text);
    EXPECT_EQ(read.lesson->title.in("de"), "Halbwertszeit mit Würfeln");
    EXPECT_EQ(read.lesson->title.in("fr"), "Half-life with dice"); // the first language where the lesson lacks the user's
    EXPECT_EQ(read.lesson->languageOf("es"), "en");
    EXPECT_EQ(read.lesson->use("txtRuns"), ControlUse::Locked);
    EXPECT_EQ(read.lesson->use("txtRate"), ControlUse::Open);

    // A later version's keys, at the top, in a step, in a question and in an answer, survive a save.
    std::string later = text;
    later.insert(later.find("\"id\""), "\"classroom\": {\"room\": 12},\n  ");
    later.insert(later.find("\"text\""), "\"picture\": \"dice.png\",\n      ");
    later.insert(later.find("\"kind\""), "\"hint\": [1, 2],\n        ");
    later.insert(later.find("\"quantity\""), "\"method\": \"halving\",\n          ");
    const LessonRead kept = readLesson(later, "later.atomdrift");
    ASSERT_TRUE(kept.lesson) << kept.error.text();
    const std::string again = writeLesson(*kept.lesson);
    for (const char* key : {"\"classroom\"", "\"room\": 12", "\"picture\": \"dice.png\"", "\"hint\"", "\"method\": \"halving\""})
        EXPECT_NE(again.find(key), std::string::npos) << key;
    EXPECT_EQ(writeLesson(*readLesson(again, "again.atomdrift").lesson), again);

    // A teacher's edit of a text as shown touches the user's language only.
    const LessonText title = read.lesson->title; // en, de
    const auto languages = [](const LessonText& t) {
        std::string all;
        for (const auto& [code, words] : t.byLanguage) all += code + "=" + words + ";";
        return all;
    };
    EXPECT_EQ(languages(editedText(title, "fr", " Half-life with dice ")), languages(title)); // shown as it was
    EXPECT_EQ(languages(editedText(title, "fr", "La demi-vie")), "en=Half-life with dice;de=Halbwertszeit mit Würfeln;fr=La demi-vie;");
    EXPECT_EQ(languages(editedText(title, "de", "Würfel")), "en=Half-life with dice;de=Würfel;");
    EXPECT_EQ(languages(editedText(title, "de", "  ")), "en=Half-life with dice;");
    EXPECT_EQ(languages(editedText({}, "es", "Dados")), "es=Dados;");
}

// Every refusal names the file and what is wrong; nothing of such a file is kept.
TEST(Lesson, BadFilesAreRefusedWithWhatIsWrong)
{
    const std::string good = writeLesson(diceLesson());
    const auto refusal = [](const std::string& text) {
        const LessonRead read = readLesson(text, "bad.atomdrift");
        EXPECT_FALSE(read.lesson);
        return read.error.text();
    };
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const auto expectSays = [&](const std::string& text, const std::string& says) {
        const std::string error = refusal(text);
        EXPECT_NE(error.find("bad.atomdrift"), std::string::npos) << error;
        EXPECT_NE(error.find(says), std::string::npos) << error;
    };
    expectSays(good.substr(0, good.size() / 2), "not a complete JSON document");
    expectSays("", "not a complete JSON document");
    expectSays(std::string(kMostLessonBytes + 1, ' '), "larger than 4 MB");
    expectSays(std::string(100000, '[') + std::string(100000, ']'), "nest deeper than 32 levels");
    expectSays("[1, 2]", "has no key “atomdrift”");
    expectSays(replaced("\"atomdrift\": 1", "\"atomdrift\": 7"), "later version of Atomdrift, in lesson format 7; this version reads formats up to 1");
    expectSays(replaced("\"atomdrift\": 1", "\"atomdrift\": \"1\""), "not a whole number");
    expectSays(replaced("\"relative\": 0.15", "\"relative\": NaN"), "not a complete JSON document");
    expectSays(replaced("\"relative\": 0.15", "\"relative\": \"0.15\""), "“steps/1/question/tolerance/relative” should be a number");
    expectSays(replaced("\"relative\": 0.15", "\"relative\": 1e999"), "");
    expectSays(replaced("\"part\": \"experiment\"", "\"part\": \"chemistry\""), "“part” should be run, experiment, nuclides or counting");
    expectSays(replaced("\"txtRuns\": \"locked\"", "\"txtWhatever\": \"locked\""), "The part “Class experiment” has no control txtWhatever");
    expectSays(replaced("\"txtAtoms\": \"100\"", "\"txtAtoms\": \"5000\""), "txtAtoms is 5000, outside the range 10 to 1000");
    expectSays(replaced("\"txtRuns\": \"30\"", "\"txtRuns\": \"5000\""), "1000");
    expectSays(replaced("\"txtRate\": \"0.1\"", "\"txtRate\": true"), "txtRate should be a number written with a point, not “true”");
    expectSays(replaced("\"choice\": 2", "\"choice\": 3"), "Step 3 expects a choice it does not offer");
    expectSays(replaced("\"quantity\": \"meanAtoms\"", "\"quantity\": \"temperature\""), "knows no quantity “temperature”");
    expectSays(replaced("\"id\": \"00c0ffee00c0ffee\"", "\"id\": 12"), "“id” should be a text");
    expectSays(replaced("\"en\": \"Half-life with dice\"", "\"xx\": \"Half-life with dice\""), "“title/xx” should be one of the languages");

    // The decay run's windows take entries and steps only, and only entries they keep on Enter.
    Lesson run = diceLesson();
    run.part = LessonPart::Run;
    run.steps.clear();
    run.controls.clear();
    run.setup = {{"txtN0", "100"}, {"rrate", "0.1"}};
    EXPECT_TRUE(reread(run).lesson);
    run.controls = {{"txtN0", ControlUse::Locked}};
    EXPECT_NE(reread(run).error.text().find("entries and steps only"), std::string::npos);
    run.controls.clear();
    run.setup = {{"txtN0", "-3"}};
    EXPECT_NE(reread(run).error.text().find("txtN0 is “-3”, which the decay run would replace on Enter"), std::string::npos);
}

TEST(Lesson, StudentSeedsFollowTheNameNotItsSpellingAndEveryEditionMakesTheSame)
{
    const Lesson lesson = diceLesson();
    const std::uint64_t ada = studentSeed(lesson, "Ada Lovelace");
    EXPECT_EQ(studentSeed(lesson, "  ada   LOVELACE "), ada);
    EXPECT_EQ(studentSeed(lesson, "ÉLODIE"), studentSeed(lesson, "élodie"));
    EXPECT_NE(studentSeed(lesson, "Ada Byron"), ada);
    Lesson other = lesson;
    other.id = "00c0ffee00c0fff0";
    EXPECT_NE(studentSeed(other, "Ada Lovelace"), ada);
    // FNV-1a 64 of "00c0ffee00c0ffee\0ada lovelace", then one splitmix64 step, worked out apart in
    // Python: every version and edition must keep this, or the hand-ins of a class stop marking.
    EXPECT_EQ(ada, 0xcc8ed6ffd9e8fd35ULL);
    EXPECT_EQ(studentSeed(diceLesson(SeedPolicy::Shared), "Ada Lovelace"), 42u);
}

// A student's expected answers come from the student's own runs: the seed decides them, and they
// agree with the law the runs follow.
TEST(Lesson, ExpectedAnswersFollowTheStudentsRuns)
{
    const Lesson lesson = diceLesson();
    LessonEvaluator ada(lesson, studentSeed(lesson, "Ada"), nullptr);
    LessonEvaluator bob(lesson, studentSeed(lesson, "Bob"), nullptr);
    const double adaMean = *ada.expected(1), bobMean = *bob.expected(1);
    EXPECT_NE(ada.runs()->counts, bob.runs()->counts); // their means at step 10 happen to agree
    // 30 runs of 100 atoms at step 10: the mean is N0 (1 - q)^10 = 34.87 with q the draws' 0.1
    // (to 2.4e-7), and its standard deviation sqrt(N0 s (1 - s) / 30) = 0.870.
    const double s = std::pow(0.9, 10), sd = std::sqrt(100 * s * (1 - s) / 30);
    EXPECT_NEAR(adaMean, 100 * s, 5 * sd);
    EXPECT_NEAR(bobMean, 100 * s, 5 * sd);
    EXPECT_NEAR(*ada.expected(0), std::numbers::ln2 / 0.1, 1e-12);

    EXPECT_EQ(ada.mark({1, adaMean + 0.4, {}, {}}).verdict, Verdict::Right);
    EXPECT_EQ(ada.mark({1, adaMean + 0.6, {}, {}}).verdict, Verdict::Wrong);
    EXPECT_EQ(ada.mark({1, {}, {}, {}}).verdict, Verdict::Unanswered);
    EXPECT_EQ(ada.mark({0, 6.0, {}, {}}).verdict, Verdict::Right);   // 6.93 within 15 %
    EXPECT_EQ(ada.mark({0, 5.8, {}, {}}).verdict, Verdict::Wrong);
    EXPECT_EQ(ada.mark({2, {}, 1, {}}).verdict, Verdict::Right);
    EXPECT_EQ(ada.mark({2, {}, 0, {}}).verdict, Verdict::Wrong);
    EXPECT_EQ(ada.mark({3, {}, {}, "chance"}).verdict, Verdict::Collected);
    EXPECT_EQ(ada.mark({3, {}, {}, "  "}).verdict, Verdict::Unanswered);

    // The decay run: N0 e^(-r t) at step 10 is 100 e^-1 = 36.7879; the random run's atoms at step 0
    // are N0, and at step 10 one of the binomial's likely values.
    Lesson run = diceLesson();
    run.part = LessonPart::Run;
    run.controls.clear();
    run.setup = {{"txtN0", "1000"}, {"halftime", "6.931471805599453"}, {"simut", "20"}};
    run.steps.resize(3);
    for (auto& step : run.steps) {
        step.text = textIn("en", "How many atoms are left?");
        step.question = QuestionKind::Number;
        step.tolerance.absolute = 1;
        step.answer = ExpectedAnswer{};
    }
    run.steps[0].answer->quantity = "expectedAtoms";
    run.steps[0].answer->arguments["step"] = "10";
    run.steps[1].answer->quantity = "atoms";
    run.steps[1].answer->arguments["step"] = "10";
    run.steps[2].answer->quantity = "atoms";
    run.steps[2].answer->arguments["step"] = "21";
    ASSERT_TRUE(reread(run).lesson) << reread(run).error.text();
    LessonEvaluator student(run, 7, nullptr);
    EXPECT_NEAR(*student.expected(0), 1000 * std::exp(-1.0), 1e-9);
    const double atoms = *student.expected(1);
    EXPECT_EQ(atoms, std::floor(atoms));
    EXPECT_NEAR(atoms, 1000 * s, 5 * std::sqrt(1000 * s * (1 - s)));
    EXPECT_EQ(student.runs()->run(0)[0], 1000);
    Message why;
    EXPECT_FALSE(student.expected(2, &why));
    EXPECT_EQ(why.text(), "The run ends at step 20, before step 21.");
}

TEST(Lesson, TheLabsAnswersComeFromTheTable)
{
    Lesson lesson;
    lesson.id = "0123456789abcdef";
    lesson.title = textIn("en", "Radon in a room");
    lesson.part = LessonPart::Nuclides;
    lesson.setup = {{"cboNuclide", "Mo-99"}};
    LessonStep halfLife, ratio;
    halfLife.question = ratio.question = QuestionKind::Number;
    halfLife.text = ratio.text = textIn("en", "?");
    halfLife.unit = "d";
    halfLife.tolerance.relative = ratio.tolerance.relative = 0.01;
    halfLife.answer = ratio.answer = ExpectedAnswer{};
    halfLife.answer->quantity = "tableHalfLife";
    halfLife.answer->arguments["nuclide"] = "Rn-222";
    ratio.answer->quantity = "equilibriumRatio";
    ratio.answer->arguments = {{"daughter", "Tc-99m"}, {"over", "Mo-99"}};
    lesson.steps = {halfLife, ratio};
    ASSERT_TRUE(reread(lesson).lesson) << reread(lesson).error.text();
    LessonEvaluator evaluator(lesson, 1, &shipped());
    EXPECT_NEAR(*evaluator.expected(0), 3.8215, 1e-9); // NUBASE2020: Rn-222 3.8215(2) d
    // Transient equilibrium of Tc-99m (6.0066 h) with Mo-99 (65.932 h), 87.5 % of whose decays feed
    // it: A_Tc / A_Mo -> b T_Mo / (T_Mo - T_Tc) = 0.875 * 1.100233 = 0.962704.
    EXPECT_NEAR(*evaluator.expected(1), 0.875 * 65.932 / (65.932 - 6.0066), 1e-6);

    lesson.steps[0].unit = "a"; // the year as German and French write it
    EXPECT_NEAR(*LessonEvaluator(lesson, 1, &shipped()).expected(0), 3.8215 / 365.2422, 1e-6);
    lesson.steps[0].unit = "furlongs";
    LessonEvaluator wrongUnit(lesson, 1, &shipped());
    Message why;
    EXPECT_FALSE(wrongUnit.expected(0, &why));
    EXPECT_EQ(why.text(), "A time needs a time unit, not “furlongs”.");
}

// What a student starts from: the part's defaults under the lesson's set-up, whatever was typed
// before, so that the marking runs again what the student ran.
TEST(Lesson, CompleteSetupIsThePartsDefaultsUnderTheLessons)
{
    Lesson run = diceLesson();
    run.part = LessonPart::Run;
    run.controls.clear();
    run.steps.clear();
    run.setup = {{"halftime", "5"}};
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(completeSetup(run, nullptr), (Entries{{"txtN0", "100"}, {"simut", "50"}, {"rrate", "0.138629436111989"}, {"halftime", "5"}}));
    EXPECT_EQ(completeSetup(diceLesson(), nullptr),
              (Entries{{"txtAtoms", "100"}, {"txtRate", "0.1"}, {"txtHalfLife", "6.93147180559945"}, {"txtLastStep", "50"}, {"txtRuns", "30"}}));

    Lesson counting = diceLesson();
    counting.part = LessonPart::Counting;
    counting.controls.clear();
    counting.steps.clear();
    counting.setup = {{"cboNuclide", "Cs-137"}, {"txtAtoms2", "5"}, {"chkLog", "true"}};
    const Entries entries = completeSetup(counting, &shipped());
    const auto value = [&](const std::string& name) {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == name; });
        return found == entries.end() ? std::string("(none)") : found->second;
    };
    // Cs-137 -> Ba-137m -> Ba-137: 1000 Bq of caesium, the lesson's 5 atoms of Ba-137m, and the two
    // members that decay counted; the view the lesson sets comes last.
    EXPECT_EQ(value("txtAtoms1"), "1000");
    EXPECT_EQ(value("cboAmountUnit1"), "Bq");
    EXPECT_EQ(value("txtAtoms2"), "5");
    EXPECT_EQ(value("chkMember2"), "true");
    EXPECT_EQ(value("chkMember3"), "(none)");
    EXPECT_EQ(value("txtBackgroundTime"), "600");
    EXPECT_EQ(entries.back(), (std::pair<std::string, std::string>{"chkLog", "true"}));
    counting.setup[0].second = "Xx-999";
    EXPECT_TRUE(completeSetup(counting, &shipped()).empty());
}

// CRC-32's check value (the "123456789" of the CRC catalogue, Williams 1993 and zlib).
TEST(HandIn, ChecksumIsCrc32)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
}

HandIn handInOf(const Lesson& lesson, const std::string& name, std::vector<StudentAnswer> answers)
{
    HandIn handIn;
    handIn.lessonId = lesson.id;
    handIn.lessonTitle = lesson.title.in("en");
    handIn.name = name;
    handIn.seed = studentSeed(lesson, name);
    handIn.answers = std::move(answers);
    return handIn;
}

TEST(HandIn, CollectedMarkedPooledAndDamageFound)
{
    const Lesson lesson = diceLesson();
    LessonEvaluator ada(lesson, studentSeed(lesson, "Ada"), nullptr);
    const double adaMean = *ada.expected(1);
    const std::string adaFile = writeHandIn(handInOf(lesson, "Ada", {{0, 7.0, {}, {}}, {1, adaMean, {}, {}}, {2, {}, 1, {}}, {3, {}, {}, "chance, \"pure\""}}));
    const std::string bobFile = writeHandIn(handInOf(lesson, "Bob", {{0, 3.0, {}, {}}, {2, {}, 0, {}}}));
    const HandInRead back = readHandIn(adaFile, "ada.json");
    ASSERT_TRUE(back.handIn) << back.error.text();
    EXPECT_EQ(writeHandIn(*back.handIn), adaFile);

    std::string damaged = bobFile;
    damaged[damaged.find("Bob")] = 'R';
    HandIn forged = handInOf(lesson, "Eve", {});
    forged.seed = studentSeed(lesson, "Ada");
    Lesson other = lesson;
    other.id = "fedcba9876543210";
    const Collection collection = collectHandIns(lesson,
                                                 {{"ada.json", adaFile},
                                                  {"bob.json", bobFile},
                                                  {"damaged.json", damaged},
                                                  {"cut.json", adaFile.substr(0, 100)},
                                                  {"eve.json", writeHandIn(forged)},
                                                  {"other.json", writeHandIn(handInOf(other, "Cy", {}))},
                                                  {"lesson.atomdrift", writeLesson(lesson)}},
                                                 nullptr);
    ASSERT_EQ(collection.rows.size(), 2u);
    EXPECT_EQ(collection.rows[0].right, 3);
    EXPECT_EQ(collection.rows[0].marked, 3);
    EXPECT_EQ(collection.rows[1].right, 0);
    EXPECT_EQ(collection.rows[1].marked, 2);
    EXPECT_EQ(collection.rows[1].marks[1].verdict, Verdict::Unanswered);
    ASSERT_EQ(collection.refused.size(), 5u);
    EXPECT_NE(collection.refused[0].second.text().find("checksum does not match"), std::string::npos);
    EXPECT_NE(collection.refused[1].second.text().find("not a complete JSON document"), std::string::npos);
    EXPECT_NE(collection.refused[2].second.text().find("not the one the lesson gives Eve"), std::string::npos);
    EXPECT_NE(collection.refused[3].second.text().find("answers another lesson"), std::string::npos);
    EXPECT_NE(collection.refused[4].second.text().find("has no key “atomdriftHandIn”"), std::string::npos);

    // Both students' 30 runs, each recomputed from the student's seed, as one class of 60.
    ASSERT_TRUE(collection.pooled);
    EXPECT_EQ(collection.pooled->params.runs, 60);
    const auto adaRuns = *ada.runs();
    for (int t = 0; t <= 50; ++t) EXPECT_EQ(collection.pooled->run(0)[static_cast<std::size_t>(t)], adaRuns.run(0)[static_cast<std::size_t>(t)]);

    const std::string csv = marksCsv(lesson, collection, [](const char* word) { return std::string(word); });
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Name,File,Seed,Right,Marked,Answer 1,Mark 1,Expected 1,Answer 2,Mark 2,Expected 2,Answer 3,Mark 3,Expected 3,"
              "Answer 4,Mark 4,Expected 4");
    EXPECT_NE(csv.find("\"chance, \"\"pure\"\"\",collected,"), std::string::npos);
    EXPECT_NE(csv.find("Bob,bob.json," + std::to_string(studentSeed(lesson, "Bob")) + ",0,2,3,wrong,6.93147180559945"), std::string::npos);
}

} // namespace

namespace {

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Every lesson of every format version in the corpus, with the hand-ins made for it, marked as the
// version that wrote them marked them: names, answers and verdicts exactly, expected numbers to
// 10^-9 (the libraries of the four toolchains round their last digits their own ways).
TEST(Corpus, EveryVersionsFilesOpenAndMarkAlike)
{
    int lessons = 0;
    for (const auto& version : std::filesystem::directory_iterator(ATOMDRIFT_LESSON_CORPUS)) {
        for (const auto& entry : std::filesystem::directory_iterator(version.path())) {
            if (entry.path().extension() != ".atomdrift") continue;
            const std::string stem = entry.path().stem().string();
            const LessonRead read = readLesson(fileText(entry.path()), stem);
            ASSERT_TRUE(read.lesson) << read.error.text();
            ++lessons;
            std::vector<std::pair<std::string, std::string>> files;
            for (const auto& other : std::filesystem::directory_iterator(version.path()))
                if (other.path().filename().string().rfind(stem + " - ", 0) == 0)
                    files.emplace_back(other.path().filename().string(), fileText(other.path()));
            std::sort(files.begin(), files.end());
            const Collection collection = collectHandIns(*read.lesson, files, &shipped());
            const std::string text = marksCsv(*read.lesson, collection, [](const char* word) { return std::string(word); });
            const std::string keptText = fileText(version.path() / (stem + ".marks.csv"));
            CsvLines marked(text), kept(keptText);
            while (kept.next()) {
                ASSERT_TRUE(marked.next()) << stem;
                const auto &a = marked.fields(), &b = kept.fields();
                ASSERT_EQ(a.size(), b.size()) << stem << ", line " << kept.lineNumber();
                for (std::size_t i = 0; i < a.size(); ++i) {
                    const auto x = strictValue(a[i], "."), y = strictValue(b[i], ".");
                    if (x && y && a[i] != b[i])
                        EXPECT_NEAR(*x, *y, 1e-9 * std::fabs(*y)) << stem << ", line " << kept.lineNumber();
                    else
                        EXPECT_EQ(a[i], b[i]) << stem << ", line " << kept.lineNumber();
                }
            }
            EXPECT_FALSE(marked.next()) << stem;
        }
    }
    EXPECT_GE(lessons, 3);
}

} // namespace
