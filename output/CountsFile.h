#pragma once

#include "model/nuclides/Chain.h"
#include "model/counting/HalfLifeFit.h"
#include "model/counting/PulseRecord.h"

#include <string>

namespace decay {

// A counter's intervals as a comma-separated file: the header "t_start [s]","t_end [s]","counts",
// "background" with the chosen time unit, then one line per interval with its start and end in that
// unit (times in `data` are seconds), its counts and the background counts subtracted from them,
// numbers with 10 significant digits and "." as decimal point, lines ending as the data file's.
std::string countsFileText(const FitData& data, TimeUnit unit);

// A real counter's pulses as a comma-separated file: the header "t [s]", then the time of every
// pulse in seconds from the start, to the microsecond, lines ending as the data file's.
std::string pulseTimesText(const PulseRecord& record);

} // namespace decay
