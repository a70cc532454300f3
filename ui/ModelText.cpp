#include "ModelText.h"

#include "Numbers.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QStringList>

#include <string>
#include <vector>

namespace {

// Every pattern of the model's messages (decay::Message), for lupdate.
[[maybe_unused]] const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("ModelText", "Silver-110 (Ag-110)"),
    QT_TRANSLATE_NOOP("ModelText", "Silver-108 (Ag-108)"),
    QT_TRANSLATE_NOOP("ModelText", "The activation time must be a number of seconds from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "Member %1 needs a name of 1 to %2 characters."),
    QT_TRANSLATE_NOOP("ModelText", "Two members are called %1."),
    QT_TRANSLATE_NOOP("ModelText", "The half-life of %1 must be a number from %2 s to %3 y; leave it empty for a stable member."),
    QT_TRANSLATE_NOOP("ModelText", "Every link joins two different members of the chain."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is stable: it cannot decay to anything."),
    QT_TRANSLATE_NOOP("ModelText", "The link from %1 to %2 is there twice."),
    QT_TRANSLATE_NOOP("ModelText", "The branch fraction from %1 to %2 must be a number from 0 to 1."),
    QT_TRANSLATE_NOOP("ModelText", "The branch fractions from %1 add up to more than 1."),
    QT_TRANSLATE_NOOP("ModelText", "A custom chain has 1 to %1 members."),
    QT_TRANSLATE_NOOP("ModelText", "The chain has a loop: a member would decay back into itself. Remove one of the links of the loop."),
    QT_TRANSLATE_NOOP("ModelText", "The first time must be a number from 1 ns to 1E+12 y."),
    QT_TRANSLATE_NOOP("ModelText", "The last time must be after the first time, at most 1E+12 y."),
    QT_TRANSLATE_NOOP("ModelText", "The points per decade must be a whole number from 1 to %1."),
    QT_TRANSLATE_NOOP("ModelText", "The grid has more than %1 steps: take fewer points per decade or a shorter span."),
    QT_TRANSLATE_NOOP("ModelText", "Take %1 points per decade"),
    QT_TRANSLATE_NOOP("ModelText", "Take %1 steps of %2 %3"),
    QT_TRANSLATE_NOOP("ModelText", "The grid's steps must be at least 1 ns: take fewer points per decade or a later first time."),
    QT_TRANSLATE_NOOP("ModelText", "The initial number of atoms of %1 must be a number from 0 to 1E+30."),
    QT_TRANSLATE_NOOP("ModelText", "The initial amount of %1 must be a number of at least 0."),
    QT_TRANSLATE_NOOP("ModelText", "%1 has no molar mass here: give its amount in atoms."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is stable and has no activity: give its amount in atoms or grams."),
    QT_TRANSLATE_NOOP("ModelText", "The initial amount of %1 is more than 1E+30 atoms."),
    QT_TRANSLATE_NOOP("ModelText", "At least one member needs atoms at the start."),
    QT_TRANSLATE_NOOP("ModelText", "The time step must be a number from 1 ns to 1E+12 y."),
    QT_TRANSLATE_NOOP("ModelText", "The number of steps must be a whole number from 1 to %1."),
    QT_TRANSLATE_NOOP("ModelText", "The milking step must be a whole number from 1 to %1."),
    QT_TRANSLATE_NOOP("ModelText", "Choose the member to milk."),
    QT_TRANSLATE_NOOP("ModelText", "The random run follows whole atoms: give whole numbers of atoms."),
    QT_TRANSLATE_NOOP("ModelText", "The file is larger than %1 MB; a class's counts take far less."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has only one field: each line needs the step and at least one group's count."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has more than %2 groups."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 is one too many: at most %2 lines of counts."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2 is empty."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: %3 is not a number."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: %3 is negative."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: the step %3 is not a whole number of throws."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1: the step %2 does not come after the step before it."),
    QT_TRANSLATE_NOOP("ModelText", "The file holds no counts."),
    QT_TRANSLATE_NOOP("ModelText", "The file holds the counts of one step only; a decay needs two or more."),
    QT_TRANSLATE_NOOP("ModelText", "The efficiency must be a number above %1 and at most %2."),
    QT_TRANSLATE_NOOP("ModelText", "The background must be a number of events per second from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The counting interval must be a whole number of steps from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The dead time must be a number of microseconds from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The run has no steps to count."),
    QT_TRANSLATE_NOOP("ModelText", "The run has no time step to count in."),
    QT_TRANSLATE_NOOP("ModelText", "The counter's settings are out of range."),
    QT_TRANSLATE_NOOP("ModelText", "The run holds a step with no count of decays or activity."),
    QT_TRANSLATE_NOOP("ModelText", "A random run's decays must be whole numbers."),
    QT_TRANSLATE_NOOP("ModelText", "The sample is too active to count: the run would bring more than %1 counts. Take fewer atoms or a lower efficiency."),
    QT_TRANSLATE_NOOP("ModelText", "Take an efficiency of %1"),
    QT_TRANSLATE_NOOP("ModelText", "The background counting time must be a number of seconds from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: the time %3 is not from %4 to %5."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: %3 is not a count from %4 to %5."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: the counts %3 are not a whole number."),
    QT_TRANSLATE_NOOP("ModelText", "The file is larger than %1 MB; a measurement's counts take far less."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 field: each line needs a time and counts, then a background or the end of the interval and a background."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 fields: each line needs a time and counts, then a background or the end of the interval and a background."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 is one too many: at most %2 intervals."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1: the interval does not end after it starts."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1: the interval starts before the one before it ends."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1: the time does not come after the time before it."),
    QT_TRANSLATE_NOOP("ModelText", "The file holds the counts of one interval only; a half-life needs two or more."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 field, line %3 has %4 fields."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 fields, line %3 has %4 fields."),
    QT_TRANSLATE_NOOP("ModelText", "The initial number of atoms must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The decay rate must be a number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The last step must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The number of runs must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The seed must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "A half-life needs the counts of two intervals or more."),
    QT_TRANSLATE_NOOP("ModelText", "Poisson maximum likelihood"),
    QT_TRANSLATE_NOOP("ModelText", "Weighted least squares on the counts"),
    QT_TRANSLATE_NOOP("ModelText", "One nuclide"),
    QT_TRANSLATE_NOOP("ModelText", "Two nuclides"),
    QT_TRANSLATE_NOOP("ModelText", "The chain counted"),
    QT_TRANSLATE_NOOP("ModelText", "The counts show no decay that a half-life could be fitted to."),
    QT_TRANSLATE_NOOP("ModelText", "The counts show too little decay for a half-life: its uncertainty would be more than half of it."),
    QT_TRANSLATE_NOOP("ModelText", "Two half-lives need the counts of four intervals or more."),
    QT_TRANSLATE_NOOP("ModelText", "The counts are not those of the chain counted, so the chain cannot be fitted to them."),
    QT_TRANSLATE_NOOP("ModelText", "The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %)."),
    QT_TRANSLATE_NOOP("ModelText", "The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample's."),
    QT_TRANSLATE_NOOP("ModelText", "Count the sample with the real counter first (listen, then stop, or open a recording), then date it."),
    QT_TRANSLATE_NOOP("ModelText", "Count the background with the real counter too: listen with the sample away, stop, and take the counts as the background."),
    QT_TRANSLATE_NOOP("ModelText", "The background and the sample are the same recording: count the sample in its place, then date it."),
    QT_TRANSLATE_NOOP("ModelText", "The recording or the background lasted no time at all."),
    QT_TRANSLATE_NOOP("ModelText", "The carbon must be a number of grams from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The age must be a number of years from %1 to %2, or empty for a hidden one."),
    QT_TRANSLATE_NOOP("ModelText", "The counting time must be a number of minutes from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The number of counts must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The count rate must be a number of events per second above %1 and at most %2."),
    QT_TRANSLATE_NOOP("ModelText", "The counting interval must be a number of seconds from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "An interval would bring more than %1 counts; count for less time."),
    QT_TRANSLATE_NOOP("ModelText", "Count for %1 s"),
    QT_TRANSLATE_NOOP("ModelText", "Number of atoms at t=%1"),
    QT_TRANSLATE_NOOP("ModelText", "%1 may also decay by %2 (%3); without a measured share it is left out of the chain."),
    QT_TRANSLATE_NOOP("ModelText", "%1 fissions (%2) in %3 % of its decays; the fission products leave the chain."),
    //: %1 a count, %2 the branch threshold in percent
    QT_TRANSLATE_NOOP("ModelText", "branches below %2 %: %1"),
    //: %1 a count
    QT_TRANSLATE_NOOP("ModelText", "decays that leave the chain: %1"),
    //: %1 a count
    QT_TRANSLATE_NOOP("ModelText", "modes without a measured share: %1"),
    //: %1 a count
    QT_TRANSLATE_NOOP("ModelText", "members beyond what a run can take: %1"),
    //: %1 to %4 the kinds of notes with their counts
    QT_TRANSLATE_NOOP("ModelText", "Left out: %1."),
    QT_TRANSLATE_NOOP("ModelText", "Left out: %1; %2."),
    QT_TRANSLATE_NOOP("ModelText", "Left out: %1; %2; %3."),
    QT_TRANSLATE_NOOP("ModelText", "Left out: %1; %2; %3; %4."),
    QT_TRANSLATE_NOOP("ModelText", "%1 decays by %2 in %3 % of its decays into more than one nucleus, which leave the chain."),
    QT_TRANSLATE_NOOP("ModelText", "%1 → %2 (%3, %4 %) is below the branch threshold of %5 % and left out."),
    QT_TRANSLATE_NOOP("ModelText", "%1 → %2 (%3, %4 %) leaves the chain: %2 is not in the nuclide table."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is not in the nuclide table."),
    QT_TRANSLATE_NOOP("ModelText", "The chain of %1 loops."),
    QT_TRANSLATE_NOOP("ModelText", "The chain of %1 has more members than the %2 a run can take; these, which the fewest atoms reach, are left out: %3."),
    QT_TRANSLATE_NOOP("ModelText", "The branch threshold must be a number of percent from %1 to %2."),
    // Lessons and hand-ins: what is wrong with a file, the quantities a maker offers, the verdicts
    // and the headings of the marks.
    QT_TRANSLATE_NOOP("ModelText", "The hand-in %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("ModelText", "it was made by a later version of Atomdrift, in hand-in format %1; this version reads formats up to %2."),
    QT_TRANSLATE_NOOP("ModelText", "it has no checksum."),
    QT_TRANSLATE_NOOP("ModelText", "its checksum does not match its contents: it was damaged or changed."),
    QT_TRANSLATE_NOOP("ModelText", "%1 answers another lesson (“%2”)."),
    QT_TRANSLATE_NOOP("ModelText", "The seed of %1 is not the one the lesson gives %2: the file was changed."),
    QT_TRANSLATE_NOOP("ModelText", "%1 answers a step the lesson does not have."),
    QT_TRANSLATE_NOOP("ModelText", "a list"),
    QT_TRANSLATE_NOOP("ModelText", "an object"),
    QT_TRANSLATE_NOOP("ModelText", "step, number, choice or text"),
    QT_TRANSLATE_NOOP("ModelText", "present"),
    QT_TRANSLATE_NOOP("ModelText", "a whole number from 0 to 18446744073709551615"),
    QT_TRANSLATE_NOOP("ModelText", "right"),
    QT_TRANSLATE_NOOP("ModelText", "wrong"),
    QT_TRANSLATE_NOOP("ModelText", "unanswered"),
    QT_TRANSLATE_NOOP("ModelText", "collected"),
    QT_TRANSLATE_NOOP("ModelText", "not marked"),
    QT_TRANSLATE_NOOP("ModelText", "Name"),
    QT_TRANSLATE_NOOP("ModelText", "File"),
    QT_TRANSLATE_NOOP("ModelText", "Seed"),
    QT_TRANSLATE_NOOP("ModelText", "Right"),
    QT_TRANSLATE_NOOP("ModelText", "Marked"),
    QT_TRANSLATE_NOOP("ModelText", "Answer %1"),
    QT_TRANSLATE_NOOP("ModelText", "Mark %1"),
    QT_TRANSLATE_NOOP("ModelText", "Expected %1"),
    QT_TRANSLATE_NOOP("ModelText", "The lesson %1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("ModelText", "the link is damaged or cut short."),
    QT_TRANSLATE_NOOP("ModelText", "the text is no link to a lesson."),
    QT_TRANSLATE_NOOP("ModelText", "%1 needs a text in its first language."),
    QT_TRANSLATE_NOOP("ModelText", "The part “%1” has no entry %2."),
    QT_TRANSLATE_NOOP("ModelText", "%1 should be true or false, not “%2”."),
    QT_TRANSLATE_NOOP("ModelText", "%1 should be a number written with a point, not “%2”."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is %2, outside the range %3 to %4 the lesson allows."),
    QT_TRANSLATE_NOOP("ModelText", "%1 needs one of its items, not an empty text."),
    QT_TRANSLATE_NOOP("ModelText", "%1 should be one of %2, not “%3”."),
    QT_TRANSLATE_NOOP("ModelText", "The decay run's windows cannot lock, hide or limit %1: a lesson gives them entries and steps only."),
    QT_TRANSLATE_NOOP("ModelText", "The part “%1” has no control %2."),
    QT_TRANSLATE_NOOP("ModelText", "%1 takes no range: only number entries do."),
    QT_TRANSLATE_NOOP("ModelText", "The range of %1 needs a minimum no larger than its maximum."),
    QT_TRANSLATE_NOOP("ModelText", "Step %1"),
    QT_TRANSLATE_NOOP("ModelText", "%1 needs a tolerance above 0."),
    QT_TRANSLATE_NOOP("ModelText", "%1 needs the number it expects, or a quantity of the student's run."),
    QT_TRANSLATE_NOOP("ModelText", "%1 expects a number that is not finite."),
    QT_TRANSLATE_NOOP("ModelText", "%1: %2"),
    QT_TRANSLATE_NOOP("ModelText", "%1 needs at least two choices."),
    QT_TRANSLATE_NOOP("ModelText", "%1 expects a choice it does not offer."),
    QT_TRANSLATE_NOOP("ModelText", "Decay run"),
    QT_TRANSLATE_NOOP("ModelText", "Class experiment"),
    QT_TRANSLATE_NOOP("ModelText", "Nuclide lab"),
    QT_TRANSLATE_NOOP("ModelText", "Counting lab"),
    QT_TRANSLATE_NOOP("ModelText", "The lesson's id should be 16 hexadecimal digits, not “%1”."),
    QT_TRANSLATE_NOOP("ModelText", "The title"),
    QT_TRANSLATE_NOOP("ModelText", "it was made by a later version of Atomdrift, in lesson format %1; this version reads formats up to %2."),
    QT_TRANSLATE_NOOP("ModelText", "a text in one or more languages"),
    QT_TRANSLATE_NOOP("ModelText", "one of the languages en, de, fr and es"),
    QT_TRANSLATE_NOOP("ModelText", "a text"),
    QT_TRANSLATE_NOOP("ModelText", "number, choice, text or readOff"),
    QT_TRANSLATE_NOOP("ModelText", "relative or absolute"),
    QT_TRANSLATE_NOOP("ModelText", "open, locked, hidden or a range"),
    QT_TRANSLATE_NOOP("ModelText", "shared or perStudent"),
    QT_TRANSLATE_NOOP("ModelText", "policy or value"),
    QT_TRANSLATE_NOOP("ModelText", "answers or data"),
    QT_TRANSLATE_NOOP("ModelText", "run, experiment, nuclides or counting"),
    QT_TRANSLATE_NOOP("ModelText", "This lesson takes values from %1 to %2 here, and %3 is outside them."),
    QT_TRANSLATE_NOOP("ModelText", "it is larger than %1 MB, far larger than any it could be."),
    QT_TRANSLATE_NOOP("ModelText", "its lists and objects nest deeper than %1 levels."),
    QT_TRANSLATE_NOOP("ModelText", "it is not a complete JSON document; it may be damaged or cut short."),
    QT_TRANSLATE_NOOP("ModelText", "it is a JSON document, but not one of Atomdrift's: it has no key “%1”."),
    QT_TRANSLATE_NOOP("ModelText", "its format version “%1” is not a whole number from 1."),
    QT_TRANSLATE_NOOP("ModelText", "the entry “%1” should be %2."),
    QT_TRANSLATE_NOOP("ModelText", "a number"),
    QT_TRANSLATE_NOOP("ModelText", "a finite number"),
    QT_TRANSLATE_NOOP("ModelText", "a whole number in its range"),
    QT_TRANSLATE_NOOP("ModelText", "true or false"),
    QT_TRANSLATE_NOOP("ModelText", "%1 is “%2”, which the decay run would replace on Enter."),
    QT_TRANSLATE_NOOP("ModelText", "Right."),
    QT_TRANSLATE_NOOP("ModelText", "Not right yet: look again and try once more."),
    QT_TRANSLATE_NOOP("ModelText", "Your answer is kept for your teacher."),
    QT_TRANSLATE_NOOP("ModelText", "This answer cannot be checked here: %1"),
    QT_TRANSLATE_NOOP("ModelText", "Atomdrift knows no quantity “%1”."),
    QT_TRANSLATE_NOOP("ModelText", "the part “%1” has no quantity “%2”."),
    QT_TRANSLATE_NOOP("ModelText", "the quantity “%1” needs its “%2”."),
    QT_TRANSLATE_NOOP("ModelText", "the step of “%1” should be a whole number from 0."),
    QT_TRANSLATE_NOOP("ModelText", "The nuclide table is not loaded."),
    QT_TRANSLATE_NOOP("ModelText", "The lesson's chain cannot be made from the table."),
    QT_TRANSLATE_NOOP("ModelText", "The lesson's run cannot be made from its set-up."),
    QT_TRANSLATE_NOOP("ModelText", "The lesson has no such step."),
    QT_TRANSLATE_NOOP("ModelText", "The table has no nuclide %1."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is stable and has no half-life."),
    QT_TRANSLATE_NOOP("ModelText", "The lesson's chain has no member %1."),
    QT_TRANSLATE_NOOP("ModelText", "%1 comes into no equilibrium with %2."),
    QT_TRANSLATE_NOOP("ModelText", "The run ends at step %1, before step %2."),
    QT_TRANSLATE_NOOP("ModelText", "The activity of %1 has no peak in this run."),
    QT_TRANSLATE_NOOP("ModelText", "The counts of this run give no fit."),
    QT_TRANSLATE_NOOP("ModelText", "A rate of 0 has no half-life."),
    QT_TRANSLATE_NOOP("ModelText", "No run of the class gives that half-life."),
    QT_TRANSLATE_NOOP("ModelText", "A time needs a time unit, not “%1”."),
    QT_TRANSLATE_NOOP("ModelText", "The atoms left at a step of the student's random run"),
    QT_TRANSLATE_NOOP("ModelText", "N0·e^(−r·t) at a step"),
    QT_TRANSLATE_NOOP("ModelText", "ln 2 / r, the half-life in steps"),
    QT_TRANSLATE_NOOP("ModelText", "The class's mean number of atoms at a step"),
    QT_TRANSLATE_NOOP("ModelText", "The class's mean half-life where N first falls to N0/2"),
    QT_TRANSLATE_NOOP("ModelText", "The class's mean half-life from the slope of ln N"),
    QT_TRANSLATE_NOOP("ModelText", "A nuclide's half-life in the table"),
    QT_TRANSLATE_NOOP("ModelText", "The activity of a daughter over that of a member before it, once in equilibrium"),
    QT_TRANSLATE_NOOP("ModelText", "The atoms of a member at a step of the exact run"),
    QT_TRANSLATE_NOOP("ModelText", "When the activity of a member peaks, in the exact run"),
    QT_TRANSLATE_NOOP("ModelText", "The half-life fitted to the student's counts"),
    QT_TRANSLATE_NOOP("ModelText", "The background rate the student measured, per second"),
    QT_TRANSLATE_NOOP("ModelText", "The age of the student's carbon sample from its first count"),
    QT_TRANSLATE_NOOP("ModelText", "The true age of the student's carbon sample"),
    QT_TRANSLATE_NOOP("ModelText", "Make a random run first: its atoms are shown here."),
    QT_TRANSLATE_NOOP("ModelText", "Only the atoms of a random run can be shown."),
    QT_TRANSLATE_NOOP("ModelText", "The run has no atoms to show."),
    QT_TRANSLATE_NOOP("ModelText", "The atoms can be shown one by one for runs of at most %1 atoms."),
    QT_TRANSLATE_NOOP("ModelText", "The atoms can be shown one by one for runs of at most %1 steps."),
    QT_TRANSLATE_NOOP("ModelText", "The run's numbers of atoms and their moves do not agree."),
    QT_TRANSLATE_NOOP("ModelText", "Not yet decayed"),
    QT_TRANSLATE_NOOP("ModelText", "Decayed"),
    QT_TRANSLATE_NOOP("ModelText", "Left the chain"),
    QT_TRANSLATE_NOOP("ModelText", "Taken away"),
    QT_TRANSLATE_NOOP("ModelText", "Atoms left, each as a fraction of its start"),
    QT_TRANSLATE_NOOP("ModelText", "N(t) / N(0)"),
    QT_TRANSLATE_NOOP("ModelText", "Time (steps)"),
    QT_TRANSLATE_NOOP("ModelText", "Time (%1)"),
    QT_TRANSLATE_NOOP("ModelText", "Whole sample: %1 atoms"),
    QT_TRANSLATE_NOOP("ModelText", "Patch %1: %2 atoms"),
    QT_TRANSLATE_NOOP("ModelText", "Expected spread of patch 1"),
    QT_TRANSLATE_NOOP("ModelText", "Expected spread of patch 2"),
    QT_TRANSLATE_NOOP("ModelText", "Now"),
    QT_TRANSLATE_NOOP("ModelText", "t = %1: %2 of %3 atoms left, %4 half-lives"),
    QT_TRANSLATE_NOOP("ModelText", "t = %1: %2 of %3 atoms left"),
    QT_TRANSLATE_NOOP("ModelText", "t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives"),
    QT_TRANSLATE_NOOP("ModelText", "t = %1 %2: %3 of %4 atoms of %5 left"),
    QT_TRANSLATE_NOOP("ModelText", "%1; patch: %2 of %3"),
    QT_TRANSLATE_NOOP("ModelText", "%1; patch %2: %3 of %4"),
    QT_TRANSLATE_NOOP("ModelText", "%1; detector: %2 decays in this step, efficiency %3 %"),
    // A real counter's panel.
    QT_TRANSLATE_NOOP("ModelText", "The hold-off is the counting chain's dead time: after each pulse nothing is counted for %1 ms "
                                   "(non-paralysable), so at n counts a second a share n·τ of them is lost, which the lab corrects."),
    QT_TRANSLATE_NOOP("ModelText", "%1 pulses in %2 s: %3 a second."),
    QT_TRANSLATE_NOOP("ModelText", "The browser left its sound processing on (%1): pulses may be distorted or missed."),
    QT_TRANSLATE_NOOP("ModelText", "The input seems to be processed (automatic gain or noise suppression): turn that off in the "
                                   "system's sound settings."),
    QT_TRANSLATE_NOOP("ModelText", "%1 samples were at full scale: turn the input level down."),
    QT_TRANSLATE_NOOP("ModelText", "%1 s of the input were lost in %2 dropped buffers: no pulse could be counted then, and the "
                                   "intervals they touch are left out."),
};

} // namespace

QString modelText(const decay::Report& report, const char* context)
{
    QStringList lines;
    for (const std::vector<decay::Message>& sentences : report.lines) {
        QStringList shown;
        for (const decay::Message& sentence : sentences)
            shown << modelText(sentence, context);
        lines << shown.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n'));
}

QString modelText(const decay::Message& message)
{
    return modelText(message, "ModelText");
}

QString modelText(const decay::Message& message, const char* context)
{
    if (message.empty())
        return {};
    std::vector<std::string> values;
    for (const decay::MessageValue& value : message.values)
        values.push_back((value.message ? modelText(*value.message, value.context) : numbers::messageValue(value)).toStdString());
    const QString translation = QCoreApplication::translate(context, message.pattern.c_str());
    return QString::fromStdString(decay::fillIn(translation.toStdString(), values));
}

bool changedOnRefusal(Platform& platform, QWidget* parent, const QString& title, const decay::Message& refusal,
                      const std::function<void(const decay::Remedy::Change&)>& apply)
{
    if (!refusal.remedy) {
        platform.showError(parent, title, modelText(refusal));
        return false;
    }
    if (!platform.offerChange(parent, title, modelText(refusal), modelText(refusal.remedy->offer)))
        return false;
    for (const decay::Remedy::Change& change : refusal.remedy->changes)
        apply(change);
    return true;
}
