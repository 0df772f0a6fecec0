// Bone matrices through the hierarchy (parent times local) and skinning matrices (bone times
// inverse bind), checked against hand-computed positions and glm.
#include "AnimationTestSupport.h"

#include <glm/gtc/constants.hpp>

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

constexpr float kPi = glm::pi<float>();

class HierarchyMatrices : public AnimationFixture {};

}  // namespace

// Root at (1, 0, 0) turned 90 degrees about z, child 2 along the root's x axis: the child
// sits at (1, 2, 0) and its x axis points along world +y.
TEST_F(HierarchyMatrices, TwoBoneChainMatchesHandComputedPositions) {
    const Math::VQS root = Pose(Math::Vector3(1, 0, 0), AxisAngle(kPi / 2, {0, 0, 1}));
    const Math::VQS child = Pose(Math::Vector3(2, 0, 0));
    RegisterSkeleton("Chain", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(1, 0, 0))}}));

    std::vector<Math::Matrix4> bones;
    std::vector<Math::Matrix4> skinning;
    AnimationController::BuildTransformationMatricies("Chain", {root, child}, bones, skinning);
    ASSERT_EQ(bones.size(), 2u);
    ASSERT_EQ(skinning.size(), 2u);

    EXPECT_NEAR(bones[1].m[3], 1.0f, 1e-5f);
    EXPECT_NEAR(bones[1].m[7], 2.0f, 1e-5f);
    EXPECT_NEAR(bones[1].m[11], 0.0f, 1e-5f);
    EXPECT_NEAR(bones[1].m[4], 1.0f, 1e-5f) << "child x axis along world y";
    EXPECT_TRUE(MatrixNear(bones[1], GlmTrs(root) * GlmTrs(child)));
}

TEST_F(HierarchyMatrices, ScaledAndRotatedChainMatchesGlm) {
    const std::vector<std::pair<int, Math::VQS>> bind = {
        {-1, Pose(Math::Vector3(0, 1, 0), AxisAngle(0.3f, {0, 1, 0}))},
        {0, Pose(Math::Vector3(0, 2, 0), AxisAngle(-0.7f, {1, 0, 0}), Math::Vector3(1, 2, 0.5f))},
        {1, Pose(Math::Vector3(0.5f, 1, 0), AxisAngle(1.1f, glm::normalize(glm::vec3(1, 1, 0))))},
        {0, Pose(Math::Vector3(-1, 0, 0))}};
    RegisterSkeleton("Arm", MakeSkeleton(bind));
    const std::vector<Math::VQS> pose = {
        Pose(Math::Vector3(3, 0, -1), AxisAngle(0.9f, {0, 0, 1}), Math::Vector3(2, 2, 2)),
        Pose(Math::Vector3(0, 1, 0), AxisAngle(0.2f, {0, 1, 0})),
        Pose(Math::Vector3(1, 0, 0), AxisAngle(-0.4f, {1, 0, 0}), Math::Vector3(1, 3, 1)),
        Pose(Math::Vector3(0, 0, 4))};

    std::vector<Math::Matrix4> bones;
    std::vector<Math::Matrix4> skinning;
    AnimationController::BuildTransformationMatricies("Arm", pose, bones, skinning);
    ASSERT_EQ(bones.size(), 4u);

    const glm::mat4 m0 = GlmTrs(pose[0]);
    const glm::mat4 m1 = m0 * GlmTrs(pose[1]);
    const glm::mat4 m2 = m1 * GlmTrs(pose[2]);
    const glm::mat4 m3 = m0 * GlmTrs(pose[3]);
    const glm::mat4 expected[4] = {m0, m1, m2, m3};
    glm::mat4 bindModel[4];
    bindModel[0] = GlmTrs(bind[0].second);
    bindModel[1] = bindModel[0] * GlmTrs(bind[1].second);
    bindModel[2] = bindModel[1] * GlmTrs(bind[2].second);
    bindModel[3] = bindModel[0] * GlmTrs(bind[3].second);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(MatrixNear(bones[i], expected[i], 1e-4f)) << "bone " << i;
        EXPECT_TRUE(MatrixNear(skinning[i], expected[i] * glm::inverse(bindModel[i]), 1e-4f)) << "skinning " << i;
    }
}

// In the bind pose a skinned mesh must not move: every skinning matrix is the identity.
TEST_F(HierarchyMatrices, BindPoseGivesIdentitySkinning) {
    const Assets::SkeletonData skeleton =
        MakeSkeleton({{-1, Pose(Math::Vector3(0, 90, 0), AxisAngle(0.25f, {0, 1, 0}))},
                      {0, Pose(Math::Vector3(0, 20, 3), AxisAngle(-1.0f, {1, 0, 0}))},
                      {1, Pose(Math::Vector3(10, 0, 0), AxisAngle(2.0f, {0, 0, 1}), Math::Vector3(1.5f, 1, 1))}});
    RegisterSkeleton("Warrior", skeleton);
    Assets::AnimationData still;
    still.duration = 1.0f;
    RegisterClip("Still", still);

    const RenderInterface::AnimationState state = State("Still", 0.5f);
    std::vector<Math::VQS> pose;
    std::vector<Math::Matrix4> bones;
    std::vector<Math::Matrix4> skinning;
    AnimationController::LerpBlend("Warrior", &state, pose);
    AnimationController::BuildTransformationMatricies("Warrior", pose, bones, skinning);
    ASSERT_EQ(skinning.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(MatrixNear(skinning[i], glm::mat4(1.0f), 1e-4f)) << "bone " << i;
    }
}
