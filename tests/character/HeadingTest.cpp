// Turning the heading toward a direction, and reading its axes, against glm.
#include <gtest/gtest.h>

#include <limits>

#include "CharacterTestSupport.h"
#include "character/Heading.h"

namespace {

void ExpectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f)
{
    EXPECT_LT(glm::distance(actual, expected), tolerance) << actual.x << ", " << actual.y << ", " << actual.z;
}

}  // namespace

// Right, up and forward are the heading's images of +x, +y and +z.
TEST(Heading, AxesAreTheRotatedBasisVectors)
{
    const Math::Quaternion heading(0.7f, Math::Vector3(0.3f, 1.0f, -0.2f));
    const Axes axes = AxesOf(heading);
    const glm::quat q = glm::normalize(ToGlm(heading));
    ExpectNear(ToGlm(axes.right), q * glm::vec3(1, 0, 0));
    ExpectNear(ToGlm(axes.up), q * glm::vec3(0, 1, 0));
    ExpectNear(ToGlm(axes.forward), q * glm::vec3(0, 0, 1));
}

// The turn is composed after the current heading, so it faces the direction from any heading,
// including a tilted one where the order of rotations matters; on the ground it stays upright.
TEST(Heading, TurnFacesTheDirection)
{
    const Math::Quaternion flat(0.4f, Math::Vector3::unit_y);
    for (const Math::Vector3& direction : {Math::Vector3(1, 0, 0), Math::Vector3(-0.6f, 0, 0.8f),
                                           Math::Vector3(0.28f, 0, -0.96f)}) {
        const Math::Quaternion turned = TurnToward(flat, AxesOf(flat).forward, direction);
        ExpectNear(FacingOf(turned), ToGlm(direction));
        ExpectNear(glm::normalize(ToGlm(turned)) * glm::vec3(0, 1, 0), glm::vec3(0, 1, 0));
    }
    const Math::Quaternion tilted =
        Math::Quaternion(0.5f, Math::Vector3::unit_x) * Math::Quaternion(0.9f, Math::Vector3::unit_y);
    const Math::Vector3 direction = Math::Normalized(Math::Vector3(-0.3f, 0.4f, 0.8f));
    ExpectNear(FacingOf(TurnToward(tilted, AxesOf(tilted).forward, direction)), ToGlm(direction));
}

// A direction along or against forward, zero or not a number gives no turn axis: the heading
// stays as it is.
TEST(Heading, NoTurnAxisKeepsTheHeading)
{
    const Math::Quaternion start(1.1f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Math::Vector3& direction : {forward, -forward, Math::Vector3(), Math::Vector3(nan, 0, nan)}) {
        const Math::Quaternion turned = TurnToward(start, forward, direction);
        EXPECT_EQ(turned.v, start.v);
        EXPECT_EQ(turned.s, start.s);
    }
}

// Vectors whose dot product rounds just past 1 still give a finite (zero) turn.
TEST(Heading, CosineJustPastOneStaysFinite)
{
    const Math::Quaternion turned =
        TurnToward(Math::Quaternion(), Math::Vector3(0.0f, 0.0f, 1.00001f), Math::Vector3(0.00002f, 0.0f, 1.0f));
    ASSERT_TRUE(IsFinite(turned));
    ExpectNear(FacingOf(turned), glm::vec3(0, 0, 1), 1e-4f);
}
