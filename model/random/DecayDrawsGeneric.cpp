#include "DecayDraws.h"
#include "DecayDrawsKernel.h"

namespace decay::kernels {

std::int32_t countDecaysGeneric(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound)
{
    return countDecaysKernel<4, 3>(state, atoms, bound); // three chains measured faster than two
}

} // namespace decay::kernels
