// The sampled path: a natural cubic spline through the control points, sampled at equal
// parameter steps, with the arc length of every sample. The curve is checked against an
// independently fitted natural spline (NaturalSplineReference.h).
#include <gtest/gtest.h>

#include <cstring>

#include "CharacterTestSupport.h"
#include "NaturalSplineReference.h"

namespace {

PathCharacter BuildWith(const std::vector<Math::Vector2>& points)
{
    PathCharacter character;
    character.BuildPath(points);  // with the record's 60 steps
    return character;
}

// The independent curve at parameter t, as (x, z).
glm::dvec2 Reference(const std::vector<Math::Vector2>& points, double t)
{
    std::vector<double> xs;
    std::vector<double> zs;
    for (const Math::Vector2& p : points) {
        xs.push_back(p.x);
        zs.push_back(p.y);
    }
    return glm::dvec2(NaturalSplineReference(xs)(t), NaturalSplineReference(zs)(t));
}

}  // namespace

// The fixed loop: 61 samples, every fifth on its control point, the first exactly, all at y 0.
TEST(PathBuilder, FixedLoopSamplesPassThroughItsControlPoints)
{
    const std::vector<Math::Vector2> points = FixedLoopPoints();
    const PathCharacter c = BuildWith(points);
    ASSERT_EQ(c.curvePoints.size(), 61u);
    EXPECT_EQ(c.curvePoints[0], Math::Vector3(-100.0f, 0.0f, 100.0f));
    for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
        EXPECT_EQ(c.curvePoints[k].y, 0.0f);
        if (k % 5 == 0) {
            EXPECT_NEAR(c.curvePoints[k].x, points[k / 5].x, 0.01) << "control point " << k / 5;
            EXPECT_NEAR(c.curvePoints[k].z, points[k / 5].y, 0.01) << "control point " << k / 5;
        }
    }
}

// Every sample lies on the natural spline, for the loop and for other point counts. (Float
// evaluation of the power basis drifts by about 0.01 toward the end of the loop.)
TEST(PathBuilder, SamplesFollowTheNaturalSpline)
{
    const std::vector<std::vector<Math::Vector2>> pointSets = {
        FixedLoopPoints(),
        {{0, 0}, {50, 80}, {120, -30}},
        {{10, -20}, {-40, 35}, {25, 90}, {130, 60}, {160, -10}},
    };
    for (const auto& points : pointSets) {
        const PathCharacter c = BuildWith(points);
        ASSERT_GE(c.curvePoints.size(), 60u);
        const double step = static_cast<double>(points.size() - 1) / 60.0;
        for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
            const glm::dvec2 expected = Reference(points, k * step);
            EXPECT_NEAR(c.curvePoints[k].x, expected.x, 0.02) << points.size() << " points, sample " << k;
            EXPECT_NEAR(c.curvePoints[k].z, expected.y, 0.02) << points.size() << " points, sample " << k;
        }
    }
}

// Natural ends, from the samples alone: the end pieces are cubics sampled at h = 0.2, so second
// differences give S'' inside them, and S'' (linear on a piece) extrapolates to the ends. Float
// noise allows a unit or two; other end conditions leave tens or hundreds there.
TEST(PathBuilder, SecondDerivativeVanishesAtBothEnds)
{
    const PathCharacter c = BuildWith(FixedLoopPoints());
    for (float Math::Vector3::*axis : {&Math::Vector3::x, &Math::Vector3::z}) {
        auto secondDerivative = [&](std::size_t k) {
            return (c.curvePoints[k - 1].*axis - 2.0 * (c.curvePoints[k].*axis) + c.curvePoints[k + 1].*axis) / 0.04;
        };
        EXPECT_NEAR(2.0 * secondDerivative(1) - secondDerivative(2), 0.0, 4.0);
        EXPECT_NEAR(2.0 * secondDerivative(59) - secondDerivative(58), 0.0, 4.0);
        EXPECT_GT(std::fabs(secondDerivative(56)), 100.0);
    }
}

// Arc lengths: 0 first, then the running sum of the chords (20 to 46 long on the loop), ending
// bit for bit at the path length of about 1992.
TEST(PathBuilder, ArcLengthsAddUpTheChords)
{
    const PathCharacter c = BuildWith(FixedLoopPoints());
    ASSERT_EQ(c.arcLengths.size(), c.curvePoints.size());
    EXPECT_EQ(c.arcLengths[0], 0.0f);
    double referenceLength = 0.0;
    for (std::size_t k = 1; k < c.arcLengths.size(); ++k) {
        const double chord = glm::distance(ToGlm(c.curvePoints[k]), ToGlm(c.curvePoints[k - 1]));
        EXPECT_NEAR(c.arcLengths[k] - c.arcLengths[k - 1], chord, 1e-3) << "sample " << k;
        EXPECT_TRUE(chord > 19.0 && chord < 47.0) << "sample " << k << ": " << chord;
        referenceLength += glm::distance(Reference(FixedLoopPoints(), 0.2 * k), Reference(FixedLoopPoints(), 0.2 * (k - 1)));
    }
    const float last = c.arcLengths.back();
    EXPECT_EQ(std::memcmp(&c.pathLength, &last, sizeof(float)), 0);
    EXPECT_NEAR(c.pathLength, referenceLength, 0.05);
    EXPECT_NEAR(c.pathLength, 1992.0, 1.0);
}

// Two points: a straight, evenly spaced segment. The running parameter passes 1 before a 61st
// sample, so there are 60 and the last stops one step short of the second point.
TEST(PathBuilder, TwoPointsGiveAStraightEvenSegment)
{
    const glm::vec2 from(-30.0f, 10.0f);
    const glm::vec2 to(30.0f, 90.0f);
    const PathCharacter c = BuildWith({{from.x, from.y}, {to.x, to.y}});
    ASSERT_EQ(c.curvePoints.size(), 60u);
    for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
        const glm::vec2 expected = from + (to - from) * (static_cast<float>(k) / 60.0f);
        EXPECT_NEAR(c.curvePoints[k].x, expected.x, 1e-3) << "sample " << k;
        EXPECT_NEAR(c.curvePoints[k].z, expected.y, 1e-3) << "sample " << k;
        EXPECT_NEAR(c.arcLengths[k], k * glm::distance(from, to) / 60.0f, 1e-2) << "sample " << k;
    }
}

// Fewer than two points build nothing, and say so.
TEST(PathBuilder, FewerThanTwoPointsBuildNothing)
{
    for (const auto& points : {std::vector<Math::Vector2>{}, std::vector<Math::Vector2>{{5, 5}}}) {
        testing::internal::CaptureStderr();
        const PathCharacter c = BuildWith(points);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("at least 2 control points"), std::string::npos);
        EXPECT_TRUE(c.curvePoints.empty());
        EXPECT_TRUE(c.arcLengths.empty());
        EXPECT_EQ(c.pathLength, 0.0f);
    }
}
