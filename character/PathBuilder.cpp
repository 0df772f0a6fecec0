// The path builder: one interpolating natural cubic spline per ground coordinate, with the
// control-point index as parameter, fitted in the truncated power basis
//   S(t) = a0 + a1 t + a2 t^2 + a3 t^3 + sum over knots k = 1 .. n-2 of a(k+3) (t - k)^3 [t >= k]
// and sampled at equal parameter steps with the cumulative arc length of every sample.
//
// The fit runs in double; evaluation, distances and lengths run in float, and the parameter is
// a running sum rather than index * step. Together these fix the exact sample positions (the
// last one falls just short of the end), which the rest of the character relies on.
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "character/PathCharacter.h"
#include "character/SolverMatrix.h"

namespace {

// Fills the rows shared by the x and z systems, with the right-hand sides taken from `points`.
void FillSplineSystems(const std::vector<Math::Vector2>& points, SolverMatrix& xSystem, SolverMatrix& zSystem)
{
    const int n = static_cast<int>(points.size());
    const int rhs = n + 2;
    for (int t = 0; t < n; ++t) {
        for (int i = 0; i < 4; ++i) {
            const double basis = std::pow(static_cast<double>(t), static_cast<double>(i));
            xSystem.At(t, i) = basis;
            zSystem.At(t, i) = basis;
        }
        for (int i = 4; i <= n + 1; ++i) {
            if (t >= i - 3) {
                const double basis = std::pow(static_cast<double>(t - (i - 3)), 3.0);
                xSystem.At(t, i) = basis;
                zSystem.At(t, i) = basis;
            }
        }
        xSystem.At(t, rhs) = static_cast<double>(points[t].x);
        zSystem.At(t, rhs) = static_cast<double>(points[t].y);
    }

    // Natural ends: S''(0) = 0 and S''(n - 1) = 0, right-hand sides left at 0.
    for (SolverMatrix* system : {&xSystem, &zSystem}) {
        system->At(n, 2) = 2.0;
        system->At(n + 1, 2) = 2.0;
        system->At(n + 1, 3) = 6.0 * (n - 1);
        for (int i = 4; i <= n + 1; ++i) {
            system->At(n + 1, i) = 6.0 * (n + 2 - i);
        }
    }
}

}  // namespace

void PathCharacter::BuildPath(const std::vector<Math::Vector2>& points)
{
    const int n = static_cast<int>(points.size());
    if (n < 2) {
        std::fprintf(stderr, "PathCharacter: a path needs at least 2 control points, got %d; no path built\n", n);
        return;
    }
    if (!(sampleSteps > 0.0f)) {
        std::fprintf(stderr, "PathCharacter: sampleSteps must be positive, got %g; no path built\n",
                     static_cast<double>(sampleSteps));
        return;
    }

    SolverMatrix xSystem(n + 3, n + 2);
    SolverMatrix zSystem(n + 3, n + 2);
    FillSplineSystems(points, xSystem, zSystem);
    xSystem.Solve();
    zSystem.Solve();

    const int coefficientCount = n + 2;
    std::vector<float> xCoefficients(coefficientCount);
    std::vector<float> zCoefficients(coefficientCount);
    for (int i = 0; i < coefficientCount; ++i) {
        xCoefficients[i] = static_cast<float>(xSystem.At(i, n + 2));
        zCoefficients[i] = static_cast<float>(zSystem.At(i, n + 2));
    }

    arcLengths.push_back(0.0f);
    const double last = static_cast<double>(n - 1);
    const double step = last / static_cast<double>(sampleSteps);
    for (double t = 0.0; t <= last; t = step + t) {
        const float tf = static_cast<float>(t);
        float x = 0.0f;
        float z = 0.0f;
        for (int i = 0; i < coefficientCount; ++i) {
            float basis;
            if (i < 4) {
                basis = powf(tf, static_cast<float>(i));
            } else if (t >= static_cast<double>(i - 3)) {
                const float b = tf - static_cast<float>(i) + 3.0f;
                basis = b * (b * b);
            } else {
                continue;
            }
            x += xCoefficients[i] * basis;
            z += zCoefficients[i] * basis;
        }

        const Math::Vector3 sample(x, 0.0f, z);
        if (!curvePoints.empty()) {
            const float d = Math::Length(sample - curvePoints.back());
            arcLengths.push_back(d + arcLengths.back());
            pathLength += d;
        }
        curvePoints.push_back(sample);
    }
}
