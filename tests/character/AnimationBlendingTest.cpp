// The Run/Walk blend: which clips play in which phase of the lap, the weight from the speed
// factor, the clip clocks and their restart. No renderer: a one-bone rig registered straight into
// the animation runtime, whose Walk puts the root at (0, 5 t, 0) at clip time t in [0, 1] and Run
// at (10, 5 t, 0). So the root's x is 10 times Run's share of the pose and its y 5 times the
// blended clip time.
#include <limits>
#include <string>
#include <tuple>

#include <Animation/Registry.h>
#include <RenderInterface/Animation.h>

#include "CharacterTestSupport.h"
#include "character/Selectors.h"

namespace CharacterTest {
namespace {

constexpr float RigRunX = 10.0f;
constexpr float RigRiseRate = 5.0f;

class Blending : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto& state : states) character.animationStates.push_back(&state);
        character.playerModel = &model;
        std::string error;
        const Assets::SkeletonData rig{{{"root", -1, {}, {}}}};
        ASSERT_TRUE(Animation::Registry::AddSkeleton("Rig", rig, error)) << error;
        model.SetSkeleton("Rig");
        for (const auto& [name, x, state] : {std::tuple{"RigWalk", 0.0f, &walk}, {"RigRun", RigRunX, &run}}) {
            Assets::AnimationData clip{1.0f, {{0, {}, {}, {}}}};
            clip.tracks[0].translations = {{0.0f, Math::Vector3(x, 0, 0)}, {1.0f, Math::Vector3(x, RigRiseRate, 0)}};
            ASSERT_TRUE(Animation::Registry::AddClip(name, clip, error)) << error;
            state->SetAnimationName(name);
        }
    }
    void TearDown() override { Animation::Registry::Clear(); }
    // Blends at travelled fraction t with the given speed factor; returns the root's position.
    glm::vec3 BlendAt(float t, float speedFactor)
    {
        character.speedFactor = speedFactor;
        character.BlendAnimations(t, 0.3f, 0.8f);
        return ToGlm(character.localPoses.at(0).translation);
    }

    RenderInterface::AnimationState states[ClipCount];
    RenderInterface::AnimationState& run = states[PathCharacter::RunState];
    RenderInterface::AnimationState& walk = states[PathCharacter::WalkState];
    RenderInterface::AnimationModel model;
    PathCharacter character;
};

// Ease-in (t < 0.3): Walk toward Run by the factor, at most fully Run. Cruise (0.3 <= t < 0.8,
// or t not a number): Run alone. Ease-out (t >= 0.8): Run back toward Walk by the speed lost,
// 0.9 Walk at the 0.1 floor.
TEST_F(Blending, RunsShareFollowsThePhaseAndSpeed)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float t, speedFactor, runShare;
    } cases[] = {{0.0f, 0.3f, 0.3f},   {0.1f, 0.75f, 0.75f}, {std::nextafter(0.3f, 0.0f), 1.1415f, 1.0f},
                 {0.3f, 1.0f, 1.0f},   {0.5f, 1.0f, 1.0f},   {nan, 0.1f, 1.0f},
                 {0.8f, 0.99757f, 0.99757f}, {0.99f, 0.1f, 0.1f}, {1.3f, 0.1f, 0.1f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(BlendAt(c.t, c.speedFactor).x, RigRunX * c.runShare, 1e-4f) << "t = " << c.t;
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
