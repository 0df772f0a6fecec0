// Turning the heading toward a direction, and reading the axes off a heading. References are
// computed with glm.
#include <gtest/gtest.h>

#include <limits>

#include "CharacterTestSupport.h"
#include "character/Heading.h"

namespace {

void ExpectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

// Axes: right, up and forward are the heading's images of +x, +y and +z.
TEST(HeadingAxes, AreTheRotatedBasisVectors)
{
    const Math::Quaternion heading(0.7f, Math::Vector3(0.3f, 1.0f, -0.2f));
    const Axes axes = AxesOf(heading);
    const glm::quat q = glm::normalize(ToGlm(heading));
    ExpectNear(ToGlm(axes.right), q * glm::vec3(1, 0, 0), 1e-5f);
    ExpectNear(ToGlm(axes.up), q * glm::vec3(0, 1, 0), 1e-5f);
    ExpectNear(ToGlm(axes.forward), q * glm::vec3(0, 0, 1), 1e-5f);
}

TEST(HeadingAxes, OfTheIdentityAreTheWorldAxes)
{
    const Axes axes = AxesOf(Math::Quaternion());
    EXPECT_EQ(axes.right, Math::Vector3(1, 0, 0));
    EXPECT_EQ(axes.up, Math::Vector3(0, 1, 0));
    EXPECT_EQ(axes.forward, Math::Vector3(0, 0, 1));
}

// A turn makes the heading face the direction and, on the ground, keeps the character upright.
TEST(HeadingTurn, FacesTheDirection)
{
    const Math::Quaternion start(0.4f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    for (const Math::Vector3& direction : {Math::Vector3(1, 0, 0), Math::Vector3(-0.6f, 0, 0.8f),
                                           Math::Vector3(0.28f, 0, -0.96f), Math::Vector3(-1, 0, 0)}) {
        const Math::Quaternion turned = TurnToward(start, forward, direction);
        ExpectNear(FacingOf(turned), ToGlm(direction), 1e-5f);
        ExpectNear(glm::normalize(ToGlm(turned)) * glm::vec3(0, 1, 0), glm::vec3(0, 1, 0), 1e-5f);
        EXPECT_NEAR(glm::length(ToGlm(turned)), 1.0f, 1e-6f);
    }
}

// The turn is applied after the current heading (composed on its left), so it also faces the
// direction from a tilted heading, where the order of rotations matters.
TEST(HeadingTurn, FacesTheDirectionFromATiltedHeading)
{
    const Math::Quaternion start = Math::Quaternion(0.5f, Math::Vector3::unit_x) * Math::Quaternion(0.9f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    const Math::Vector3 direction = Math::Normalized(Math::Vector3(-0.3f, 0.4f, 0.8f));
    ExpectNear(FacingOf(TurnToward(start, forward, direction)), ToGlm(direction), 1e-5f);
}

// A direction along or against forward, or none at all, gives no turn axis: the heading stays.
TEST(HeadingTurn, ParallelOppositeOrMissingDirectionKeepsTheHeading)
{
    const Math::Quaternion start(1.1f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Math::Vector3& direction : {forward, -forward, Math::Vector3(0, 0, 0), Math::Vector3(nan, 0, nan)}) {
        const Math::Quaternion turned = TurnToward(start, forward, direction);
        EXPECT_EQ(turned.v, start.v);
        EXPECT_EQ(turned.s, start.s);
    }
}

// Unit vectors whose dot product rounds just past 1 still turn by a finite angle.
TEST(HeadingTurn, CosineJustOutsideItsRangeStaysFinite)
{
    const Math::Vector3 forward(0.0f, 0.0f, 1.00001f);
    const Math::Vector3 direction(0.00002f, 0.0f, 1.0f);
    const Math::Quaternion turned = TurnToward(Math::Quaternion(), forward, direction);
    ASSERT_TRUE(IsFinite(turned));
    ExpectNear(FacingOf(turned), glm::vec3(0, 0, 1), 1e-4f);
}
