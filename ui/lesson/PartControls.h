#pragma once

#include "model/lesson/Lesson.h"

#include <QList>
#include <QString>

#include <string>
#include <utility>
#include <vector>

class Platform;
class QWidget;

// A part's controls as a lesson names them, found by object name in the part's windows (the
// counting lab's run is the nuclide lab's, so it has both). A value is kept as the lesson keeps
// it: an entry with "." as its decimal point, a list's item by its key, a check box or an option
// as "true" or "false".
namespace partcontrols {

// The control `name` stands for in the windows, or none.
QWidget* control(const QList<QWidget*>& windows, const QString& name);
// The names of the controls a lesson of `part` reads from the windows: "txtAtoms#" stands for
// txtAtoms1, txtAtoms2, ... as far as the windows have them.
QStringList controlNames(const QList<QWidget*>& windows, decay::LessonPart part);

// Every value the student would otherwise enter, as the windows hold them now.
std::vector<std::pair<std::string, std::string>> readSetup(const QList<QWidget*>& windows, decay::LessonPart part);

// Enters a lesson's set-up (`setup`, by control name, as a lesson keeps values) as a user would:
// each entry typed, each item chosen, in the order of the part's controls, the chain first, so that
// the members' entries are those of the lesson's chain. A value derived from another (the
// half-life from the rate) follows the one it comes from.
void applySetup(const QList<QWidget*>& windows, decay::LessonPart part, const std::vector<std::pair<std::string, std::string>>& setup);

// Locks, hides and holds to their ranges the controls the lesson rules, for as long as the windows
// live: a locked entry is read-only and any other locked control disabled even when the window
// would enable it again; a hidden one goes with its label; an entry outside its range is refused
// when confirmed or left, with the lesson's message through `platform`, and takes its last value
// back as if typed. The seed entry of a class experiment shows `seed` and is locked with its button.
void applyRules(const QList<QWidget*>& windows, const decay::Lesson& lesson, std::uint64_t seed, Platform& platform);

} // namespace partcontrols
