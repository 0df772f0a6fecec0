// The warrior's skeleton: a humanoid with bone 36 as its right hand, a bind pose whose inverse
// bind matrices match its local poses (composed here with glm), and a mirror-symmetric body of
// the expected proportions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

glm::mat4 ToGlm(const Math::VQS& pose) {
    const glm::quat rotation(pose.rotation.s, pose.rotation.v.x, pose.rotation.v.y, pose.rotation.v.z);
    return glm::translate(glm::mat4(1.0f), glm::vec3(pose.translation.x, pose.translation.y, pose.translation.z)) *
           glm::mat4_cast(rotation) * glm::scale(glm::mat4(1.0f), glm::vec3(pose.scale.x, pose.scale.y, pose.scale.z));
}

// Model-space bind matrices composed from the local bind poses, parent before child.
std::vector<glm::mat4> BindModelMatrices(const Assets::SkeletonData& skeleton) {
    std::vector<glm::mat4> model;
    for (const Assets::BoneData& bone : skeleton.bones) {
        const glm::mat4 local = ToGlm(bone.bindPose);
        model.push_back(bone.parent < 0 ? local : model[bone.parent] * local);
    }
    return model;
}

glm::vec3 Position(const glm::mat4& m) { return glm::vec3(m[3]); }

class SkeletonTest : public ::testing::Test {
protected:
    void SetUp() override {
        skeleton = LoadSkeleton();
        ASSERT_FALSE(skeleton.bones.empty());
        model = BindModelMatrices(skeleton);
    }
    glm::vec3 At(const std::string& name) const {
        const int index = BoneIndex(skeleton, name);
        EXPECT_GE(index, 0) << name;
        return index < 0 ? glm::vec3(0.0f) : Position(model[index]);
    }
    Assets::SkeletonData skeleton;
    std::vector<glm::mat4> model;
};

TEST_F(SkeletonTest, HasTheWeaponBoneAndAHumanoidsBones) {
    EXPECT_GE(skeleton.bones.size(), 37u);
    for (const char* name : {"Pelvis", "Spine1", "Chest", "Neck", "Head", "LeftThigh", "LeftCalf", "LeftFoot",
                             "LeftToe", "RightThigh", "RightFoot", "LeftClavicle", "LeftUpperArm", "LeftForearm",
                             "LeftHand", "RightUpperArm", "RightForearm", "RightHand", "RightIndex1"}) {
        EXPECT_GE(BoneIndex(skeleton, name), 0) << name;
    }
}

// Bone 36 is the right hand by name, by place (right side is -x when facing +z) and by
// hierarchy: the end of the chain chest - clavicle - upper arm - forearm, with only fingers below.
TEST_F(SkeletonTest, Bone36IsTheRightHand) {
    const Assets::BoneData& hand = skeleton.bones.at(kWeaponBone);
    EXPECT_EQ(hand.name, "RightHand");
    const glm::vec3 position = Position(model[kWeaponBone]);
    EXPECT_LT(position.x, -20.0f);
    EXPECT_GT(position.y, 80.0f);
    EXPECT_LT(position.y, 115.0f);

    std::vector<std::string> chain;
    for (int bone = hand.parent; bone >= 0 && chain.size() < 4; bone = skeleton.bones[bone].parent) {
        chain.push_back(skeleton.bones[bone].name);
    }
    EXPECT_EQ(chain, (std::vector<std::string>{"RightForearm", "RightUpperArm", "RightClavicle", "Chest"}));
    // Each step of the chain reaches further from the chest.
    const glm::vec3 chest = At("Chest");
    float reach = 0.0f;
    for (const char* name : {"RightClavicle", "RightUpperArm", "RightForearm", "RightHand"}) {
        const float distance = glm::length(At(name) - chest);
        EXPECT_GT(distance, reach) << name;
        reach = distance;
    }
    for (size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        if (skeleton.bones[bone].parent == kWeaponBone) {
            const std::string& name = skeleton.bones[bone].name;
            EXPECT_EQ(name.rfind("Right", 0), 0u) << name;
            EXPECT_TRUE(name.find("Thumb") != std::string::npos || name.find("Index") != std::string::npos ||
                        name.find("Middle") != std::string::npos || name.find("Ring") != std::string::npos ||
                        name.find("Pinky") != std::string::npos)
                << name << " hangs below the hand but is no finger";
        }
    }
}

// Skinning with the bind pose must leave the mesh where it is: every inverse bind matrix undoes
// the model matrix composed from the local bind poses. Bone scales stay 1 (the weapon offset is in
// unscaled bone space).
TEST_F(SkeletonTest, InverseBindMatricesUndoTheBindPose) {
    for (size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const Assets::BoneData& data = skeleton.bones[bone];
        EXPECT_LT(data.parent, static_cast<int>(bone));
        EXPECT_NEAR(data.bindPose.scale.x, 1.0f, 1e-6f);
        EXPECT_NEAR(data.bindPose.scale.y, 1.0f, 1e-6f);
        EXPECT_NEAR(data.bindPose.scale.z, 1.0f, 1e-6f);
        glm::mat4 inverseBind;
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) inverseBind[column][row] = data.inverseBind.m[row * 4 + column];
        const glm::mat4 product = model[bone] * inverseBind;
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                EXPECT_NEAR(product[column][row], row == column ? 1.0f : 0.0f, 1e-3f) << data.name;
    }
}

// Left and right mirror each other across x = 0.
TEST_F(SkeletonTest, LeftAndRightMirrorEachOther) {
    int pairs = 0;
    for (const Assets::BoneData& bone : skeleton.bones) {
        if (bone.name.rfind("Left", 0) != 0) continue;
        const glm::vec3 left = At(bone.name);
        const glm::vec3 right = At("Right" + bone.name.substr(4));
        EXPECT_NEAR(left.x, -right.x, 1e-3f) << bone.name;
        EXPECT_NEAR(left.y, right.y, 1e-3f) << bone.name;
        EXPECT_NEAR(left.z, right.z, 1e-3f) << bone.name;
        EXPECT_GT(left.x, 0.0f) << bone.name << " is not on the left (+x)";
        ++pairs;
    }
    EXPECT_GE(pairs, 20);
}

// About 180 tall with the feet on y = 0: ankles and toes low, hips about halfway, head high.
TEST_F(SkeletonTest, HasHumanProportions) {
    EXPECT_LT(At("LeftToe").y, 5.0f);
    EXPECT_GT(At("LeftToe").z, At("LeftFoot").z + 8.0f) << "the feet do not point along +z";
    EXPECT_NEAR(At("LeftFoot").y, 10.0f, 4.0f);
    EXPECT_NEAR(At("LeftThigh").y, 95.0f, 8.0f);
    EXPECT_NEAR(At("Head").y, 160.0f, 8.0f);
    EXPECT_GT(At("LeftUpperArm").y, 140.0f);
}

}  // namespace
}  // namespace AssetTests
