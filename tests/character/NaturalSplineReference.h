#pragma once
// An independent natural cubic spline through values at t = 0, 1, ..., n - 1, fitted the
// textbook way: second derivatives M from M[i-1] + 4 M[i] + M[i+1] = 6 (y[i+1] - 2 y[i] + y[i-1])
// with M[0] = M[n-1] = 0, solved by the Thomas algorithm in double, evaluated piece by piece.
#include <algorithm>
#include <cmath>
#include <vector>

class NaturalSplineReference {
public:
    explicit NaturalSplineReference(const std::vector<double>& values) : y(values), m(values.size(), 0.0)
    {
        const std::size_t k = y.size() < 3 ? 0 : y.size() - 2;  // unknowns M[1] .. M[n-2]
        std::vector<double> diagonal(k, 4.0);
        std::vector<double> rhs(k);
        for (std::size_t i = 0; i < k; ++i) {
            rhs[i] = 6.0 * (y[i + 2] - 2.0 * y[i + 1] + y[i]);
            if (i > 0) {
                diagonal[i] -= 1.0 / diagonal[i - 1];
                rhs[i] -= rhs[i - 1] / diagonal[i - 1];
            }
        }
        for (std::size_t i = k; i >= 1; --i) {
            m[i] = (rhs[i - 1] - m[i + 1]) / diagonal[i - 1];
        }
    }

    double operator()(double t) const
    {
        const std::size_t i = std::min(static_cast<std::size_t>(std::max(t, 0.0)), y.size() - 2);
        const double a = static_cast<double>(i + 1) - t;
        const double b = t - static_cast<double>(i);
        return (m[i] * a * a * a + m[i + 1] * b * b * b) / 6.0 + (y[i] - m[i] / 6.0) * a + (y[i + 1] - m[i + 1] / 6.0) * b;
    }

private:
    std::vector<double> y;
    std::vector<double> m;
};
