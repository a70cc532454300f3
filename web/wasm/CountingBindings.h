#pragma once

#include "model/counting/CountingSession.h"

namespace web {

// The counting lab's session of the page, for the bindings of its real counter.
decay::CountingSession& countingSession();

} // namespace web
