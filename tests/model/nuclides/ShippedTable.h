#pragma once

#include "model/nuclides/NuclideTable.h"
#include "model/nuclides/TableChain.h"

#include <fstream>
#include <sstream>

// The table in data/, as the program ships it (ATOMDRIFT_NUCLIDE_TABLE is its path).
inline std::string shippedText()
{
    std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline decay::NuclideTableEntry shippedTable()
{
    return decay::parseNuclideTable(shippedText());
}

// The shipped table, read once; std::bad_optional_access ends a program that cannot read it.
inline const decay::NuclideTable& shipped()
{
    static const decay::NuclideTable table = shippedTable().table.value();
    return table;
}

// The chain the table builds from `first` with the default options.
inline decay::Chain tableChain(const char* first)
{
    return *decay::chainFromTable(shipped(), first, {}).chain;
}
