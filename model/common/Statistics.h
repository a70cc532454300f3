#pragma once

#include <span>
#include <vector>

namespace decay {

// Least-squares line y = intercept + slope x through the points added, each with a weight
// (1 / sigma^2 of its y for a weighted fit).
class LineFit {
public:
    void add(double x, double y, double weight = 1);
    int points() const { return m_n; }
    // These need two points with different x; NaN otherwise.
    double slope() const;
    double intercept() const;

private:
    double spreadX() const;

    int m_n = 0;
    double m_sw = 0, m_sx = 0, m_sy = 0, m_sxx = 0, m_sxy = 0;
};

// Mean and standard deviation (n - 1 in the denominator; 0 for one value) of the finite values.
struct Spread {
    double mean = 0;
    double sd = 0;
    int count = 0; // finite values
};
Spread spread(std::span<const double> values);

// Equal bins over the finite values' range: about the square root of their number, 5 to 25.
struct Histogram {
    double low = 0;
    double width = 1;
    std::vector<int> counts;
};
Histogram histogram(std::span<const double> values);

} // namespace decay
