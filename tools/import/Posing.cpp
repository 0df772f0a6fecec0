#include "Posing.h"

#include <algorithm>

namespace CharacterImport {

namespace {

Math::Vector3 Mix(const Math::Vector3& a, const Math::Vector3& b, float t) { return Math::Lerp(a, b, t); }
Math::Quaternion Mix(const Math::Quaternion& a, const Math::Quaternion& b, float t) { return Math::Slerp(a, b, t); }

template <typename Key, typename Value>
Value Sample(const std::vector<Key>& keys, float time, const Value& otherwise)
{
    if (keys.empty()) {
        return otherwise;
    }
    if (time <= keys.front().time) {
        return keys.front().value;
    }
    if (time >= keys.back().time) {
        return keys.back().value;
    }
    const auto next = std::upper_bound(keys.begin(), keys.end(), time,
                                       [](float t, const Key& key) { return t < key.time; });
    const Key& before = *(next - 1);
    return Mix(before.value, next->value, (time - before.time) / (next->time - before.time));
}

std::vector<Math::Matrix4> ToModel(const Assets::SkeletonData& skeleton, const std::vector<Math::VQS>& locals)
{
    std::vector<Math::Matrix4> model(skeleton.bones.size());
    for (std::size_t b = 0; b < skeleton.bones.size(); ++b) {
        const Math::Matrix4 local = Math::ToMatrix4(locals[b]);
        const int parent = skeleton.bones[b].parent;
        model[b] = parent < 0 ? local : model[static_cast<std::size_t>(parent)] * local;
    }
    return model;
}

}  // namespace

Math::Vector3 SampleChannel(const std::vector<Assets::Vector3Key>& keys, float time, const Math::Vector3& otherwise)
{
    return Sample(keys, time, otherwise);
}

Math::Quaternion SampleChannel(const std::vector<Assets::RotationKey>& keys, float time,
                               const Math::Quaternion& otherwise)
{
    return Sample(keys, time, otherwise);
}

std::vector<Math::Matrix4> ModelPose(const Assets::SkeletonData& skeleton, const std::vector<Assets::BoneTrack>& tracks,
                                     float time)
{
    std::vector<Math::VQS> locals;
    for (const Assets::BoneData& bone : skeleton.bones) {
        locals.push_back(bone.bindPose);
    }
    for (const Assets::BoneTrack& track : tracks) {
        Math::VQS& pose = locals[track.bone];
        pose.translation = SampleChannel(track.translations, time, pose.translation);
        pose.rotation = SampleChannel(track.rotations, time, pose.rotation);
        pose.scale = SampleChannel(track.scales, time, pose.scale);
    }
    return ToModel(skeleton, locals);
}

std::vector<Math::Matrix4> BindPose(const Assets::SkeletonData& skeleton) { return ModelPose(skeleton, {}, 0.0f); }

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
