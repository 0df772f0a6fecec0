// The Run/Walk blend: which clips play in which phase of the lap, the blend weight from the
// speed factor, the clip clocks and their restart. The rig's clips make the root's x equal to
// 10 times Run's share of the pose, and its y 5 times the blended clip time (CharacterRig.h).
#include <limits>

#include <RenderInterface/Animation.h>

#include "CharacterRig.h"

namespace CharacterTest {
namespace {

class Blending : public CharacterScene {
protected:
    void SetUp() override
    {
        CharacterScene::SetUp();
        InitCharacter();
        UseRigAssets();
    }

    RenderInterface::AnimationState& Run() { return *character.animationStates[PathCharacter::RunState]; }
    RenderInterface::AnimationState& Walk() { return *character.animationStates[PathCharacter::WalkState]; }

    // Blends at travelled fraction t with the given speed factor; returns the root's position.
    glm::vec3 BlendAt(float t, float speedFactor)
    {
        character.speedFactor = speedFactor;
        character.BlendAnimations(t, 0.3f, 0.8f);
        EXPECT_EQ(character.localPoses.size(), 40u);
        if (character.localPoses.empty()) {
            return glm::vec3(std::numeric_limits<float>::quiet_NaN());
        }
        const Math::Vector3& root = character.localPoses[0].translation;
        return glm::vec3(root.x, root.y, root.z);
    }
};

// Easing in (t below 0.3): Walk blends toward Run by the speed factor, at most fully Run.
TEST_F(Blending, EaseInWeighsRunByTheSpeedFactor)
{
    EXPECT_NEAR(BlendAt(0.0f, 0.3f).x, 3.0f, 1e-5f);
    EXPECT_NEAR(BlendAt(0.1f, 0.75f).x, 7.5f, 1e-5f);
}

TEST_F(Blending, EaseInWeightIsLimitedToOne)
{
    EXPECT_NEAR(BlendAt(std::nextafter(0.3f, 0.0f), 1.1415f).x, RigRunX, 1e-5f);
}

// Cruise (0.3 up to 0.8, and a fraction that is not a number): Run alone, Walk's clock stops.
TEST_F(Blending, CruisePlaysRunAloneAndStopsWalk)
{
    for (float t : {0.3f, 0.5f, std::nextafter(0.8f, 0.0f), std::numeric_limits<float>::quiet_NaN()}) {
        const float walkTime = Walk().GetTime();
        const float runTime = Run().GetTime();
        EXPECT_NEAR(BlendAt(t, 1.0f).x, RigRunX, 1e-5f) << "t = " << t;
        EXPECT_EQ(Walk().GetTime(), walkTime) << "t = " << t;
        EXPECT_EQ(Run().GetTime(), runTime + 0.007f) << "t = " << t;
    }
}

// Easing out (from 0.8): Run blends back toward Walk as the factor falls; 0.9 Walk at the floor.
TEST_F(Blending, EaseOutWeighsWalkByTheSpeedLost)
{
    EXPECT_NEAR(BlendAt(0.8f, 0.99757f).x, 9.9757f, 1e-4f);
    EXPECT_NEAR(BlendAt(0.99f, 0.1f).x, 1.0f, 1e-5f);
    EXPECT_NEAR(BlendAt(1.3f, 0.1f).x, 1.0f, 1e-5f);
}

// Both clocks of a blend advance by DeltaTime times the speed factor.
TEST_F(Blending, ClocksAdvanceByDeltaTimeScaledBySpeed)
{
    character.deltaTime = 0.02f;
    const glm::vec3 root = BlendAt(0.1f, 0.5f);
    EXPECT_EQ(Walk().GetTime(), 0.02f * 0.5f);
    EXPECT_EQ(Run().GetTime(), 0.02f * 0.5f);
    EXPECT_NEAR(root.y, RigRiseRate * 0.01f, 1e-6f);
}

// A clip that runs past its end restarts at 0 in the same frame, before the pose is sampled.
TEST_F(Blending, ClipPastItsEndRestartsBeforeThePoseIsTaken)
{
    Run().SetTime(RigClipDuration - 0.005f);
    const glm::vec3 root = BlendAt(0.5f, 1.0f);
    EXPECT_EQ(Run().GetTime(), 0.0f);
    EXPECT_NEAR(root.y, 0.0f, 1e-6f);
}

// The pose becomes bone and skinning matrices, one of each per bone.
TEST_F(Blending, PoseBecomesBoneAndSkinningMatrices)
{
    const glm::vec3 root = BlendAt(0.1f, 0.5f);
    ASSERT_EQ(character.boneTransforms.size(), 40u);
    ASSERT_EQ(character.skinningMatrices.size(), 40u);
    const glm::mat4 hand = RigHandBone(root);
    const Math::Matrix4& bone = character.boneTransforms[36];
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_NEAR(bone[row * 4 + column], hand[column][row], 1e-4f) << row << ", " << column;
        }
    }
}

// DeltaTime 0 freezes the clips, while the body still travels along the path.
TEST_F(Blending, DeltaTimeZeroFreezesClipsButNotTravel)
{
    character.deltaTime = 0.0f;
    for (int frame = 0; frame < 20; ++frame) {
        character.FollowPath();
    }
    EXPECT_EQ(Run().GetTime(), 0.0f);
    EXPECT_EQ(Walk().GetTime(), 0.0f);
    EXPECT_GT(character.distance, 5.0f);
}

// A skeleton nobody registered yields an empty pose instead of a crash.
TEST_F(Blending, UnknownSkeletonGivesAnEmptyPose)
{
    character.playerModel->SetSkeleton("NoSuchSkeleton");
    character.speedFactor = 0.3f;
    character.BlendAnimations(0.0f, 0.3f, 0.8f);
    EXPECT_TRUE(character.localPoses.empty());
    EXPECT_TRUE(character.boneTransforms.empty());
    EXPECT_TRUE(character.skinningMatrices.empty());
}

}  // namespace
}  // namespace CharacterTest
