// Blending two clips per bone: weight 0 gives the first clip's pose, weight 1 the second's,
// in between translation and scale are linear and rotation follows the shorter arc.
#include "AnimationTestSupport.h"

#include <cmath>

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

// Walk and Run each move bone 0 and turn bone 1, with different keys.
class Blend : public AnimationFixture {
protected:
    void SetUp() override {
        AnimationFixture::SetUp();
        RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}}));
        RegisterClip("Walk", Clip(Math::Vector3(2, 0, 0), walkTurn, Math::Vector3(1, 1, 1)));
        RegisterClip("Run", Clip(Math::Vector3(0, 0, 6), runTurn, Math::Vector3(3, 3, 3)));
    }

    static Assets::AnimationData Clip(const Math::Vector3& move, const glm::quat& turn, const Math::Vector3& scale) {
        Assets::AnimationData clip;
        clip.duration = 1.0f;
        Assets::BoneTrack root;
        root.bone = 0;
        root.translations = {{0.0f, Math::Vector3(0, 0, 0)}, {1.0f, move}};
        Assets::BoneTrack child;
        child.bone = 1;
        child.rotations = {{0.0f, FromGlm(turn)}};
        child.scales = {{0.0f, scale}};
        clip.tracks = {root, child};
        return clip;
    }

    std::vector<Math::VQS> Blended(float weight, float timeA = 1.0f, float timeB = 1.0f) {
        const RenderInterface::AnimationState walk = State("Walk", timeA);
        const RenderInterface::AnimationState run = State("Run", timeB);
        std::vector<Math::VQS> poses;
        AnimationController::LerpBlend1D("Body", weight, &walk, &run, poses);
        return poses;
    }

    const glm::quat walkTurn = AxisAngle(0.4f, {1, 0, 0});
    const glm::quat runTurn = AxisAngle(1.2f, {0, 1, 0});
};

}  // namespace

TEST_F(Blend, WeightZeroIsTheFirstClipAndOneTheSecond) {
    const std::vector<Math::VQS> first = Blended(0.0f);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_TRUE(VectorNear(first[0].translation, {2, 0, 0}));
    EXPECT_TRUE(RotationNear(first[1].rotation, walkTurn));
    EXPECT_TRUE(VectorNear(first[1].scale, {1, 1, 1}));

    const std::vector<Math::VQS> second = Blended(1.0f);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(VectorNear(second[0].translation, {0, 0, 6}));
    EXPECT_TRUE(RotationNear(second[1].rotation, runTurn));
    EXPECT_TRUE(VectorNear(second[1].scale, {3, 3, 3}));
}

TEST_F(Blend, HalfWeightIsTheMidpoint) {
    const std::vector<Math::VQS> half = Blended(0.5f);
    ASSERT_EQ(half.size(), 2u);
    EXPECT_TRUE(VectorNear(half[0].translation, {1, 0, 3}));
    EXPECT_TRUE(RotationNear(half[1].rotation, glm::slerp(walkTurn, runTurn, 0.5f)));
    EXPECT_TRUE(VectorNear(half[1].scale, {2, 2, 2}));
    EXPECT_TRUE(VectorNear(half[1].translation, {0, 1, 0})) << "untracked channel keeps the bind pose";
}

// Each clip is sampled at its own state's time before blending.
TEST_F(Blend, EachClipIsSampledAtItsOwnTime) {
    const std::vector<Math::VQS> poses = Blended(0.25f, 0.5f, 1.0f);
    // Walk at 0.5: (1, 0, 0); Run at 1: (0, 0, 6).
    EXPECT_TRUE(VectorNear(poses[0].translation, {0.75f, 0, 1.5f}));
}

// Rotations stored on opposite hemispheres (q and -q) blend as the rotations they are.
TEST_F(Blend, OppositeHemispheresBlendAlongTheShorterArc) {
    AnimationFixture::TearDown();
    AnimationFixture::SetUp();
    RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}}));
    const glm::quat a = AxisAngle(0.5f, {0, 0, 1});
    const glm::quat b = -AxisAngle(0.9f, {0, 0, 1});
    ASSERT_LT(glm::dot(a, b), 0.0f);
    RegisterClip("Walk", Clip(Math::Vector3(0, 0, 0), a, Math::Vector3(1, 1, 1)));
    RegisterClip("Run", Clip(Math::Vector3(0, 0, 0), b, Math::Vector3(1, 1, 1)));

    for (float weight : {0.25f, 0.5f, 0.75f}) {
        EXPECT_TRUE(RotationNear(Blended(weight)[1].rotation, AxisAngle(0.5f + 0.4f * weight, {0, 0, 1})))
            << "weight " << weight;
    }
}

// Weights outside [0, 1] hold the nearer clip rather than extrapolating; NaN holds the first.
TEST_F(Blend, WeightsOutsideTheRangeAreClamped) {
    EXPECT_TRUE(VectorNear(Blended(1.7f)[0].translation, {0, 0, 6}));
    EXPECT_TRUE(VectorNear(Blended(-3.0f)[0].translation, {2, 0, 0}));
    EXPECT_TRUE(VectorNear(Blended(std::nanf(""))[0].translation, {2, 0, 0}));
}
