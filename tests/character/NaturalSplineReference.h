#pragma once
// An independent natural cubic spline through values at t = 0, 1, ..., n - 1, fitted the
// textbook way: second derivatives M from the tridiagonal system
//   M[i-1] + 4 M[i] + M[i+1] = 6 (y[i+1] - 2 y[i] + y[i-1]),  M[0] = M[n-1] = 0,
// solved by the Thomas algorithm in double, and evaluated piece by piece.
#include <cmath>
#include <vector>

class NaturalSplineReference {
public:
    explicit NaturalSplineReference(const std::vector<double>& values) : y(values), m(values.size(), 0.0)
    {
        const std::size_t n = y.size();
        if (n < 3) {
            return;  // two points: a straight line, all second derivatives zero
        }
        // Unknowns M[1] .. M[n-2]; diagonal 4, off-diagonals 1.
        const std::size_t k = n - 2;
        std::vector<double> diagonal(k, 4.0);
        std::vector<double> rhs(k);
        for (std::size_t i = 0; i < k; ++i) {
            rhs[i] = 6.0 * (y[i + 2] - 2.0 * y[i + 1] + y[i]);
        }
        for (std::size_t i = 1; i < k; ++i) {
            const double w = 1.0 / diagonal[i - 1];
            diagonal[i] -= w;
            rhs[i] -= w * rhs[i - 1];
        }
        m[k] = rhs[k - 1] / diagonal[k - 1];
        for (std::size_t i = k - 1; i >= 1; --i) {
            m[i] = (rhs[i - 1] - m[i + 1]) / diagonal[i - 1];
        }
    }

    double operator()(double t) const
    {
        const std::size_t last = y.size() - 1;
        std::size_t i = t <= 0.0 ? 0 : static_cast<std::size_t>(std::floor(t));
        if (i >= last) {
            i = last - 1;
        }
        const double a = static_cast<double>(i + 1) - t;
        const double b = t - static_cast<double>(i);
        return m[i] * a * a * a / 6.0 + m[i + 1] * b * b * b / 6.0 + (y[i] - m[i] / 6.0) * a +
               (y[i + 1] - m[i + 1] / 6.0) * b;
    }

    double SecondDerivativeAtKnot(std::size_t i) const { return m[i]; }

private:
    std::vector<double> y;
    std::vector<double> m;
};
