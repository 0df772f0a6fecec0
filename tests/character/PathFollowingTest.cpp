// Travel along the sampled loop: the eased advance, the place on the path, the heading, the
// sample steps and the wrap to a new lap. These characters have no renderer or clips, so only
// the path logic runs.
#include <gtest/gtest.h>

#include <limits>

#include "CharacterTestSupport.h"

namespace {

class FixedLoop : public testing::Test {
protected:
    void SetUp() override { PutOnPath(character, FixedLoopPoints()); }

    int SampleCount() const { return static_cast<int>(character.curvePoints.size()); }

    // The point of the sample polyline at arc length d, found independently of the follower.
    glm::vec3 PolylinePointAt(double d) const
    {
        const auto& samples = character.curvePoints;
        double start = 0.0;
        for (std::size_t k = 1; k < samples.size(); ++k) {
            const glm::vec3 a = ToGlm(samples[k - 1]);
            const glm::vec3 b = ToGlm(samples[k]);
            const double chord = glm::distance(a, b);
            if (d <= start + chord || k + 1 == samples.size()) {
                return a + (b - a) * static_cast<float>((d - start) / chord);
            }
            start += chord;
        }
        return ToGlm(samples.back());
    }

    PathCharacter character;
};

void ExpectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

// The start of a lap: on the first sample, heading unturned, aiming at the second sample.
TEST_F(FixedLoop, StartsOnTheFirstSampleAimingAtTheSecond)
{
    EXPECT_EQ(character.position, character.curvePoints[0]);
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
    EXPECT_EQ(character.orientation.s, 1.0f);
    EXPECT_EQ(character.forward, Math::Vector3(0, 0, 1));
    const glm::vec3 towardSecond =
        glm::normalize(ToGlm(character.curvePoints[1]) - ToGlm(character.curvePoints[0]));
    ExpectNear(FacingOf(character.targetOrientation), towardSecond, 1e-5f);
}

// Advance per frame: speed times the eased factor, which is 0.3 on the first frame of a lap.
TEST_F(FixedLoop, FirstFrameMovesPointThreeTimesTheSpeed)
{
    character.speed = 2.0f;
    character.FollowPath();
    EXPECT_EQ(character.speedFactor, 0.3f);
    EXPECT_EQ(character.distance, 0.6f);
}

TEST_F(FixedLoop, SpeedZeroMovesNothing)
{
    character.speed = 0.0f;
    character.FollowPath();
    const Math::Vector3 position = character.position;
    const Math::Quaternion heading = character.orientation;
    for (int frame = 0; frame < 10; ++frame) {
        character.speedFactor = -1.0f;
        character.FollowPath();
        EXPECT_EQ(character.speedFactor, 0.3f);
        EXPECT_EQ(character.distance, 0.0f);
        EXPECT_EQ(character.position, position);
        EXPECT_EQ(character.orientation.v, heading.v);
        EXPECT_EQ(character.orientation.s, heading.s);
        EXPECT_EQ(character.segment, 1);
    }
}

// At walking speed the character is always `distance` along the polyline of samples, and it
// turns only about the vertical, facing each new step as it reaches it.
TEST_F(FixedLoop, StaysOnThePathAndUprightOverALap)
{
    int steps = 0;
    for (int frame = 0; frame < 10000; ++frame) {
        const int segmentBefore = character.segment;
        character.FollowPath();
        ASSERT_NEAR(character.up.y, 1.0f, 1e-4f) << "frame " << frame;
        if (character.segment == segmentBefore) {
            ExpectNear(ToGlm(character.position), PolylinePointAt(character.distance), 2e-3f);
            continue;
        }
        ++steps;
        if (character.segment == 1) {
            break;  // lap complete
        }
        const glm::vec3 towardNext =
            glm::normalize(ToGlm(character.curvePoints[character.segment]) - ToGlm(character.position));
        ExpectNear(FacingOf(character.targetOrientation), towardNext, 1e-4f);
    }
    EXPECT_EQ(steps, SampleCount() - 1);
    EXPECT_EQ(character.distance, 0.0f);
}

// A full lap ends on segment 1 at distance 0, and the next frame starts easing in again.
TEST_F(FixedLoop, LapWrapsToTheFirstStep)
{
    int previousSegment = character.segment;
    for (int frame = 0; frame < 10000 && !(previousSegment == SampleCount() - 1 && character.segment == 1);
         ++frame) {
        previousSegment = character.segment;
        character.FollowPath();
    }
    ASSERT_EQ(previousSegment, SampleCount() - 1);
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
    // The last step ends at the loop's start, and the new target faces along the first step.
    ExpectNear(ToGlm(character.position), ToGlm(character.curvePoints[0]), 0.5f);
    const glm::vec3 towardSecond =
        glm::normalize(ToGlm(character.curvePoints[1]) - ToGlm(character.position));
    ExpectNear(FacingOf(character.targetOrientation), towardSecond, 1e-4f);
    character.FollowPath();
    EXPECT_EQ(character.speedFactor, 0.3f);
}

// Very fast: a frame passes several samples, but only one step is taken per frame while the
// character runs ahead along the extension of its current step.
TEST_F(FixedLoop, FastCharacterStepsOneSamplePerFrameRunningAhead)
{
    character.speed = 300.0f;
    for (int frame = 1; frame < SampleCount() - 1; ++frame) {
        const int segmentBefore = character.segment;
        const glm::vec3 from = ToGlm(character.curvePoints[segmentBefore - 1]);
        const glm::vec3 to = ToGlm(character.curvePoints[segmentBefore]);
        character.FollowPath();
        ASSERT_EQ(character.segment, segmentBefore + 1) << "frame " << frame;
        // Beyond the end of the step it was on, on the line through that step.
        const glm::vec3 chord = to - from;
        const glm::vec3 travelled = ToGlm(character.position) - from;
        EXPECT_GT(glm::dot(travelled, chord), glm::dot(chord, chord)) << "frame " << frame;
        EXPECT_LT(glm::length(glm::cross(glm::normalize(travelled), glm::normalize(chord))), 1e-4f);
    }
    character.FollowPath();
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
}

// Many laps at the slowest and fastest settings: everything stays finite and in range.
TEST_F(FixedLoop, HundredLapsStayFiniteAndInRange)
{
    for (float speed : {1.0f, 300.0f}) {
        character = PathCharacter();
        PutOnPath(character, FixedLoopPoints());
        character.speed = speed;
        int laps = 0;
        for (long frame = 0; laps < 100 && frame < 1000000; ++frame) {
            const int segmentBefore = character.segment;
            character.FollowPath();
            if (segmentBefore != 1 && character.segment == 1) {
                ++laps;
            }
            ASSERT_GE(character.segment, 1);
            ASSERT_LE(character.segment, SampleCount() - 1);
            ASSERT_TRUE(IsFinite(character.position)) << "speed " << speed << ", frame " << frame;
            ASSERT_TRUE(IsFinite(character.orientation)) << "speed " << speed << ", frame " << frame;
            ASSERT_TRUE(std::isfinite(character.distance) && std::isfinite(character.speedFactor));
        }
        EXPECT_EQ(laps, 100) << "speed " << speed;
    }
}

// Two neighbouring samples at the same place have equal arc lengths: the empty step is crossed
// without dividing by zero.
TEST(PathFollowingEdges, EqualArcLengthsDoNotDivideByZero)
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
        ASSERT_TRUE(IsFinite(character.position)) << "frame " << frame;
        ASSERT_TRUE(IsFinite(character.orientation)) << "frame " << frame;
        crossed = crossed || character.segment == 3;
    }
    EXPECT_TRUE(crossed);
}

// Without a path the character stays where it is, and nothing becomes NaN.
TEST(PathFollowingEdges, NoPathKeepsTheCharacterPut)
{
    PathCharacter character;
    testing::internal::CaptureStderr();
    PutOnPath(character, {{40, 40}});
    testing::internal::GetCapturedStderr();
    const Math::Vector3 start = character.position;
    for (int frame = 0; frame < 10; ++frame) {
        character.FollowPath();
        EXPECT_EQ(character.position, start);
        EXPECT_EQ(character.distance, 0.0f);
        EXPECT_TRUE(IsFinite(character.orientation));
        EXPECT_EQ(character.speedFactor, 0.1f);
    }
}
