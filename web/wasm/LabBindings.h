#pragma once
// The nuclide lab's run entries as the page sends them, which the counting lab reads too when it
// runs a chain of the table itself, and the nuclide lab's session, whose run it counts.

#include "Bindings.h"

#include "model/nuclides/ChainRuns.h"
#include "model/nuclides/NuclideLabSession.h"

namespace web {

// Units, amount unit and grid as places in the model's lists; the milking step only when `milk`
// is set, the member to milk 0 for none chosen, as the desktop's list gives it.
decay::RunSetupTexts runSetupTexts(const val& texts);

// The nuclide lab's session: its table, read once for the page, and its last run, which the
// counting lab counts.
decay::NuclideLabSession& labSession();

} // namespace web
