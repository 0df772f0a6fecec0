// Inputs the fixed loop never produces still leave the character finite and in place: a turn
// with no axis, an empty step between two samples, and no path at all.
#include <gtest/gtest.h>

#include <limits>

#include "CharacterTestSupport.h"
#include "character/Heading.h"

// A direction along or against forward, zero or not a number gives no turn axis: the heading stays.
TEST(CharacterGuards, NoTurnAxisKeepsTheHeading)
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

// Two neighbouring samples in the same place: the empty step is crossed without dividing by zero.
TEST(CharacterGuards, EqualArcLengthsDoNotDivideByZero)
{
    PathCharacter character;
    character.controlPoints = {{0, 0}, {20, 0}};
    character.curvePoints = {{0, 0, 0}, {10, 0, 0}, {10, 0, 0}, {20, 0, 0}};
    character.arcLengths = {0.0f, 10.0f, 10.0f, 20.0f};
    character.pathLength = 20.0f;
    character.PlaceAtPathStart();
    character.speed = 2.0f;
    bool crossed = false;
    for (int frame = 0; frame < 200; ++frame) {
        character.FollowPath();
        ASSERT_TRUE(IsFinite(character.position) && IsFinite(character.orientation)) << "frame " << frame;
        crossed = crossed || character.segment == 3;
    }
    EXPECT_TRUE(crossed);
}

// Fewer than two control points build no path: the character stays where it is, finite.
TEST(CharacterGuards, NoPathKeepsTheCharacterPut)
{
    PathCharacter character;
    testing::internal::CaptureStderr();
    PutOnPath(character, {{40, 40}});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("at least 2 control points"), std::string::npos);
    EXPECT_TRUE(character.curvePoints.empty() && character.arcLengths.empty() && character.pathLength == 0.0f);
    const Math::Vector3 start = character.position;
    for (int frame = 0; frame < 10; ++frame) {
        character.FollowPath();
        EXPECT_EQ(character.position, start);
        EXPECT_EQ(character.distance, 0.0f);
        EXPECT_TRUE(IsFinite(character.orientation));
    }
}
