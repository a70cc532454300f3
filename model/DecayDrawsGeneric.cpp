#include "DecayDraws.h"
#include "DecayDrawsKernel.h"

namespace decay::kernels {

std::int32_t countDecaysGeneric(std::uint32_t* state, std::int32_t atoms, std::uint32_t limit)
{
    return countDecaysKernel<4>(state, atoms, limit);
}

} // namespace decay::kernels
