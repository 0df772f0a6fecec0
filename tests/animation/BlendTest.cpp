// Blending two clips per bone: weight 0 gives the first clip's pose, weight 1 the second's,
// in between translation and scale are linear and rotation follows the shorter arc.
#include "AnimationTestSupport.h"

using namespace AnimationTest;

namespace {

// Walk and Run each move bone 0 and turn and scale bone 1, with different keys.
class Blend : public AnimationFixture {
protected:
    void Register(const glm::quat& walkTurn, const glm::quat& runTurn) {
        RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}}));
        RegisterClip("Walk", Clip(Math::Vector3(2, 0, 0), walkTurn, Math::Vector3(1, 1, 1)));
        RegisterClip("Run", Clip(Math::Vector3(0, 0, 6), runTurn, Math::Vector3(3, 3, 3)));
    }

    static Assets::AnimationData Clip(const Math::Vector3& move, const glm::quat& turn, const Math::Vector3& scale) {
        Assets::BoneTrack root;
        root.bone = 0;
        root.translations = {{0.0f, Math::Vector3(0, 0, 0)}, {1.0f, move}};
        Assets::BoneTrack child;
        child.bone = 1;
        child.rotations = {{0.0f, FromGlm(turn)}};
        child.scales = {{0.0f, scale}};
        return MakeClip(1.0f, {root, child});
    }

    static std::vector<Math::VQS> Blended(float weight, float walkTime = 1.0f, float runTime = 1.0f) {
        const RenderInterface::AnimationState walk = State("Walk", walkTime);
        const RenderInterface::AnimationState run = State("Run", runTime);
        std::vector<Math::VQS> poses;
        RenderInterface::AnimationController::LerpBlend1D("Body", weight, &walk, &run, poses);
        EXPECT_EQ(poses.size(), 2u);
        poses.resize(2);
        return poses;
    }
};

}  // namespace

TEST_F(Blend, WeightsZeroHalfAndOne) {
    const glm::quat walkTurn = AxisAngle(0.4f, {1, 0, 0});
    const glm::quat runTurn = AxisAngle(1.2f, {0, 1, 0});
    Register(walkTurn, runTurn);

    const std::vector<Math::VQS> walk = Blended(0.0f);
    EXPECT_TRUE(VectorNear(walk[0].translation, {2, 0, 0}));
    EXPECT_TRUE(RotationNear(walk[1].rotation, walkTurn));
    EXPECT_TRUE(VectorNear(walk[1].scale, {1, 1, 1}));

    const std::vector<Math::VQS> half = Blended(0.5f);
    EXPECT_TRUE(VectorNear(half[0].translation, {1, 0, 3}));
    EXPECT_TRUE(RotationNear(half[1].rotation, glm::slerp(walkTurn, runTurn, 0.5f)));
    EXPECT_TRUE(VectorNear(half[1].scale, {2, 2, 2}));
    EXPECT_TRUE(VectorNear(half[1].translation, {0, 1, 0})) << "untracked channel keeps the bind pose";

    const std::vector<Math::VQS> run = Blended(1.0f);
    EXPECT_TRUE(VectorNear(run[0].translation, {0, 0, 6}));
    EXPECT_TRUE(RotationNear(run[1].rotation, runTurn));
    EXPECT_TRUE(VectorNear(run[1].scale, {3, 3, 3}));
}

// Each clip is sampled at its own state's time; weights outside [0, 1] hold the nearer clip
// rather than extrapolating, and NaN holds the first.
TEST_F(Blend, OwnTimesAndClampedWeights) {
    Register(glm::quat(1, 0, 0, 0), glm::quat(1, 0, 0, 0));
    EXPECT_TRUE(VectorNear(Blended(0.25f, 0.5f, 1.0f)[0].translation, {0.75f, 0, 1.5f}));
    EXPECT_TRUE(VectorNear(Blended(1.7f)[0].translation, {0, 0, 6}));
    EXPECT_TRUE(VectorNear(Blended(-3.0f)[0].translation, {2, 0, 0}));
    EXPECT_TRUE(VectorNear(Blended(std::nanf(""))[0].translation, {2, 0, 0}));
}

// Rotations stored on opposite hemispheres (q and -q) blend as the rotations they are.
TEST_F(Blend, OppositeHemispheresBlendAlongTheShorterArc) {
    const glm::quat a = AxisAngle(0.5f, {0, 0, 1});
    const glm::quat b = -AxisAngle(0.9f, {0, 0, 1});
    ASSERT_LT(glm::dot(a, b), 0.0f);
    Register(a, b);
    for (float weight : {0.25f, 0.5f, 0.75f}) {
        EXPECT_TRUE(RotationNear(Blended(weight)[1].rotation, AxisAngle(0.5f + 0.4f * weight, {0, 0, 1})))
            << "weight " << weight;
    }
}
