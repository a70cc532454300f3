#pragma once

#include "model/common/TimeUnits.h"

#include <QString>
#include <QStringList>

#include <string_view>

// The one place that writes time units in the user's language: their symbols ("h", NUBASE's "My"),
// the lab's units for a list, and a duration in the largest unit it is at least 1 of.
QString unitText(std::string_view symbol); // a symbol it does not know stays as it is
QString unitText(decay::TimeUnit unit);
QStringList timeUnitNames(); // the lab's units in their order, for a list to choose from
// "2.747 d", "4.463 × 10⁹ y": from seconds, in the largest of the lab's units it is at least 1 of.
QString durationText(double seconds, int digits = 4);
