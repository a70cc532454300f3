#pragma once

#include "PulseDetector.h"

#include "model/common/Message.h"

#include <cstdint>
#include <vector>

namespace decay {

// What a real counter's window says, in both editions.

// The hold-off as the counting chain's dead time.
Message holdOffMessage(double holdOffSeconds);
// "1,204 pulses in 60.0 s: 20.07 a second." while listening; empty before the first second.
Message liveCountMessage(std::int64_t pulses, double seconds);
// What the detector noticed about the input, one sentence each, most urgent first: processing the
// browser or the system left on (`processingOn` names what a browser reported on), clipping and
// lost buffers.
std::vector<Message> inputWarnings(const PulseReport& report, const std::vector<std::string>& processingOn = {});

} // namespace decay
