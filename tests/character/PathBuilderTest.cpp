// The sampled path: a natural cubic spline through the control points, sampled at equal
// parameter steps, with the cumulative arc length of every sample. The curve is checked against
// an independently fitted natural spline (see NaturalSplineReference.h).
#include <gtest/gtest.h>

#include <cstring>

#include "CharacterTestSupport.h"
#include "NaturalSplineReference.h"

namespace {

struct ReferenceCurve {
    NaturalSplineReference x;
    NaturalSplineReference z;
};

ReferenceCurve FitReference(const std::vector<Math::Vector2>& points)
{
    std::vector<double> xs;
    std::vector<double> zs;
    for (const Math::Vector2& p : points) {
        xs.push_back(p.x);
        zs.push_back(p.y);
    }
    return {NaturalSplineReference(xs), NaturalSplineReference(zs)};
}

// Builds the path through `points` with 60 steps, as the character does.
PathCharacter BuildWith(const std::vector<Math::Vector2>& points)
{
    PathCharacter character;
    character.sampleSteps = 60.0f;
    character.BuildPath(points);
    return character;
}

}  // namespace

// The fixed loop: 61 samples through all 13 control points, flat on the ground, measured from 0.
TEST(FixedLoopPath, HasSixtyOneSamplesThroughEveryControlPoint)
{
    const std::vector<Math::Vector2> points = FixedLoopPoints();
    const PathCharacter c = BuildWith(points);
    ASSERT_EQ(c.curvePoints.size(), 61u);
    ASSERT_EQ(c.arcLengths.size(), 61u);
    EXPECT_EQ(c.curvePoints[0], Math::Vector3(-100.0f, 0.0f, 100.0f));
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Math::Vector3& sample = c.curvePoints[5 * k];
        EXPECT_NEAR(sample.x, points[k].x, 0.01) << "control point " << k;
        EXPECT_NEAR(sample.z, points[k].y, 0.01) << "control point " << k;
    }
    for (const Math::Vector3& sample : c.curvePoints) {
        EXPECT_EQ(sample.y, 0.0f);
    }
}

TEST(FixedLoopPath, FollowsTheNaturalSplineThroughThePoints)
{
    const std::vector<Math::Vector2> points = FixedLoopPoints();
    const ReferenceCurve reference = FitReference(points);
    const PathCharacter c = BuildWith(points);
    for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
        const double t = 12.0 * static_cast<double>(k) / 60.0;
        // Float evaluation of the power basis drifts by about 0.01 toward the end of the loop.
        EXPECT_NEAR(c.curvePoints[k].x, reference.x(t), 0.02) << "sample " << k;
        EXPECT_NEAR(c.curvePoints[k].z, reference.z(t), 0.02) << "sample " << k;
    }
}

TEST(FixedLoopPath, ArcLengthsRiseFromZeroToThePathLength)
{
    const std::vector<Math::Vector2> points = FixedLoopPoints();
    const PathCharacter c = BuildWith(points);
    ASSERT_EQ(c.arcLengths.size(), c.curvePoints.size());
    EXPECT_EQ(c.arcLengths[0], 0.0f);
    for (std::size_t k = 1; k < c.arcLengths.size(); ++k) {
        EXPECT_GT(c.arcLengths[k], c.arcLengths[k - 1]) << "sample " << k;
        // Each increment is the chord to the previous sample; the loop's chords are 20 to 46 long.
        const double chord = glm::distance(ToGlm(c.curvePoints[k]), ToGlm(c.curvePoints[k - 1]));
        EXPECT_NEAR(c.arcLengths[k] - c.arcLengths[k - 1], chord, 1e-3) << "sample " << k;
        EXPECT_GT(chord, 19.0);
        EXPECT_LT(chord, 47.0);
    }
    // The total and the last entry are the same float sums, so they agree to the bit.
    const float last = c.arcLengths.back();
    EXPECT_EQ(std::memcmp(&c.pathLength, &last, sizeof(float)), 0);

    // The independent curve's polyline through the same parameters has the same length.
    const ReferenceCurve reference = FitReference(points);
    double referenceLength = 0.0;
    for (int k = 1; k <= 60; ++k) {
        const double t0 = 12.0 * (k - 1) / 60.0;
        const double t1 = 12.0 * k / 60.0;
        referenceLength += std::hypot(reference.x(t1) - reference.x(t0), reference.z(t1) - reference.z(t0));
    }
    EXPECT_NEAR(c.pathLength, referenceLength, 0.05);
    EXPECT_NEAR(c.pathLength, 1992.0, 1.0);
}

