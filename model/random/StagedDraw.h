#pragma once

#include <cstdint>
#include <vector>

namespace decay {

class DecayDraws;

// A probability p honoured by 24-bit draws to within 2^-24 of itself, however small. One draw
// k / 2^24 alone resolves only 2^-24: a decay probability of 10^-12 (U-238 over a minute) would
// come out 60,000 times too large. So p = 2^-e * f, f in [1/2, 1), is met in stages: an atom passes
// while its draw at each stage is below that stage's limit L (k < L, probability L / 2^24 exactly),
// through coarse stages of powers of two that make 2^-e and a last stage of round(f * 2^24). Only
// the atoms that passed one stage draw again, so a small p costs about one draw per atom.
// When p > 1/2 the atoms that do not pass are counted the same way from 1 - p, so that a
// probability near 1 keeps the relative accuracy of its complement.
class StagedDraw {
public:
    StagedDraw() = default;
    // `p` and its complement `notP` = 1 - p, each given exactly (e.g. -expm1(-x) and exp(-x)).
    StagedDraw(double p, double notP);

    // How many of `atoms` pass.
    std::int32_t count(DecayDraws& draws, std::int32_t atoms) const;
    // The same for a whole number of any size: one by one up to kOneByOne, which a run of
    // followed atoms never passes, and a binomial draw of p beyond, which costs the same for any
    // number.
    static constexpr double kOneByOne = 1 << 20;
    double count(DecayDraws& draws, double atoms) const;
    // The probability the stages give, which differs from p by at most 2^-24 of p (or of 1 - p).
    double probability() const;

private:
    std::vector<std::uint32_t> m_limits; // empty: nobody passes (or everybody, when complemented)
    double m_p = 0, m_notP = 1;
    bool m_complement = false;
};

} // namespace decay
