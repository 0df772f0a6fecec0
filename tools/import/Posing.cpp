#include "Posing.h"

#include <Animation/Jobs.h>

namespace CharacterImport {
namespace {

// Local poses of every bone of `skeleton` from `data` at `time`, through the runtime's sampling
// job. A clip the runtime refuses (which the importer never writes) leaves the bind pose.
std::vector<Math::VQS> LocalPose(const Assets::SkeletonData& skeleton, const Assets::AnimationData& data,
                                 float time)
{
    std::vector<Math::VQS> local(skeleton.bones.size());
    for (std::size_t b = 0; b < local.size(); ++b) local[b] = skeleton.bones[b].bindPose;
    Animation::Skeleton runtimeSkeleton;
    Animation::Clip clip;
    std::string error;
    if (!Animation::BuildSkeleton(skeleton, runtimeSkeleton, error) || !Animation::BuildClip(data, clip, error)) {
        return local;
    }
    Animation::SamplingCursor cursor;
    cursor.Bind(clip);
    Animation::SampleJob job;
    job.skeleton = &runtimeSkeleton;
    job.clip = &clip;
    job.time = time;
    job.cursor = &cursor;
    job.output = Animation::Span<Math::VQS>(local);
    job.Run();
    return local;
}

}  // namespace

Math::VQS SampleTrack(const Assets::BoneTrack& track, float time, const Math::VQS& bind)
{
    Assets::SkeletonData skeleton;
    skeleton.bones.resize(track.bone + 1);
    skeleton.bones.back().bindPose = bind;
    Assets::AnimationData single;
    single.duration = 1.0f;
    single.tracks.push_back(track);
    return LocalPose(skeleton, single, time).back();
}

std::vector<Math::Matrix4> ModelPose(const Assets::SkeletonData& skeleton, const Assets::AnimationData& clip,
                                     float time)
{
    const std::vector<Math::VQS> local = LocalPose(skeleton, clip, time);
    std::vector<Math::Matrix4> model(skeleton.bones.size());
    for (std::size_t b = 0; b < skeleton.bones.size(); ++b) {
        const int parent = skeleton.bones[b].parent;
        const Math::Matrix4 matrix = Math::ToMatrix4(local[b]);
        model[b] = parent < 0 ? matrix : model[static_cast<std::size_t>(parent)] * matrix;
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
