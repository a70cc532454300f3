#pragma once

#include "Lesson.h"
#include "LessonMarking.h"

#include "model/experiment/Ensemble.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace decay {

// What a student hands in: the lesson answered, the name typed, the seed of the data, the answers
// and, where the lesson asks for it, the run's data file. The file's checksum (CRC-32 of the rest
// of the document) tells a damaged file from a sound one.
inline constexpr int kHandInFormat = 1;

struct HandIn {
    int format = kHandInFormat;
    std::string lessonId;
    std::string lessonTitle; // in the lesson's first language, for the teacher's eyes
    std::string name;
    std::uint64_t seed = 0;
    std::vector<StudentAnswer> answers; // of the steps with a question, answered or not
    std::string data;                   // the run's data file, when the lesson asks for it
    UnknownKeys unknown;
};

// The file's text, its checksum included.
std::string writeHandIn(const HandIn& handIn);
struct HandInRead {
    std::optional<HandIn> handIn;
    Message error; // names the file and what is wrong with it
};
HandInRead readHandIn(std::string_view text, const std::string& fileName);

// CRC-32 as zlib and PNG compute it (reflected polynomial 0xEDB88320).
std::uint32_t crc32(std::string_view bytes);

// The hand-ins of a class, marked against the lesson: each student's expected answers computed
// from the student's own seed, the damaged and foreign files named and left out, and the
// students' runs pooled into one class.
struct Collection {
    struct Row {
        std::string fileName;
        HandIn handIn;
        std::vector<Mark> marks; // one per step of the lesson
        int right = 0;
        int marked = 0; // questions marked right or wrong
    };
    std::vector<Row> rows;
    std::vector<std::pair<std::string, Message>> refused; // file name, why
    // The runs of all students as one class experiment: the decay run's random run of each, or
    // every run of each student's class experiment, up to the class experiment's 1,000 runs.
    std::optional<Ensemble> pooled;
    int runsLeftOut = 0; // beyond those 1,000
};
Collection collectHandIns(const Lesson& lesson, const std::vector<std::pair<std::string, std::string>>& files,
                          const NuclideTable* table);
// The marks as a spreadsheet reads them: a row per student, the answer and its mark per question,
// the expected value, and the student's right answers of those marked. `words` puts the headings
// and the marks ("Name", "right", ...) into the user's language.
std::string marksCsv(const Lesson& lesson, const Collection& collection, const std::function<std::string(const char*)>& words);

} // namespace decay
