#include "ModelText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// What the model says, with %1, %2, ... where its numbers and quoted fields stand.
const char* const kMessages[] = {
    QT_TRANSLATE_NOOP("ModelText", "Number of atoms at t=%1"),
    QT_TRANSLATE_NOOP("ModelText", "The initial number of atoms must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The decay rate must be a number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The last step must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The number of runs must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The seed must be a whole number from %1 to %2."),
    QT_TRANSLATE_NOOP("ModelText", "The file is larger than %1 MB; a class's counts take far less."),
    QT_TRANSLATE_NOOP("ModelText", "The file holds no counts."),
    QT_TRANSLATE_NOOP("ModelText", "The file holds the counts of one step only; a decay needs two or more."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 holds a zero byte: this is no text file."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 opens a quote that it does not close."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has only one field: each line needs the step and at least one group's count."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has more than %2 groups."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 fields, line %3 has %4 fields."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 has %2 field, line %3 has %4 fields."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1 is one too many: at most %2 lines of counts."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2 is empty."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: %3 is not a number."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: %3 is negative."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1, field %2: the step %3 is not a whole number of throws."),
    QT_TRANSLATE_NOOP("ModelText", "Line %1: the step %2 does not come after the step before it."),
};

} // namespace

QString modelText(const std::string& english)
{
    static const QRegularExpression value(QStringLiteral(R"("[^"]*"|\d+)"));
    static const QRegularExpression place(QStringLiteral(R"(%(\d))"));
    const QString text = QString::fromStdString(english);
    QString pattern;
    QStringList values;
    qsizetype at = 0;
    for (const QRegularExpressionMatch& match : value.globalMatch(text)) {
        values.append(match.captured());
        pattern += text.mid(at, match.capturedStart() - at) + QLatin1Char('%') + QString::number(values.size());
        at = match.capturedEnd();
    }
    pattern += text.mid(at);
    const QByteArray key = pattern.toUtf8();
    if (std::ranges::none_of(kMessages, [&key](const char* known) { return key == known; }))
        return text;

    // One pass over the translation, so that a value holding "%2" stays as it is.
    const QString translated = QCoreApplication::translate("ModelText", key.constData());
    QString result;
    at = 0;
    for (const QRegularExpressionMatch& match : place.globalMatch(translated)) {
        result += translated.mid(at, match.capturedStart() - at) + values.value(match.captured(1).toInt() - 1);
        at = match.capturedEnd();
    }
    return result + translated.mid(at);
}
