// The speed curve over a lap, with the settings the character uses (ease-in ends at 0.3,
// ease-out starts at 0.8). Expected values come from the closed forms, evaluated in double.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "character/SpeedProfile.h"

namespace {

constexpr float In = 0.3f;
constexpr float Out = 0.8f;

float Profile(float f)
{
    return SpeedProfile(f, In, Out);
}

double EaseOutSine(double f)
{
    return std::sin((1.0 - f) / 0.2) * 1.1855067;
}

}  // namespace

// Easing in: from exactly 0.3 at the start up to sin(1) + 0.3 just before cruise.
TEST(SpeedProfile, EasesInFromThePointThreeStartValue)
{
    EXPECT_EQ(Profile(0.0f), 0.3f);
    EXPECT_NEAR(Profile(0.15f), std::sin(0.5) + 0.3, 1e-6);
    const float justBelow = std::nextafter(In, 0.0f);
    EXPECT_NEAR(Profile(justBelow), std::sin(1.0) + 0.3, 1e-5);
    EXPECT_NEAR(Profile(justBelow), 1.1415, 1e-4);
}

TEST(SpeedProfile, CruisesAtOneFromTheEaseInEndUpToTheEaseOutStart)
{
    EXPECT_EQ(Profile(In), 1.0f);
    EXPECT_EQ(Profile(0.5f), 1.0f);
    EXPECT_EQ(Profile(std::nextafter(Out, 0.0f)), 1.0f);
}

// Easing out: just under 1 at 0.8, down to the 0.1 floor near the end of the lap and held there
// while the character runs past the end.
TEST(SpeedProfile, EasesOutToTheFloor)
{
    EXPECT_NEAR(Profile(Out), EaseOutSine(0.8), 1e-5);
    EXPECT_NEAR(Profile(Out), 0.99757, 1e-5);
    EXPECT_NEAR(Profile(0.9f), EaseOutSine(0.9), 1e-5);
    // The sine meets the floor at f = 1 - 0.2 asin(0.1 / 1.1855067), about 0.9831.
    const double floorStart = 1.0 - 0.2 * std::asin(0.1 / 1.1855067);
    EXPECT_NEAR(floorStart, 0.9831, 1e-4);
    EXPECT_GT(Profile(static_cast<float>(floorStart - 1e-3)), 0.1f);
    for (float f : {0.985f, 0.99f, 1.0f, 1.2f, 1.5f, 1.64f}) {
        EXPECT_EQ(Profile(f), 0.1f) << "f = " << f;
    }
}

// Beyond the floor the same sine applies unchanged, so the factor rises again.
TEST(SpeedProfile, BeyondTheFloorTheSineRisesAgain)
{
    // The sine leaves the floor again at f = 1 + 0.2 (pi + asin(0.1 / 1.1855067)), about 1.645.
    const double floorEnd = 1.0 + 0.2 * (M_PI + std::asin(0.1 / 1.1855067));
    EXPECT_NEAR(floorEnd, 1.645, 1e-3);
    EXPECT_GT(Profile(static_cast<float>(floorEnd + 1e-3)), 0.1f);
    EXPECT_NEAR(Profile(2.0f), EaseOutSine(2.0), 1e-5);
    EXPECT_NEAR(Profile(2.0f), 1.1368, 1e-4);
}

TEST(SpeedProfile, FractionThatIsNotANumberGivesTheFloor)
{
    EXPECT_EQ(Profile(std::numeric_limits<float>::quiet_NaN()), 0.1f);
}
