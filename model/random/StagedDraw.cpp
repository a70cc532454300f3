#include "StagedDraw.h"

#include "CountDraws.h"
#include "DecayDraws.h"

#include <algorithm>
#include <cmath>

namespace decay {
namespace {

constexpr int kBits = 24;
constexpr double kScale = 16777216.0; // 2^24

} // namespace

StagedDraw::StagedDraw(double p, double notP)
    : m_p(p)
    , m_notP(notP)
{
    m_complement = p > 0.5;
    const double staged = m_complement ? notP : p;
    if (!(staged > 0))
        return;
    int exponent = 0;
    const double fraction = std::frexp(staged, &exponent); // staged = fraction * 2^exponent
    for (int halvings = -exponent; halvings > 0; halvings -= kBits)
        m_limits.push_back(std::uint32_t{1} << (kBits - std::min(halvings, kBits)));
    m_limits.push_back(static_cast<std::uint32_t>(std::lround(fraction * kScale)));
}

std::int32_t StagedDraw::count(DecayDraws& draws, std::int32_t atoms) const
{
    std::int32_t passed = atoms;
    for (std::size_t i = 0; i < m_limits.size() && passed > 0; ++i)
        passed = draws.countDecays(passed, m_limits[i]);
    if (m_limits.empty())
        passed = 0;
    return m_complement ? atoms - passed : passed;
}

double StagedDraw::count(DecayDraws& draws, double atoms) const
{
    return atoms <= kOneByOne ? count(draws, static_cast<std::int32_t>(atoms)) : binomialDraw(draws, atoms, m_p, m_notP);
}

double StagedDraw::probability() const
{
    double staged = m_limits.empty() ? 0.0 : 1.0;
    for (std::uint32_t limit : m_limits)
        staged *= limit / kScale;
    return m_complement ? 1.0 - staged : staged;
}

} // namespace decay
