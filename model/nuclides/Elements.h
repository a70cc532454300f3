#pragma once

#include <string_view>

namespace decay {

// The symbol ("U") and English name ("Uranium") of atomic number z, 0 (the neutron, "n") to 118;
// empty for any other z.
std::string_view elementSymbol(int z);
std::string_view elementName(int z);
// The atomic number of a symbol or English name as written above (case matters); -1 if none.
int elementNumber(std::string_view symbolOrName);
// 119: the neutron and the 118 elements.
int elementCount();

} // namespace decay
