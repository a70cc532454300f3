#include "Statistics.h"

#include "NaN.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {

void LineFit::add(double x, double y, double weight)
{
    ++m_n;
    m_sw += weight;
    m_sx += weight * x;
    m_sy += weight * y;
    m_sxx += weight * x * x;
    m_sxy += weight * x * y;
}

double LineFit::spreadX() const
{
    const double spread = m_sw * m_sxx - m_sx * m_sx;
    return m_n >= 2 && spread > 0 ? spread : kNaN;
}

double LineFit::slope() const
{
    return (m_sw * m_sxy - m_sx * m_sy) / spreadX();
}

double LineFit::intercept() const
{
    return (m_sy - slope() * m_sx) / m_sw;
}

Spread spread(std::span<const double> values)
{
    Spread s;
    double sum = 0;
    for (double v : values)
        if (std::isfinite(v)) {
            sum += v;
            ++s.count;
        }
    if (s.count == 0)
        return {.mean = kNaN, .sd = kNaN};
    s.mean = sum / s.count;
    double squares = 0;
    for (double v : values)
        if (std::isfinite(v))
            squares += (v - s.mean) * (v - s.mean);
    s.sd = s.count > 1 ? std::sqrt(squares / (s.count - 1)) : 0;
    return s;
}

Histogram histogram(std::span<const double> values)
{
    double low = std::numeric_limits<double>::infinity(), high = -low;
    int finite = 0;
    for (double v : values)
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
            ++finite;
        }
    Histogram h;
    if (finite == 0)
        return h;
    const int bins = std::clamp(static_cast<int>(std::ceil(std::sqrt(finite))), 5, 25);
    h.low = low;
    h.width = high > low ? (high - low) / bins : 1;
    h.counts.assign(static_cast<std::size_t>(bins), 0);
    for (double v : values)
        if (std::isfinite(v))
            ++h.counts[static_cast<std::size_t>(std::clamp(static_cast<int>((v - low) / h.width), 0, bins - 1))];
    return h;
}

} // namespace decay
