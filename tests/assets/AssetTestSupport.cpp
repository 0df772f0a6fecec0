#include "AssetTestSupport.h"

#include <filesystem>

#include <AntTweakBar.h>
#include <RenderInterface/Animation.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <animation/AnimationLibrary.h>

#include "demo/AnimationDemo.h"

namespace AssetTests {

namespace {

constexpr const char* kSkeletonName = "PlayerSkeleton";

template <typename Data>
Data Load(const std::string& relative, bool (*read)(const Assets::Bytes&, Data&, std::string&)) {
    Assets::Bytes bytes;
    Data data;
    std::string error;
    if (!Assets::ReadFileBytes(ResourcePath(relative), bytes, error) || !read(bytes, data, error)) {
        ADD_FAILURE() << relative << ": " << error << " (the vantor_resources target builds it)";
    }
    return data;
}

// Registers the skeleton and the clips unless the runtime knows them (destroying a renderer clears them).
void EnsureRegistered() {
    if (RenderInterface::AnimationController::GetBoneCount(kSkeletonName) > 0 &&
        RenderInterface::AnimationController::GetClipDuration("Run") > 0.0f) {
        return;
    }
    for (const AppResource& resource : AppResources()) {
        const std::string path = std::string(VANTOR_RESOURCE_ROOT) + "/" + resource.path;
        if (resource.path.find(".anim") != std::string::npos) {
            RenderInterface::AnimationLibrary::RegisterAnimationFile(path.c_str(), resource.name.c_str());
        } else if (resource.name == kSkeletonName) {
            RenderInterface::AnimationLibrary::RegisterSkeletonFile(path.c_str(), kSkeletonName);
        }
    }
}

}  // namespace

const std::vector<AppResource>& AppResources() {
    static const std::vector<AppResource> resources = [] {
        std::vector<AppResource> list;
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(VANTOR_RESOURCE_ROOT);
        {
            TestSupport::OffscreenRenderer gl(64, 64);
            TestSupport::RecordingRenderer recorder(*gl.Get());
            AnimationDemo demo;
            demo.Init(&recorder, 64.0f, 64.0f);
            demo.Shutdown();
            TwTerminate();
            for (const TestSupport::RecordedCall& call : recorder.calls) {
                if (call.result) list.push_back({call.text[0], call.text[1], call.result == RenderInterface::ResourceResult::Loaded});
            }
        }
        std::filesystem::current_path(previous);
        return list;
    }();
    return resources;
}

std::string ResourcePath(const std::string& relative) { return std::string(VANTOR_RESOURCE_ROOT) + "/resources/" + relative; }

Assets::MeshData LoadMesh(const std::string& relative) { return Load(relative, Assets::ReadMesh); }
Assets::SkeletonData LoadSkeleton() { return Load("skeletons/Warrior_Skeleton.ske", Assets::ReadSkeleton); }
Assets::AnimationData LoadClip(const std::string& relative) { return Load(relative, Assets::ReadAnimation); }
Assets::CubeMapData LoadSky(const std::string& file) { return Load("textures/" + file, Assets::ReadCubeMapDds); }

int BoneIndex(const Assets::SkeletonData& skeleton, const std::string& name) {
    for (size_t i = 0; i < skeleton.bones.size(); ++i) {
        if (skeleton.bones[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

SampledPose SamplePose(const std::string& clip, float time) {
    EnsureRegistered();
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    std::vector<Math::VQS> locals;
    SampledPose pose;
    RenderInterface::AnimationController::LerpBlend(kSkeletonName, &state, locals);
    RenderInterface::AnimationController::BuildTransformationMatricies(kSkeletonName, locals, pose.bones, pose.skinning);
    EXPECT_FALSE(pose.bones.empty()) << clip << " could not be sampled";
    return pose;
}

float ClipDuration(const std::string& clip) {
    EnsureRegistered();
    return RenderInterface::AnimationController::GetClipDuration(clip);
}

std::vector<Math::Vector3> SkinPositions(const Assets::MeshData& mesh, const std::vector<Math::Matrix4>& skinning) {
    std::vector<Math::Vector3> positions;
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        Math::Vector3 sum;
        for (int k = 0; k < Assets::MaxBoneInfluences; ++k) {
            sum += Math::TransformPoint(skinning.at(vertex.boneIndices[k]), vertex.position) * vertex.boneWeights[k];
        }
        positions.push_back(sum);
    }
    return positions;
}

}  // namespace AssetTests
