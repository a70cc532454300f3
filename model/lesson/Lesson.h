#pragma once

#include "model/common/Message.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace decay {

// A lesson: a teacher's set-up of one part of the program, with steps for the students to follow
// and questions to answer, kept as a JSON document whose key "atomdrift" holds the format's
// version. Files of every version up to kLessonFormat open; a later one is refused.
inline constexpr int kLessonFormat = 1;
// The largest lesson or hand-in file read: a lesson is a few kilobytes, a hand-in with a run's data
// a few hundred.
inline constexpr std::size_t kMostLessonBytes = 4u << 20;
// The deepest nesting of arrays and objects read; a lesson needs five.
inline constexpr int kMostLessonDepth = 32;

enum class LessonPart { Run, Experiment, Nuclides, Counting };
std::string_view partKey(LessonPart part); // "run", "experiment", "nuclides", "counting"
std::optional<LessonPart> partOfKey(std::string_view key);
Message partName(LessonPart part);         // "decay run", "class experiment", ... as words of a sentence
// A sentence of the model's own as a value of another.
MessageValue modelSentence(Message message);
// A seed written in decimal digits, as files hold it (a JSON number keeps only 53 bits).
std::optional<std::uint64_t> parseSeed(std::string_view digits);

// The languages the program speaks, as a lesson names them.
inline constexpr std::string_view kLessonLanguages[] = {"en", "de", "fr", "es"};

// Keys a version of the program does not know, kept as they were read (each value as JSON text)
// so that saving a lesson again loses nothing a later version wrote.
using UnknownKeys = std::map<std::string, std::string>;

// A text in one or more languages, in the lesson's order of languages.
struct LessonText {
    std::vector<std::pair<std::string, std::string>> byLanguage;
    // The text in `language` where the lesson has it, else in its first language; "" for none.
    std::string in(std::string_view language) const;
    bool empty() const { return byLanguage.empty(); }
};
LessonText textIn(std::string language, std::string text);
// A text of a lesson after a teacher's edit of it as shown in `language` (LessonText::in): left
// as shown, it keeps every language; changed, the edit replaces or adds that language's text and
// the others stay; emptied, that language goes.
LessonText editedText(const LessonText& before, const std::string& language, std::string_view shown);

// What a student may do with a control of a lab or the class experiment.
enum class ControlUse { Open, Locked, Hidden, Range };
struct ControlRule {
    std::string name; // the control's name in both editions
    ControlUse use = ControlUse::Open;
    double low = 0, high = 0; // the values allowed for a Range, both included
};

enum class SeedPolicy {
    Shared,     // one seed for everyone: the same data
    PerStudent, // a seed made from the lesson and the name the student types
};

// The answer a question expects: a number, one of the choices (0-based), or a quantity of the
// student's own session, computed when the answer is marked, from the student's seed.
struct ExpectedAnswer {
    std::optional<double> value;
    std::optional<int> choice;
    std::string quantity; // empty for a literal; see LessonMarking.h for the names
    std::map<std::string, std::string> arguments; // of the quantity: "step", "member", "nuclide", ...
    UnknownKeys unknown;
};

enum class QuestionKind { None, Number, Choice, Text, ReadOff };
std::string_view questionKey(QuestionKind kind); // "", "number", "choice", "text", "readOff"

// How far a number may be from the expected one and still be right: either bound suffices.
struct Tolerance {
    double relative = 0; // of the expected value
    double absolute = 0; // in the question's unit
};

struct LessonStep {
    LessonText text;
    QuestionKind question = QuestionKind::None;
    std::string unit;              // of a number or a value read off the chart: a time unit's symbol, or any word
    Tolerance tolerance;           // of a number or a value read off the chart
    std::vector<LessonText> choices; // of a multiple choice
    std::optional<ExpectedAnswer> answer; // none for a question only collected (free text)
    UnknownKeys unknown;
};

struct Lesson {
    int format = kLessonFormat;
    std::string id; // the lesson's identity, which hand-ins name: 16 hexadecimal digits
    LessonText title;
    LessonText introduction;
    LessonPart part = LessonPart::Run;
    // Every entry the student would otherwise type, by control name, as the lesson holds it: a text
    // with "." as its decimal point, or for a check box or an option "true" or "false".
    std::vector<std::pair<std::string, std::string>> setup;
    SeedPolicy seedPolicy = SeedPolicy::Shared;
    std::uint64_t seed = 1; // of a shared seed
    std::vector<ControlRule> controls;
    std::vector<LessonStep> steps;
    bool feedback = true;       // answers are marked when given; else only collected
    bool handInAnswers = true;  // the hand-in carries the answers
    bool handInData = false;    // and the run's data file
    UnknownKeys unknown;

    std::string languageOf(std::string_view wanted) const; // the language shown to a user of `wanted`
    const std::string* setupValue(std::string_view control) const;
    ControlUse use(std::string_view control) const; // Open for controls without a rule
    const ControlRule* rule(std::string_view control) const;
};

// A lesson read from the text of `fileName`, or why not (the message names the file and what is
// wrong with it). Nothing of a lesson that is wrong anywhere is kept.
struct LessonRead {
    std::optional<Lesson> lesson;
    Message error;
};
LessonRead readLesson(std::string_view text, const std::string& fileName);
// The lesson as JSON text, pretty-printed, unknown keys where they were read.
std::string writeLesson(const Lesson& lesson);
// A lesson a teacher edited from `opened` keeps what this version does not know of it: its own
// unknown keys, and those of its steps and answers, step by step in their order.
void keepUnknown(Lesson& edited, const Lesson& opened);
// Why the lesson cannot be given to a class as it stands (an unknown control, an entry out of its
// range, a question without what it needs); empty when it can. readLesson refuses the same.
Message lessonFault(const Lesson& lesson);

// The seeds of a student's random actions: each kind draws from its own seed, made from the
// student's and the action's count (0 the first time), so that what a student sees is what the
// marking makes again, and a second count is a new count. The runs of the decay run, the class
// experiment and the labs take the student's seed itself, every time: the same run again.
enum class LessonDraw { Run, Background, Counter, DatingSample, DatingCount, Repeat, Silver };
std::uint64_t drawSeed(std::uint64_t studentSeed, LessonDraw draw, int count = 0);

// A new lesson's identity from anything that differs between lessons (the time, a random number).
std::string lessonId(std::uint64_t entropy);
// The seed of a student: the lesson's shared seed, or one made from the lesson's identity and
// the name as typed, the same on every machine and in every edition. Case, and spaces at the ends
// and between words, do not change it.
std::uint64_t studentSeed(const Lesson& lesson, std::string_view name);

} // namespace decay
