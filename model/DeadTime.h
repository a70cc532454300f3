#pragma once

namespace decay {

// A counter that is blind for tau seconds after each event it records (non-paralysable), or after
// every event that arrives, recorded or not (paralysable).
struct DeadTime {
    enum class Kind { NonParalysable, Paralysable };
    double tau = 0; // seconds; 0 for an ideal counter
    Kind kind = Kind::NonParalysable;
};
inline constexpr double kGeigerDeadTime = 100e-6; // seconds, a typical Geiger-Mueller tube

// The mean recorded rate m of a Poisson stream of true rate n (per second): n / (1 + n tau)
// non-paralysable, n e^(-n tau) paralysable (G. F. Knoll, Radiation Detection and Measurement,
// 4th ed. (2010), section 4.VII).
double recordedRate(double trueRate, const DeadTime& deadTime);

// The true rate back from a recorded one: m / (1 - m tau) non-paralysable (NaN from m tau >= 1);
// the root below 1 / tau of m = n e^(-n tau) paralysable, NaN from the counter's most rate
// 1 / (e tau) on, where the recorded rate no longer says which of two true rates it came from.
double trueRate(double recordedRate, const DeadTime& deadTime);

// Whether a paralysable counter at this true rate is past its peak, n tau > 1: more events make
// it record fewer, and its counts cannot be corrected or fitted.
bool saturated(double trueRate, const DeadTime& deadTime);

// The two-source method: recorded rates of source A, both sources, source B and background alone
// (each with background). The exact solution of the non-paralysable equations n_A + n_B = n_AB + n_b
// (Knoll, section 4.VII.B): tau = X (1 - sqrt(1 - Z)) / Y, X = m_A m_B - m_AB m_b,
// Y = m_A m_B (m_AB + m_b) - m_AB m_b (m_A + m_B), Z = Y (m_A + m_B - m_AB - m_b) / X^2.
// NaN where the rates admit no dead time (Z > 1 or X = 0).
double twoSourceDeadTime(double a, double ab, double b, double background);

} // namespace decay
