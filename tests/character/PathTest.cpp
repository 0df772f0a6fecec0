// Fitting the path: the sampled natural spline checked against one fitted independently
// (NaturalSplineReference.h), which also holds the solver to account, its arc lengths, and the
// speed curve against its closed forms.
#include <limits>

#include "CharacterTestSupport.h"
#include "NaturalSplineReference.h"
#include "character/SpeedProfile.h"

using namespace CharacterTest;

// Every sample lies on the natural spline (so its ends are natural) for the fixed loop and other
// point counts, two points giving a straight, evenly spaced segment of 60 (the running parameter
// passes 1 before a 61st), all at height 0; the arc lengths start at 0 and add up the chords, and
// the path length is the last, bit for bit. Float evaluation drifts by about 0.01 late on. The
// loop's 61 samples start exactly at its start.
TEST(PathBuilder, SamplesLieOnTheNaturalSplineAndArcLengthsAddUpTheChords)
{
    const std::vector<std::vector<Math::Vector2>> pointSets = {FixedLoopPoints(), {{-30, 10}, {30, 90}},
        {{0, 0}, {50, 80}, {120, -30}}, {{10, -20}, {-40, 35}, {25, 90}, {130, 60}, {160, -10}}};
    for (const auto& points : pointSets) {
        const PathCharacter c = OnPath(points);
        ASSERT_GE(c.curvePoints.size(), 60u);
        ASSERT_EQ(c.arcLengths.size(), c.curvePoints.size());
        EXPECT_EQ(c.arcLengths[0], 0.0f);
        const double step = static_cast<double>(points.size() - 1) / 60.0;
        std::vector<double> xs, zs;
        for (const Math::Vector2& p : points) {
            xs.push_back(p.x);
            zs.push_back(p.y);
        }
        const NaturalSplineReference x(xs), z(zs);
        for (std::size_t k = 0; k < c.curvePoints.size(); ++k) {
            EXPECT_NEAR(c.curvePoints[k].x, x(k * step), 0.02) << k;
            EXPECT_NEAR(c.curvePoints[k].z, z(k * step), 0.02) << k;
            EXPECT_EQ(c.curvePoints[k].y, 0.0f);
            const double chord = k ? glm::distance(ToGlm(c.curvePoints[k]), ToGlm(c.curvePoints[k - 1])) : 0.0;
            EXPECT_NEAR(c.arcLengths[k] - (k ? c.arcLengths[k - 1] : 0.0f), chord, 1e-3) << "sample " << k;
        }
        EXPECT_EQ(c.pathLength, c.arcLengths.back());
    }
    const PathCharacter loop = OnPath(FixedLoopPoints());
    ASSERT_EQ(loop.curvePoints.size(), 61u);
    EXPECT_EQ(OnPath({{-30, 10}, {30, 90}}).curvePoints.size(), 60u);
    EXPECT_EQ(loop.curvePoints[0], Math::Vector3(-100.0f, 0.0f, 100.0f));
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
