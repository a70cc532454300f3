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
