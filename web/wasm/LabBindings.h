#pragma once
// The nuclide lab's run entries as the page sends them, which the counting lab reads too when it
// runs the lab's chain again.

#include "Bindings.h"

#include "model/nuclides/ChainRuns.h"

namespace web {

// Units, amount unit and grid as places in the model's lists; the milking step only when `milk`
// is set, the member to milk 0 for none chosen, as the desktop's list gives it.
decay::RunSetupTexts runSetupTexts(const val& texts);

} // namespace web
