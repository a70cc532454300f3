#pragma once

#include "model/nuclides/NuclideTable.h"

#include <fstream>
#include <sstream>

// The table in data/, as the program ships it (ATOMDRIFT_NUCLIDE_TABLE is its path).
inline decay::NuclideTableEntry shippedTable()
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return decay::parseNuclideTable(text.str());
}
