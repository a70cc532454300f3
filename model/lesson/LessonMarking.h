#pragma once

#include "Lesson.h"

#include "model/experiment/Ensemble.h"
#include "model/nuclides/NuclideTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace decay {

struct Chain;
struct LabRun;
class CountingSession;

// The quantities an expected answer may name, each of the student's own session, that is of the
// lesson's set-up run with the student's seeds (drawSeed), as a student who follows the lesson
// makes it:
//   decay run:        "atoms" {step}: N of the random run;  "expectedAtoms" {step}: N0 e^(-r t);
//                     "halfLife": ln 2 / r, in steps
//   class experiment: "meanAtoms" {step}: the class mean of N;  "halvingHalfLife", "slopeHalfLife":
//                     the class means of the two measured half-lives;  "halfLife": ln 2 / r
//   nuclide lab and counting lab: "tableHalfLife" {nuclide}: the table's;  "equilibriumRatio"
//                     {daughter, over}: the limit of A_daughter / A_over in the lab's chain from a
//                     pure start of its first member
//   nuclide lab:      "labAtoms" {member, step}: of the exact run;  "activityPeak" {member}: when
//                     the member's activity peaks in the exact run
//   counting lab:     "fittedHalfLife": of the counts, the background measured first and the exact
//                     run counted to its end;  "backgroundRate": that background, per second;
//                     "datedAge", "sampleAge": a carbon sample's age from its first count, and
//                     its true age
// A time is given in the question's unit, which must then be a time unit (s, min, h, d, y).
// Every entry of the lesson's part as the student starts with it, in stored form (see Lesson::setup):
// the part's own defaults, for the labs those of the lesson's chain, with the lesson's set-up over
// them; a control the lesson sets that is no entry (a view, a check box) comes after them. A front
// end puts these into its controls, so that what the student starts from is what the marking runs
// again, whatever was typed before. Empty for a lab whose chain the table cannot make.
std::vector<std::pair<std::string, std::string>> completeSetup(const Lesson& lesson, const NuclideTable* table);

// The quantities of a part, for a lesson's maker to offer: name, arguments, whether a time, and
// what it is in words.
struct QuantityInfo {
    std::string name;
    std::vector<std::string> arguments;
    bool time = false;
    Message description;
};
std::vector<QuantityInfo> lessonQuantities(LessonPart part);
// Why the answer's quantity cannot be computed for this lesson; empty when it can.
Message quantityFault(const Lesson& lesson, const ExpectedAnswer& answer);
// Why the part would not take the lesson's set-up as its entries (the decay run would replace an
// entry on Enter; the class experiment cannot read one); empty when it would.
Message partSetupFault(const Lesson& lesson);
// Whether the quantity is a time, and so needs a time unit.
bool isTimeQuantity(const std::string& quantity);

// A student's answer to a step's question: a number (a value read off the chart too), a choice
// (0-based) or a text.
struct StudentAnswer {
    int step = 0; // 0-based
    std::optional<double> number;
    std::optional<int> choice;
    std::string text;
};

enum class Verdict {
    Right,
    Wrong,
    Unanswered,
    Collected, // a free text, or a question without an expected answer: kept, not marked
    Unmarked,  // the expected quantity cannot be computed (a run that cannot be made)
};
struct Mark {
    Verdict verdict = Verdict::Unanswered;
    std::optional<double> expected; // in the question's unit
    Message note;                   // why a question is unmarked
};

// The student's session as the lesson's answers need it, computed once on first use: the part's
// run from the set-up and the student's seed. Answers that depend on the data follow the seed.
class LessonEvaluator {
public:
    // `table` is the program's nuclide table, which the labs' quantities read; may be null for the
    // decay run and the class experiment.
    LessonEvaluator(const Lesson& lesson, std::uint64_t seed, const NuclideTable* table);
    ~LessonEvaluator();
    LessonEvaluator(const LessonEvaluator&) = delete;
    LessonEvaluator& operator=(const LessonEvaluator&) = delete;

    // The expected number of a step, in its question's unit, or why there is none.
    std::optional<double> expected(int step, Message* why = nullptr);
    Mark mark(const StudentAnswer& answer);
    // The class experiment's runs, or the decay run's random run as one run; empty for the labs
    // and where the set-up cannot be run.
    const std::optional<Ensemble>& runs();

private:
    const Chain* labChain(Message* why);
    const LabRun* labRun(Message* why);
    CountingSession* counted(Message* why);
    CountingSession* dated(Message* why);

    struct Cache;
    const Lesson& m_lesson;
    std::uint64_t m_seed;
    const NuclideTable* m_table;
    std::unique_ptr<Cache> m_cache;
};

// What the lesson panel says of a mark when the lesson checks answers at once. It never gives the
// expected number away: a student who is wrong tries again.
Message markMessage(const Mark& mark);

// The number as a student types it, in the user's way of writing (decimal point, digit groups).
std::optional<double> answerNumber(std::string_view text, std::string_view decimalPoint);
// Right when within either bound of the tolerance of the expected number.
bool withinTolerance(double answer, double expected, const Tolerance& tolerance);

} // namespace decay
