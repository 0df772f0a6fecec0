#include "AssetTestSupport.h"

#include <gtest/gtest.h>

#include <RenderInterface/Animation.h>
#include <animation/AnimationLibrary.h>

namespace AssetTests {

namespace {

constexpr const char* kSkeletonName = "PlayerSkeleton";

Assets::Bytes ReadOrFail(const std::string& relative) {
    Assets::Bytes bytes;
    std::string error;
    const std::string path = ResourcePath(relative);
    if (!Assets::ReadFileBytes(path, bytes, error)) {
        ADD_FAILURE() << path << ": " << error << " (build the vantor_resources target first)";
    }
    return bytes;
}

// Registers the skeleton and the clips unless the runtime already knows them (a renderer
// destroyed by an earlier test clears them).
void EnsureRegistered() {
    if (RenderInterface::AnimationController::GetBoneCount(kSkeletonName) > 0 &&
        RenderInterface::AnimationController::GetClipDuration(ClipFiles().back().name) > 0.0f) {
        return;
    }
    ASSERT_EQ(RenderInterface::AnimationLibrary::RegisterSkeletonFile(
                  ResourcePath("skeletons/Warrior_Skeleton.ske").c_str(), kSkeletonName),
              RenderInterface::ResourceResult::Loaded);
    for (const ClipFile& clip : ClipFiles()) {
        const std::string path = ResourcePath(std::string("animations/Warrior_") + clip.fileStem + ".anim");
        ASSERT_EQ(RenderInterface::AnimationLibrary::RegisterAnimationFile(path.c_str(), clip.name),
                  RenderInterface::ResourceResult::Loaded)
            << path;
    }
}

}  // namespace

std::string ResourceRoot() { return VANTOR_RESOURCE_ROOT; }

std::string ResourcePath(const std::string& relative) { return ResourceRoot() + "/resources/" + relative; }

Assets::MeshData LoadMesh(const std::string& relative) {
    Assets::MeshData mesh;
    std::string error;
    if (!Assets::ReadMesh(ReadOrFail(relative), mesh, error)) {
        ADD_FAILURE() << relative << ": " << error;
    }
    return mesh;
}

Assets::SkeletonData LoadSkeleton() {
    Assets::SkeletonData skeleton;
    std::string error;
    if (!Assets::ReadSkeleton(ReadOrFail("skeletons/Warrior_Skeleton.ske"), skeleton, error)) {
        ADD_FAILURE() << "skeleton: " << error;
    }
    return skeleton;
}

Assets::AnimationData LoadClip(const std::string& fileStem) {
    Assets::AnimationData clip;
    std::string error;
    if (!Assets::ReadAnimation(ReadOrFail("animations/Warrior_" + fileStem + ".anim"), clip, error)) {
        ADD_FAILURE() << fileStem << ": " << error;
    }
    return clip;
}

int BoneIndex(const Assets::SkeletonData& skeleton, const std::string& name) {
    for (size_t i = 0; i < skeleton.bones.size(); ++i) {
        if (skeleton.bones[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const std::vector<ClipFile>& ClipFiles() {
    static const std::vector<ClipFile> files = {
        {"Attack1", "Attack_1"}, {"Attack2", "Attack_2"}, {"Attack3", "Attack_3"},
        {"Die", "Die"},          {"Guard", "Guard"},      {"Critical_Damage", "Critical_Damage"},
        {"Damage", "Damage"},    {"Skill1", "Skill_1"},   {"Skill2", "Skill_2"},
        {"Skill3", "Skill_3"},   {"Skill4", "Skill_4"},   {"Skill5", "Skill_5"},
        {"Stand", "Stand"},      {"Walk", "Walk"},        {"Run", "Run"}};
    return files;
}

SampledPose SamplePose(const std::string& clip, float time) {
    EnsureRegistered();
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    std::vector<Math::VQS> locals;
    SampledPose pose;
    RenderInterface::AnimationController::LerpBlend(kSkeletonName, &state, locals);
    RenderInterface::AnimationController::BuildTransformationMatricies(kSkeletonName, locals, pose.bones,
                                                                       pose.skinning);
    EXPECT_FALSE(pose.bones.empty()) << clip << " could not be sampled";
    return pose;
}

float ClipDuration(const std::string& clip) {
    EnsureRegistered();
    return RenderInterface::AnimationController::GetClipDuration(clip);
}

std::vector<Math::Vector3> SkinPositions(const Assets::MeshData& mesh, const std::vector<Math::Matrix4>& skinning) {
    std::vector<Math::Vector3> positions;
    positions.reserve(mesh.vertices.size());
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        Math::Vector3 sum;
        for (int k = 0; k < Assets::MaxBoneInfluences; ++k) {
            if (vertex.boneWeights[k] > 0.0f) {
                sum += Math::TransformPoint(skinning.at(vertex.boneIndices[k]), vertex.position) * vertex.boneWeights[k];
            }
        }
        positions.push_back(sum);
    }
    return positions;
}

Math::Vector3 Translation(const Math::Matrix4& m) { return Math::Vector3(m[3], m[7], m[11]); }

}  // namespace AssetTests
