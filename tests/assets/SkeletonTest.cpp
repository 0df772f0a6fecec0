// The warrior's skeleton: a humanoid with bone 36 as its right hand, inverse bind matrices that
// match its local bind poses (composed here with glm), about 180 tall on y = 0 and facing +z.
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "AssetTestSupport.h"

using namespace AssetTests;

class Skeleton : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GE(skeleton.bones.size(), 37u);
        for (const Assets::BoneData& bone : skeleton.bones) {
            const Math::VQS& p = bone.bindPose;
            const glm::mat4 local = glm::translate(glm::mat4(1), glm::vec3(p.translation.x, p.translation.y, p.translation.z)) *
                                    glm::mat4_cast(glm::quat(p.rotation.s, p.rotation.v.x, p.rotation.v.y, p.rotation.v.z)) *
                                    glm::scale(glm::mat4(1), glm::vec3(p.scale.x, p.scale.y, p.scale.z));
            ASSERT_LT(bone.parent, static_cast<int>(model.size())) << "parents come before children";
            model.push_back(bone.parent < 0 ? local : model[bone.parent] * local);
        }
    }
    glm::vec3 At(const std::string& name) const {
        const int index = BoneIndex(skeleton, name);
        EXPECT_GE(index, 0) << name;
        return index < 0 ? glm::vec3(0.0f) : glm::vec3(model[index][3]);
    }
    const Assets::SkeletonData skeleton = LoadSkeleton();
    std::vector<glm::mat4> model;  // bind pose, model space
};

// A humanoid about 180 tall with the feet on y = 0 and the toes ahead of the ankles (+z). Bone 36 is
// the right hand by name, by place (right is -x when facing +z) and by hierarchy: the end of the
// chain chest - clavicle - upper arm - forearm, each link reaching further from the chest.
TEST_F(Skeleton, IsAHumanoidWithBone36AsItsRightHand) {
    EXPECT_LT(At("LeftToe").y, 5.0f);
    EXPECT_GT(At("LeftToe").z, At("LeftFoot").z + 8.0f);
    EXPECT_NEAR(At("LeftThigh").y, 95.0f, 8.0f);
    EXPECT_NEAR(At("Head").y, 160.0f, 8.0f);
    EXPECT_EQ(skeleton.bones[kWeaponBone].name, "RightHand");
    EXPECT_LT(model[kWeaponBone][3].x, -20.0f);
    std::vector<std::string> chain;
    for (int bone = kWeaponBone; bone >= 0 && chain.size() < 5; bone = skeleton.bones[bone].parent) {
        chain.insert(chain.begin(), skeleton.bones[bone].name);
    }
    EXPECT_EQ(chain, (std::vector<std::string>{"Chest", "RightClavicle", "RightUpperArm", "RightForearm", "RightHand"}));
    for (size_t i = 1; i + 1 < chain.size(); ++i) {
        EXPECT_LT(glm::length(At(chain[i]) - At("Chest")), glm::length(At(chain[i + 1]) - At("Chest"))) << chain[i];
    }
}

// Skinning with the bind pose must leave the mesh where it is: each inverse bind matrix undoes the
// model matrix composed from the local bind poses. Scales stay 1 (the weapon offset is unscaled).
TEST_F(Skeleton, InverseBindMatricesUndoTheBindPose) {
    for (size_t bone = 0; bone < skeleton.bones.size(); ++bone) {
        const Assets::BoneData& data = skeleton.bones[bone];
        EXPECT_LT(Math::Length(data.bindPose.scale - Math::Vector3(1, 1, 1)), 1e-5f) << data.name;
        const glm::mat4 product = model[bone] * glm::transpose(glm::make_mat4(data.inverseBind.m));
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(product[i / 4][i % 4], i / 4 == i % 4 ? 1.0f : 0.0f, 1e-3f) << data.name;
    }
}
