#include "Posing.h"

#include <animation/ClipSampler.h>

namespace CharacterImport {

Math::VQS SampleTrack(const Assets::BoneTrack& track, float time, const Math::VQS& bind)
{
    Assets::AnimationData single;
    single.tracks.push_back(track);
    return RenderInterface::ClipSampler(single, time).Sample(track.bone, bind);
}

std::vector<Math::Matrix4> ModelPose(const Assets::SkeletonData& skeleton, const Assets::AnimationData& clip,
                                     float time)
{
    RenderInterface::ClipSampler sampler(clip, time);
    std::vector<Math::Matrix4> model(skeleton.bones.size());
    for (std::size_t b = 0; b < skeleton.bones.size(); ++b) {
        const Math::Matrix4 local =
            Math::ToMatrix4(sampler.Sample(static_cast<std::uint32_t>(b), skeleton.bones[b].bindPose));
        const int parent = skeleton.bones[b].parent;
        model[b] = parent < 0 ? local : model[static_cast<std::size_t>(parent)] * local;
    }
    return model;
}

std::vector<Math::Matrix4> BindPose(const Assets::SkeletonData& skeleton)
{
    return ModelPose(skeleton, Assets::AnimationData{}, 0.0f);
}

Math::Vector3 SkinnedPosition(const Assets::MeshVertex& vertex, const Assets::SkeletonData& skeleton,
                              const std::vector<Math::Matrix4>& pose)
{
    Math::Vector3 sum;
    for (int i = 0; i < Assets::MaxBoneInfluences; ++i) {
        if (vertex.boneWeights[i] > 0.0f) {
            const std::size_t bone = vertex.boneIndices[i];
            sum += Math::TransformPoint(pose[bone] * skeleton.bones[bone].inverseBind, vertex.position) *
                   vertex.boneWeights[i];
        }
    }
    return sum;
}

}  // namespace CharacterImport
