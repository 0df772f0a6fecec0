// The speed curve over a lap with the character's settings (ease-in ends at 0.3, ease-out starts
// at 0.8), against its closed forms evaluated in double.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "character/SpeedProfile.h"

namespace {

double EaseIn(double f) { return std::sin(f / 0.3) + 0.3; }
double EaseOut(double f) { return std::max(std::sin((1.0 - f) / 0.2) * 1.1855067, 0.1); }

}  // namespace

TEST(SpeedProfile, FollowsTheEaseInCruiseAndEaseOutCurves)
{
    const struct {
        float f;
        double expected;
    } cases[] = {
        {0.0f, 0.3},                              // the lap starts at 0.3
        {0.15f, EaseIn(0.15)},
        {std::nextafter(0.3f, 0.0f), 1.141471},   // sin(1) + 0.3 just before cruise
        {0.3f, 1.0},
        {std::nextafter(0.8f, 0.0f), 1.0},
        {0.8f, 0.9975695},                        // sin(1) x 1.1855067
        {0.9f, EaseOut(0.9)},
        {0.982f, EaseOut(0.982)},                 // just above the floor, which starts near 0.9831 ...
        {0.984f, 0.1},
        {1.3f, 0.1},
        {1.64f, 0.1},                             // ... and ends near 1.645
        {1.65f, EaseOut(1.65)},
        {2.0f, 1.136811},                         // beyond it the sine rises again
        {std::numeric_limits<float>::quiet_NaN(), 0.1},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(SpeedProfile(c.f, 0.3f, 0.8f), c.expected, 2e-6) << "f = " << c.f;
    }
    EXPECT_EQ(SpeedProfile(0.0f, 0.3f, 0.8f), 0.3f);
}
