// The Run/Walk blend: which clips play in which phase of the lap, the weight from the speed
// factor, the clip clocks and their restart. With the rig's clips the root's x is 10 times Run's
// share of the pose and its y 5 times the blended clip time (CharacterTestSupport.h). No renderer.
#include <limits>

#include "CharacterTestSupport.h"

namespace CharacterTest {
namespace {

class Blending : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto& state : states) character.animationStates.push_back(&state);
        character.playerModel = &model;
        PutOnPath(character, FixedLoopPoints());
        UseRigAssets(character);
    }
    void TearDown() override { Animation::Registry::Clear(); }
    // Blends at travelled fraction t with the given speed factor; returns the root's position.
    glm::vec3 BlendAt(float t, float speedFactor)
    {
        character.speedFactor = speedFactor;
        character.BlendAnimations(t, 0.3f, 0.8f);
        EXPECT_EQ(character.localPoses.size() + character.skinningMatrices.size(), 80u);
        return character.localPoses.empty() ? glm::vec3(0.0f) : ToGlm(character.localPoses[0].translation);
    }

    RenderInterface::AnimationState states[15];
    RenderInterface::AnimationState& run = states[PathCharacter::RunState];
    RenderInterface::AnimationState& walk = states[PathCharacter::WalkState];
    RenderInterface::AnimationModel model;
    PathCharacter character;
};

// Ease-in (t < 0.3): Walk toward Run by the factor, at most fully Run. Cruise (0.3 <= t < 0.8,
// or t not a number): Run alone. Ease-out (t >= 0.8): Run back toward Walk by the speed lost,
// 0.9 Walk at the 0.1 floor. The hand bone follows the blended root.
TEST_F(Blending, RunsShareFollowsThePhaseAndSpeed)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float t, speedFactor, runShare;
    } cases[] = {{0.0f, 0.3f, 0.3f},   {0.1f, 0.75f, 0.75f}, {std::nextafter(0.3f, 0.0f), 1.1415f, 1.0f},
                 {0.3f, 1.0f, 1.0f},   {0.5f, 1.0f, 1.0f},   {nan, 0.1f, 1.0f},
                 {0.8f, 0.99757f, 0.99757f}, {0.99f, 0.1f, 0.1f}, {1.3f, 0.1f, 0.1f}};
    for (const auto& c : cases) {
        const glm::vec3 root = BlendAt(c.t, c.speedFactor);
        EXPECT_NEAR(root.x, RigRunX * c.runShare, 1e-4f) << "t = " << c.t;
        EXPECT_LT(glm::distance(ToGlm(character.boneTransforms[RigHand])[3], RigHandBone(root)[3]), 1e-4f);
    }
}

// Both clocks of a blend advance by DeltaTime times the speed factor; in cruise Walk's stops. A
// clip that runs past its end restarts at 0 in the same frame, before the pose is sampled.
TEST_F(Blending, ClocksAdvanceByDeltaTimeScaledBySpeedAndRestartAtTheEnd)
{
    character.deltaTime = 0.02f;
    EXPECT_NEAR(BlendAt(0.1f, 0.5f).y, RigRiseRate * 0.01f, 1e-6f);
    EXPECT_EQ(walk.GetTime(), 0.02f * 0.5f);
    EXPECT_EQ(run.GetTime(), 0.02f * 0.5f);
    BlendAt(0.5f, 1.0f);
    EXPECT_EQ(walk.GetTime(), 0.02f * 0.5f);
    EXPECT_EQ(run.GetTime(), 0.02f * 0.5f + 0.02f);
    run.SetTime(1.0f - 0.005f);
    EXPECT_NEAR(BlendAt(0.5f, 1.0f).y, 0.0f, 1e-6f);
    EXPECT_EQ(run.GetTime(), 0.0f);
}

}  // namespace
}  // namespace CharacterTest