// Natural ends: the second derivative vanishes at both ends of the curve. The first and last
// pieces are cubics sampled at steps h = 0.2, so central second differences give S'' at the
// inner samples, and S'' (linear on a piece) extrapolates to the end. Float rounding of the
// samples (about 0.01) makes this noisy by a unit or two; other end conditions would put S''
// near the ends in the tens or hundreds, as it is one sample in from the end.
TEST(FixedLoopPath, SecondDerivativeVanishesAtBothEnds)
{
    const PathCharacter c = BuildWith(FixedLoopPoints());
    const double h = 0.2;
    auto secondDerivative = [&](std::size_t middle, float Math::Vector3::*axis) {
        return (c.curvePoints[middle - 1].*axis - 2.0 * (c.curvePoints[middle].*axis) +
                c.curvePoints[middle + 1].*axis) /
               (h * h);
    };
    for (float Math::Vector3::*axis : {&Math::Vector3::x, &Math::Vector3::z}) {
        const double atStart = 2.0 * secondDerivative(1, axis) - secondDerivative(2, axis);
        const double atEnd = 2.0 * secondDerivative(59, axis) - secondDerivative(58, axis);
        EXPECT_NEAR(atStart, 0.0, 4.0);
        EXPECT_NEAR(atEnd, 0.0, 4.0);
        EXPECT_GT(std::fabs(secondDerivative(56, axis)), 100.0);
    }
}

// Other point counts follow the independent spline too.
TEST(OtherPaths, MatchTheNaturalSplineForSeveralPointCounts)
{
    const std::vector<std::vector<Math::Vector2>> pointSets = {
        {{0, 0}, {50, 80}, {120, -30}},
        {{10, -20}, {-40, 35}, {25, 90}, {130, 60}, {160, -10}},
        {{0, 0}, {30, 10}, {60, -5}, {95, 20}, {120, 70}, {100, 130}, {40, 150}, {-20, 110}},
    };
    for (const auto& points : pointSets) {
        const ReferenceCurve reference = FitReference(points);
        const PathCharacter c = BuildWith(points);
        const double step = static_cast<double>(points.size() - 1) / 60.0;
        ASSERT_GE(c.curvePoints.size(), 60u);
        ASSERT_LE(c.curvePoints.size(), 61u);
        for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
            EXPECT_NEAR(c.curvePoints[k].x, reference.x(k * step), 0.01) << points.size() << " points, sample " << k;
            EXPECT_NEAR(c.curvePoints[k].z, reference.z(k * step), 0.01) << points.size() << " points, sample " << k;
        }
    }
}

// Two points make a straight segment sampled evenly; the running parameter passes 1 before a
// 61st sample, so there are 60 and the last stops one step short of the second point.
TEST(OtherPaths, TwoPointsGiveAnEvenlySpacedStraightSegment)
{
    const Math::Vector2 from(-30.0f, 10.0f);
    const Math::Vector2 to(30.0f, 90.0f);
    const PathCharacter c = BuildWith({from, to});
    ASSERT_EQ(c.curvePoints.size(), 60u);
    const glm::vec2 direction = glm::vec2(to.x - from.x, to.y - from.y);
    const float stepLength = glm::length(direction) / 60.0f;
    for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
        const glm::vec2 expected = glm::vec2(from.x, from.y) + direction * (static_cast<float>(k) / 60.0f);
        EXPECT_NEAR(c.curvePoints[k].x, expected.x, 1e-3) << "sample " << k;
        EXPECT_NEAR(c.curvePoints[k].z, expected.y, 1e-3) << "sample " << k;
        if (k > 0) {
            EXPECT_NEAR(c.arcLengths[k] - c.arcLengths[k - 1], stepLength, 1e-3) << "sample " << k;
        }
    }
    EXPECT_NEAR(c.pathLength, 59.0f * stepLength, 1e-2);
}

// Fewer than two points make no path (and say so) instead of reading past the system.
TEST(OtherPaths, FewerThanTwoPointsBuildNothing)
{
    for (const auto& points : {std::vector<Math::Vector2>{}, std::vector<Math::Vector2>{{5, 5}}}) {
        testing::internal::CaptureStderr();
        const PathCharacter c = BuildWith(points);
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(c.curvePoints.empty());
        EXPECT_TRUE(c.arcLengths.empty());
        EXPECT_EQ(c.pathLength, 0.0f);
        EXPECT_NE(message.find("at least 2 control points"), std::string::npos) << message;
    }
}
