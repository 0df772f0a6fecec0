// Fitting the path: the sampled natural spline checked against one fitted independently
// (NaturalSplineReference.h), which also holds the solver to account, its arc lengths, and the
// speed curve against its closed forms.
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "CharacterTestSupport.h"
#include "NaturalSplineReference.h"
#include "character/SpeedProfile.h"

namespace {

PathCharacter BuildWith(const std::vector<Math::Vector2>& points)
{
    PathCharacter character;
    character.BuildPath(points);
    return character;
}

}  // namespace

// The fixed loop gives 61 samples, the first exactly its start, every fifth within 0.01 of its
// control point, all at height 0; every sample lies on the natural spline (so its ends are
// natural) for this and other point counts. Float evaluation drifts by about 0.01 late on.
TEST(PathBuilder, SamplesLieOnTheNaturalSplineThroughTheControlPoints)
{
    const std::vector<std::vector<Math::Vector2>> pointSets = {
        FixedLoopPoints(), {{0, 0}, {50, 80}, {120, -30}}, {{10, -20}, {-40, 35}, {25, 90}, {130, 60}, {160, -10}}};
    for (const auto& points : pointSets) {
        const PathCharacter c = BuildWith(points);
        ASSERT_GE(c.curvePoints.size(), 60u);
        const double step = static_cast<double>(points.size() - 1) / 60.0;
        for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
            EXPECT_NEAR(c.curvePoints[k].x, SplineThrough(points, &Math::Vector2::x)(k * step), 0.02) << k;
            EXPECT_NEAR(c.curvePoints[k].z, SplineThrough(points, &Math::Vector2::y)(k * step), 0.02) << k;
            EXPECT_EQ(c.curvePoints[k].y, 0.0f);
        }
    }
    const PathCharacter loop = BuildWith(FixedLoopPoints());
    ASSERT_EQ(loop.curvePoints.size(), 61u);
    EXPECT_EQ(loop.curvePoints[0], Math::Vector3(-100.0f, 0.0f, 100.0f));
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_NEAR(loop.curvePoints[5 * i].x, FixedLoopPoints()[i].x, 0.01) << i;
        EXPECT_NEAR(loop.curvePoints[5 * i].z, FixedLoopPoints()[i].y, 0.01) << i;
    }
}

// Arc lengths start at 0 and add up the chords; the path length is the last, bit for bit, about 1992.
TEST(PathBuilder, ArcLengthsAddUpTheChords)
{
    const PathCharacter c = BuildWith(FixedLoopPoints());
    ASSERT_EQ(c.arcLengths.size(), c.curvePoints.size());
    EXPECT_EQ(c.arcLengths[0], 0.0f);
    for (std::size_t k = 1; k < c.arcLengths.size(); ++k) {
        const double chord = glm::distance(ToGlm(c.curvePoints[k]), ToGlm(c.curvePoints[k - 1]));
        EXPECT_NEAR(c.arcLengths[k] - c.arcLengths[k - 1], chord, 1e-3) << "sample " << k;
    }
    const float last = c.arcLengths.back();
    EXPECT_EQ(std::memcmp(&c.pathLength, &last, sizeof(float)), 0);
    EXPECT_NEAR(c.pathLength, 1992.0, 1.0);
}

// Two points: a straight, evenly spaced segment of 60 samples (the running parameter passes 1
// before a 61st). Fewer build nothing (CharacterGuards).
TEST(PathBuilder, TwoPointsGiveAStraightEvenSegment)
{
    const glm::vec2 from(-30.0f, 10.0f), to(30.0f, 90.0f);
    const PathCharacter c = BuildWith({{from.x, from.y}, {to.x, to.y}});
    ASSERT_EQ(c.curvePoints.size(), 60u);
    for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
        const glm::vec2 expected = from + (to - from) * (static_cast<float>(k) / 60.0f);
        EXPECT_LT(glm::distance(glm::vec2(c.curvePoints[k].x, c.curvePoints[k].z), expected), 1e-3f) << k;
        EXPECT_NEAR(c.arcLengths[k], k * glm::distance(from, to) / 60.0f, 1e-2) << k;
    }
}

// Ease-in sin(f / 0.3) + 0.3 up to 0.3, cruise 1, ease-out sin((1 - f) / 0.2) x 1.1855067 from 0.8
// with a floor of 0.1 (from about 0.9831 to 1.645), evaluated in double.
TEST(SpeedProfile, FollowsTheEaseInCruiseAndEaseOutCurves)
{
    const struct {
        float f;
        double expected;
    } cases[] = {{0.0f, 0.3},         {std::nextafter(0.3f, 0.0f), 1.141471}, {0.3f, 1.0},
                 {0.8f, 0.9975695},   {0.9f, 0.5683623},                      {0.982f, 0.1065517},
                 {0.984f, 0.1},       {1.64f, 0.1},                           {2.0f, 1.136811},
                 {std::numeric_limits<float>::quiet_NaN(), 0.1}};
    for (const auto& c : cases) {
        EXPECT_NEAR(SpeedProfile(c.f, 0.3f, 0.8f), c.expected, 2e-6) << "f = " << c.f;
    }
}
