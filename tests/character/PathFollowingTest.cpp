// Travel along the sampled loop: the place on the path, the heading, the sample steps and the wrap
// to a new lap; and inputs the fixed loop never produces (an empty step between two samples, a
// step with no turn axis, no path at all), which leave the character finite and in place. Without
// renderer or clips, only the path logic runs.
#include <cmath>

#include "CharacterTestSupport.h"
#include "character/Heading.h"

using namespace CharacterTest;

namespace {

// The point of the sample polyline at arc length d, found independently of the follower.
glm::vec3 PolylinePointAt(const std::vector<Math::Vector3>& samples, double d)
{
    std::size_t k = 1;
    const auto Chord = [&] { return glm::distance(ToGlm(samples[k - 1]), ToGlm(samples[k])); };
    for (; d > Chord() && k + 1 < samples.size(); ++k) d -= Chord();
    return glm::mix(ToGlm(samples[k - 1]), ToGlm(samples[k]), float(d / Chord()));
}

}  // namespace

// Over a lap at walking speed, and at 300 where a frame passes several samples: between samples
// the character is `distance` along the polyline of samples; a frame that reaches a sample takes
// one step only, stands on that sample (never beyond it) and aims at the next; it stays upright.
// The lap ends after one step per sample on segment 1 at distance 0, at the loop's start, and the
// next frame eases in again.
TEST(FixedLoop, WalksALapOneSampleStepAtATimeAtAnySpeed)
{
    for (const float speed : {1.0f, 300.0f}) {
        PathCharacter character = OnPath(FixedLoopPoints());
        const std::vector<Math::Vector3>& samples = character.curvePoints;
        character.speed = speed;
        int frames = 0, steps = 0;
        for (; frames < 10000 && !(steps > 0 && character.segment == 1); ++frames) {
            const int ahead = character.segment;
            character.FollowPath();
            ASSERT_NEAR(character.up.y, 1.0f, 1e-4f) << "frame " << frames;
            if (character.segment == ahead) {
                EXPECT_LT(glm::distance(ToGlm(character.position), PolylinePointAt(samples, character.distance)), 2e-3f);
                continue;
            }
            ++steps;
            ASSERT_EQ(character.segment, ahead + 1 == int(samples.size()) ? 1 : ahead + 1);
            EXPECT_LT(glm::distance(ToGlm(character.position), ToGlm(samples[ahead])), 1e-3f) << "step " << steps;
            const glm::vec3 towardNext = glm::normalize(ToGlm(samples[character.segment]) - ToGlm(character.position));
            EXPECT_LT(glm::distance(FacingOf(character.targetOrientation), towardNext), 1e-4f) << "step " << steps;
        }
        EXPECT_EQ(steps + 1, int(samples.size()));
        EXPECT_TRUE(speed < 300.0f || frames == steps) << "a fast frame took no step";
        EXPECT_EQ(character.distance, 0.0f);
        EXPECT_LT(glm::distance(ToGlm(character.position), ToGlm(samples[0])), 0.5f);
        character.FollowPath();
        EXPECT_EQ(character.speedFactor, 0.3f);
    }
}

// Neighbouring samples in the same place: an empty step is crossed without dividing by zero, even
// by a character standing still on it (0 / 0). A direction along or against forward, zero or not a
// number gives no turn axis: the heading stays as it is (the steps here run along and against
// forward). Fewer than two control points build no path: the character stays where it is.
TEST(CharacterGuards, EmptyOrStraightStepsKeepTheHeadingAndNoPathKeepsThePlace)
{
    PathCharacter character;
    character.curvePoints = {{0, 0, 0}, {0, 0, 0}, {0, 0, 10}, {0, 0, 10}, {0, 0, 0}};
    character.arcLengths = {0.0f, 0.0f, 10.0f, 10.0f, 20.0f};
    character.pathLength = 20.0f;
    character.PlaceAtPathStart();
    bool crossed = false;
    for (int frame = 0; frame < 200; ++frame) {
        character.speed = frame == 0 ? 0.0f : 2.0f;
        character.FollowPath();
        const Math::Vector3& p = character.position;
        ASSERT_TRUE(p.x == 0.0f && p.y == 0.0f && p.z >= 0.0f && p.z <= 10.0f) << "frame " << frame;
        ASSERT_LT(glm::distance(FacingOf(character.orientation), glm::vec3(0, 0, 1)), 1e-6f) << "frame " << frame;
        crossed = crossed || character.segment == 4;
    }
    EXPECT_TRUE(crossed);
    const Math::Quaternion start(1.1f, Math::Vector3::unit_y);
    const Math::Vector3 forward = AxesOf(start).forward;
    for (const Math::Vector3& direction : {forward, -forward, Math::Vector3(), Math::Vector3(NAN, 0, NAN)}) {
        const Math::Quaternion kept = TurnToward(start, forward, direction);
        EXPECT_TRUE(kept.v == start.v && kept.s == start.s);
    }

    testing::internal::CaptureStderr();
    PathCharacter unplaced = OnPath({{40, 40}});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("at least 2 control points"), std::string::npos);
    EXPECT_TRUE(unplaced.curvePoints.empty() && unplaced.arcLengths.empty() && unplaced.pathLength == 0.0f);
    for (int frame = 0; frame < 10; ++frame) {
        unplaced.FollowPath();
        EXPECT_TRUE(unplaced.position == Math::Vector3() && unplaced.distance == 0.0f);
    }
}
