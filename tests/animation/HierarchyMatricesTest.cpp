// Bone matrices through the hierarchy (parent times local) and skinning matrices (bone times
// inverse bind), checked against hand-computed positions and glm.
#include "AnimationTestSupport.h"

#include <glm/gtc/constants.hpp>

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

class HierarchyMatrices : public AnimationFixture {
protected:
    std::vector<Math::Matrix4> bones;
    std::vector<Math::Matrix4> skinning;
};

}  // namespace

// Root at (1, 0, 0) turned 90 degrees about z, child 2 along the root's x axis: the child
// sits at (1, 2, 0) with its x axis along world +y.
TEST_F(HierarchyMatrices, TwoBoneChainMatchesHandComputedPositions) {
    RegisterSkeleton("Chain", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(1, 0, 0))}}));
    const Math::VQS root = Pose(Math::Vector3(1, 0, 0), AxisAngle(glm::half_pi<float>(), {0, 0, 1}));
    const Math::VQS child = Pose(Math::Vector3(2, 0, 0));
    AnimationController::BuildTransformationMatricies("Chain", {root, child}, bones, skinning);
    ASSERT_EQ(bones.size(), 2u);
    EXPECT_TRUE(MatrixNear(bones[1], glm::mat4(glm::vec4(0, 1, 0, 0), glm::vec4(-1, 0, 0, 0), glm::vec4(0, 0, 1, 0),
                                               glm::vec4(1, 2, 0, 1))));
    // Bind pose: root at the origin, child at (1, 0, 0); the skinning matrix maps bind to pose.
    EXPECT_TRUE(MatrixNear(skinning[1], GlmTrs(root) * GlmTrs(child) * glm::translate(glm::mat4(1), {-1, 0, 0})));
}

TEST_F(HierarchyMatrices, BranchingScaledChainMatchesGlm) {
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
    AnimationController::BuildTransformationMatricies("Arm", pose, bones, skinning);
    ASSERT_EQ(bones.size(), 4u);
    ASSERT_EQ(skinning.size(), 4u);

    glm::mat4 posed[4];
    glm::mat4 bound[4];
    for (int i = 0; i < 4; ++i) {
        const int parent = bind[i].first;
        posed[i] = (parent < 0 ? glm::mat4(1) : posed[parent]) * GlmTrs(pose[i]);
        bound[i] = (parent < 0 ? glm::mat4(1) : bound[parent]) * GlmTrs(bind[i].second);
        EXPECT_TRUE(MatrixNear(bones[i], posed[i])) << "bone " << i;
        EXPECT_TRUE(MatrixNear(skinning[i], posed[i] * glm::inverse(bound[i]))) << "skinning " << i;
    }
}

// In the bind pose a skinned mesh must not move: every skinning matrix is the identity.
TEST_F(HierarchyMatrices, BindPoseGivesIdentitySkinning) {
    RegisterSkeleton("Warrior", MakeSkeleton({{-1, Pose(Math::Vector3(0, 90, 0), AxisAngle(0.25f, {0, 1, 0}))},
                                              {0, Pose(Math::Vector3(0, 20, 3), AxisAngle(-1.0f, {1, 0, 0}))},
                                              {1, Pose(Math::Vector3(10, 0, 0), AxisAngle(2.0f, {0, 0, 1}),
                                                       Math::Vector3(1.5f, 1, 1))}}));
    RegisterClip("Still", MakeClip(1.0f));
    const RenderInterface::AnimationState state = State("Still", 0.5f);
    std::vector<Math::VQS> pose;
    AnimationController::LerpBlend("Warrior", &state, pose);
    AnimationController::BuildTransformationMatricies("Warrior", pose, bones, skinning);
    ASSERT_EQ(skinning.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(MatrixNear(skinning[i], glm::mat4(1.0f))) << "bone " << i;
    }
}
