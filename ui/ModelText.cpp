#include "ModelText.h"

#include "Numbers.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace {

// Every pattern of the model's messages (decay::Message), for lupdate.
[[maybe_unused]] const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("ModelText", "Member %1 needs a name of 1 to 24 characters."),
    QT_TRANSLATE_NOOP("ModelText", "Two members are called %1."),
    QT_TRANSLATE_NOOP("ModelText", "The half-life of %1 must be a number from 1 ns to 1E+20 y; leave it empty for a stable member."),
    QT_TRANSLATE_NOOP("ModelText", "Every link joins two different members of the chain."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is stable: it cannot decay to anything."),
    QT_TRANSLATE_NOOP("ModelText", "The link from %1 to %2 is there twice."),
    QT_TRANSLATE_NOOP("ModelText", "The branch fraction from %1 to %2 must be a number from 0 to 1."),
    QT_TRANSLATE_NOOP("ModelText", "The branch fractions from %1 add up to more than 1."),
    QT_TRANSLATE_NOOP("ModelText", "%1 is not in the nuclide table."),
    QT_TRANSLATE_NOOP("ModelText", "The chain of %1 has more than %2 members."),
    QT_TRANSLATE_NOOP("ModelText", "The chain of %1 loops."),
    QT_TRANSLATE_NOOP("ModelText", "A custom chain has 1 to %1 members."),
    QT_TRANSLATE_NOOP("ModelText", "The chain has a loop: a member would decay back into itself. Remove one of the links of the loop."),
    QT_TRANSLATE_NOOP("ModelText", "The initial number of atoms of %1 must be a number from 0 to 1E+30."),
    QT_TRANSLATE_NOOP("ModelText", "At least one member needs atoms at the start."),
    QT_TRANSLATE_NOOP("ModelText", "The time step must be a number from 1 ns to 1E+12 y."),
    QT_TRANSLATE_NOOP("ModelText", "The number of steps must be a whole number from 1 to %1."),
    QT_TRANSLATE_NOOP("ModelText", "The milking step must be a whole number from 1 to %1."),
    QT_TRANSLATE_NOOP("ModelText", "Choose the member to milk."),
    QT_TRANSLATE_NOOP("ModelText", "The random run follows whole atoms, at most %1 in all."),
};

} // namespace

QString modelText(const decay::Message& message)
{
    std::vector<std::string> values;
    for (const decay::MessageValue& value : message.values)
        values.push_back(numbers::messageValue(value).toStdString());
    const QString translation = QCoreApplication::translate("ModelText", message.pattern.c_str());
    return QString::fromStdString(decay::fillIn(translation.toStdString(), values));
}
