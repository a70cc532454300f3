// Lessons: an example opened with its run (the text read, and every expected answer of a student
// computed, which runs the part), and the hand-ins of a class of 30 collected, marked against each
// student's own run, pooled and written out as marks.
#include "model/lesson/HandIn.h"
#include "model/lesson/LessonMarking.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

const decay::NuclideTable& table()
{
    static const decay::NuclideTable shipped = *decay::parseNuclideTable(fileText(ATOMDRIFT_DATA "/nuclides.txt")).table;
    return shipped;
}

const char* const kExamples[] = {"dice", "radon", "technetium", "counting", "radiocarbon"};

void OpenExample(benchmark::State& bench)
{
    const std::string name = kExamples[bench.range(0)];
    const std::string text = fileText(ATOMDRIFT_DATA "/lessons/" + name + ".atomdrift");
    bench.SetLabel(name);
    for (auto _ : bench) {
        const decay::LessonRead read = decay::readLesson(text, name);
        decay::LessonEvaluator student(*read.lesson, decay::studentSeed(*read.lesson, "Ada"), &table());
        for (int step = 0; step < static_cast<int>(read.lesson->steps.size()); ++step) benchmark::DoNotOptimize(student.expected(step));
    }
}
BENCHMARK(OpenExample)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void CollectClassOf30(benchmark::State& bench)
{
    const std::string name = kExamples[bench.range(0)];
    const decay::Lesson lesson = *decay::readLesson(fileText(ATOMDRIFT_DATA "/lessons/" + name + ".atomdrift"), name).lesson;
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 0; i < 30; ++i) {
        const std::string student = "Student " + std::to_string(i + 1);
        decay::HandIn handIn{decay::kHandInFormat, lesson.id, lesson.title.in("en"), student, decay::studentSeed(lesson, student), {}, {}, {}};
        for (int step = 0; step < static_cast<int>(lesson.steps.size()); ++step) handIn.answers.push_back({step, 1.0, {}, {}});
        files.emplace_back(student + ".handin", decay::writeHandIn(handIn));
    }
    bench.SetLabel(name);
    for (auto _ : bench) {
        const decay::Collection collection = decay::collectHandIns(lesson, files, &table());
        benchmark::DoNotOptimize(decay::marksCsv(lesson, collection, [](const char* word) { return std::string(word); }));
    }
}
BENCHMARK(CollectClassOf30)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
