// Travel along the sampled loop: the place on the path, the heading, the sample steps and the wrap
// to a new lap. Without renderer or clips, only the path logic runs.
#include <gtest/gtest.h>

#include "CharacterTestSupport.h"

namespace {

class FixedLoop : public testing::Test {
protected:
    void SetUp() override { PutOnPath(character, FixedLoopPoints()); }

    int LastSegment() const { return static_cast<int>(character.curvePoints.size()) - 1; }

    // The point of the sample polyline at arc length d, found independently of the follower.
    glm::vec3 PolylinePointAt(double d) const
    {
        const auto& samples = character.curvePoints;
        for (std::size_t k = 1; k < samples.size(); ++k) {
            const glm::vec3 a = ToGlm(samples[k - 1]);
            const glm::vec3 b = ToGlm(samples[k]);
            const double chord = glm::distance(a, b);
            if (d <= chord || k + 1 == samples.size()) {
                return a + (b - a) * static_cast<float>(d / chord);
            }
            d -= chord;
        }
        return glm::vec3(0.0f);
    }

    PathCharacter character;
};

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
    EXPECT_EQ(steps, LastSegment());
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
    for (int segment = 1; segment < LastSegment(); ++segment) {
        character.FollowPath();
        ASSERT_EQ(character.segment, segment + 1);
        EXPECT_LT(glm::distance(ToGlm(character.position), ToGlm(character.curvePoints[segment])), 1e-3f)
            << "segment " << segment;
    }
    character.FollowPath();
    EXPECT_EQ(character.segment, 1);
    EXPECT_EQ(character.distance, 0.0f);
}
