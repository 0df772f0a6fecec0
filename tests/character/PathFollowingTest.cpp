// Travel along the sampled loop: the place on the path, the heading, the sample steps and the wrap
// to a new lap; and inputs the fixed loop never produces (a turn with no axis, an empty step
// between two samples, no path at all), which leave the character finite and in place. Without
// renderer or clips, only the path logic runs.
#include <cmath>
#include <limits>

#include "CharacterTestSupport.h"
#include "character/Heading.h"

using namespace CharacterTest;

namespace {

class FixedLoop : public testing::Test {
protected:
    void SetUp() override { PutOnPath(character, FixedLoopPoints()); }

    // The point of the sample polyline at arc length d, found independently of the follower.
    glm::vec3 PolylinePointAt(double d) const
    {
        std::size_t k = 1;
        const auto Chord = [&] { return glm::distance(ToGlm(character.curvePoints[k - 1]), ToGlm(character.curvePoints[k])); };
        for (; d > Chord() && k + 1 < character.curvePoints.size(); ++k) d -= Chord();
        return glm::mix(ToGlm(character.curvePoints[k - 1]), ToGlm(character.curvePoints[k]), float(d / Chord()));
    }

    PathCharacter character;
};

bool IsFinite(const PathCharacter& c)
{
    return std::isfinite(c.position.x + c.position.y + c.position.z + c.orientation.s + c.orientation.v.x +
                         c.orientation.v.y + c.orientation.v.z);
}

}  // namespace

// Over a lap at walking speed the character is always `distance` along the polyline of samples,
// stays upright, and aims each new step at its end; the lap ends on segment 1 at distance 0, at
// the loop's start, and the next frame eases in again.
TEST_F(FixedLoop, WalksALapOnThePathAndStartsTheNext)
{
    int steps = 0;
    for (int frame = 0; frame < 10000 && !(steps > 0 && character.segment == 1); ++frame) {
        const int segmentBefore = character.segment;
        character.FollowPath();
        ASSERT_NEAR(character.up.y, 1.0f, 1e-4f) << "frame " << frame;
        if (character.segment == segmentBefore) {
            EXPECT_LT(glm::distance(ToGlm(character.position), PolylinePointAt(character.distance)), 2e-3f);
            continue;
        }
        ++steps;
        const glm::vec3 towardNext =
            glm::normalize(ToGlm(character.curvePoints[character.segment]) - ToGlm(character.position));
        EXPECT_LT(glm::distance(FacingOf(character.targetOrientation), towardNext), 1e-4f) << "step " << steps;
    }
    EXPECT_EQ(steps + 1, int(character.curvePoints.size()));
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
    EXPECT_LT(glm::distance(ToGlm(character.position), ToGlm(character.curvePoints[0])), 0.5f);
    character.FollowPath();
    EXPECT_EQ(character.speedFactor, 0.3f);
}

// At speed 300 a frame passes several samples, but one step is taken per frame (a lap of one
// frame per step) and the character stands on the sample it was heading for, never beyond it.
TEST_F(FixedLoop, FastCharacterStepsOneSamplePerFrameStayingOnThePath)
{
    character.speed = 300.0f;
    for (int segment = 1; segment + 1 < int(character.curvePoints.size()); ++segment) {
        character.FollowPath();
        ASSERT_EQ(character.segment, segment + 1);
        EXPECT_LT(glm::distance(ToGlm(character.position), ToGlm(character.curvePoints[segment])), 1e-3f)
            << "segment " << segment;
    }
    character.FollowPath();
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
}

// A direction along or against forward, zero or not a number gives no turn axis: the heading stays.
TEST(CharacterGuards, NoTurnAxisKeepsTheHeading)
{
    const Math::Quaternion start(1.1f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Math::Vector3& direction : {forward, -forward, Math::Vector3(), Math::Vector3(nan, 0, nan)}) {
        const Math::Quaternion turned = TurnToward(start, forward, direction);
        EXPECT_TRUE(turned.v == start.v && turned.s == start.s);
    }
}

// Neighbouring samples in the same place: an empty step is crossed without dividing by zero, even
// by a character standing still on it (0 / 0). Fewer than two control points build no path: the
// character stays where it is, finite.
TEST(CharacterGuards, EmptyStepsAndNoPathKeepTheCharacterFinite)
{
    PathCharacter character;
    character.controlPoints = {{0, 0}, {20, 0}};
    character.curvePoints = {{0, 0, 0}, {0, 0, 0}, {10, 0, 0}, {10, 0, 0}, {20, 0, 0}};
    character.arcLengths = {0.0f, 0.0f, 10.0f, 10.0f, 20.0f};
    character.pathLength = 20.0f;
    character.PlaceAtPathStart();
    bool crossed = false;
    for (int frame = 0; frame < 200; ++frame) {
        character.speed = frame == 0 ? 0.0f : 2.0f;
        character.FollowPath();
        ASSERT_TRUE(IsFinite(character)) << "frame " << frame;
        crossed = crossed || character.segment == 4;
    }
    EXPECT_TRUE(crossed);

    PathCharacter unplaced;
    testing::internal::CaptureStderr();
    PutOnPath(unplaced, {{40, 40}});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("at least 2 control points"), std::string::npos);
    EXPECT_TRUE(unplaced.curvePoints.empty() && unplaced.arcLengths.empty() && unplaced.pathLength == 0.0f);
    const Math::Vector3 start = unplaced.position;
    for (int frame = 0; frame < 10; ++frame) {
        unplaced.FollowPath();
        EXPECT_TRUE(unplaced.position == start && unplaced.distance == 0.0f && IsFinite(unplaced));
    }
}
