#pragma once

#include "Chain.h"
#include "model/common/Message.h"
#include "model/common/NumberEntry.h"
#include "NuclideTable.h"

#include <optional>
#include <string_view>
#include <vector>

namespace decay {

struct ChainOptions {
    // Branches with a smaller share of their parent's decays are left out: 1e-6, that is 10^-4 %.
    double threshold = 1e-6;
    int mostMembers = kMostChainMembers;
};

// A chain from the table with what it leaves out: branches below the threshold, modes without an
// intensity or with only a limit, fission shares, daughters the table lacks, and the members cut
// when the network is larger than the member limit.
struct TableChain {
    std::optional<Chain> chain;
    Message error;
    std::vector<Message> notes;
    // The notes in one sentence, how many of each kind ("Left out: branches below 0.0001 %: 6;
    // decays that leave the chain: 1."), for a front end to show with the notes as its details;
    // empty without notes.
    Message summary;
};

// The whole decay network from `first` to stable nuclides, parents before daughters, routes that
// meet again merged. When it has more than `options.mostMembers` members it keeps the ones most
// atoms pass through (each joined to the start) and names the rest in a note.
TableChain chainFromTable(const NuclideTable& table, std::string_view first, const ChainOptions& options);

// The branch threshold as typed, in percent of the parent's decays: from 0 (every branch) to 100.
NumberEntry readBranchThreshold(std::string_view text, std::string_view decimalPoint);

} // namespace decay
