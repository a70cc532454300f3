#pragma once

#include "Lesson.h"

#include <span>
#include <string>
#include <string_view>

namespace decay {

// The controls of each part that a lesson may set up, lock, hide or hold to a range, by the name
// both editions give them. A name ending in '#' stands for one control per member: "txtAtoms#" is
// txtAtoms1, txtAtoms2, ... in the members' order.
enum class ControlKind {
    Entry,   // a number as typed; a lesson may hold it to a range
    Text,    // any text as typed
    Choice,  // one item of a list, by the item's key (a nuclide's symbol, a unit's symbol)
    Check,   // "true" or "false"
    Option,  // one of a group of options: "true" for the one chosen
    Command, // a button: locked or hidden only
};
struct LessonControl {
    std::string_view name;
    ControlKind kind;
    // A choice's items in the order the editions list them, by the keys a lesson holds; empty for
    // the lists made from the table or the chain, whose keys are nuclide symbols (cboNuclide, the
    // members' lists), and for the time units (s, min, h, d, y) and amount units (atoms, g, Bq).
    std::span<const std::string_view> keys = {};
};
std::span<const LessonControl> lessonControls(LessonPart part);
// The control `name` stands for, or none when the part has no such control.
const LessonControl* lessonControl(LessonPart part, std::string_view name);

// A lesson keeps numbers with "." as their decimal point; the fields show the user's.
std::string shownEntry(const std::string& stored, std::string_view decimalPoint);
std::string storedEntry(const std::string& shown, std::string_view decimalPoint);
// Why the text typed into a control is outside the range the lesson holds it to; empty when it is
// within, when the control has no range, or when it is no number (the part's own check says why).
Message rangeRefusal(const Lesson& lesson, std::string_view control, std::string_view text, std::string_view decimalPoint);

} // namespace decay
