#pragma once

#include "model/common/TimeUnits.h"

#include <QString>
#include <QStringList>

#include <string_view>

// The one place that writes time units in the user's language: their symbols ("h", NUBASE's "My"),
// and the lab's units for a list.
QString unitText(std::string_view symbol); // a symbol it does not know stays as it is
QString unitText(decay::TimeUnit unit);
QStringList timeUnitNames(); // the lab's units in their order, for a list to choose from
