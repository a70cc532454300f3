#pragma once

#include "model/nuclides/LabRun.h"

#include <string>

namespace decay {

// A lab run as a comma-separated file: the header "t [h]","N Mo-99",...,"A Mo-99 [Bq]",..., then one
// line per time of the run in the run's unit, the atoms of every member and their activities in
// becquerel, every number with 10 significant digits and "." as decimal point, every line ending
// as the data file's do.
std::string chainFileText(const LabRun& run);

} // namespace decay
