#include "Gait.h"

#include <algorithm>
#include <cmath>

#include <Assets/ClipTime.h>

#include "Posing.h"

namespace CharacterImport {

namespace {

bool Moves(const Assets::BoneTrack& track)
{
    return track.translations.size() > 1 || track.rotations.size() > 1 || track.scales.size() > 1;
}

}  // namespace

float RemoveRootMotion(Assets::AnimationData& clip, const Assets::SkeletonData& skeleton, float height)
{
    std::vector<bool> moving(skeleton.bones.size(), false);
    for (const Assets::BoneTrack& track : clip.tracks) {
        moving[track.bone] = Moves(track);
    }
    for (Assets::BoneTrack& track : clip.tracks) {
        bool stillAbove = true;
        for (int b = skeleton.bones[track.bone].parent; b >= 0; b = skeleton.bones[static_cast<std::size_t>(b)].parent) {
            stillAbove = stillAbove && !moving[static_cast<std::size_t>(b)];
        }
        if (!stillAbove || track.translations.size() < 2) {
            continue;
        }
        const int parent = skeleton.bones[track.bone].parent;
        const Math::Matrix4 parentFrame =
            parent < 0 ? Math::Matrix4::identity : ModelPose(skeleton, clip, 0.0f)[static_cast<std::size_t>(parent)];
        const Math::VQS& bind = skeleton.bones[track.bone].bindPose;
        Math::Vector3 travel = Math::TransformDirection(
            parentFrame, SampleTrack(track, clip.duration, bind).translation - SampleTrack(track, 0.0f, bind).translation);
        travel.y = 0.0f;
        const float distance = Math::Length(travel);
        if (distance <= 0.01f * height) {
            return 0.0f;
        }
        const Math::Vector3 perCycle = Math::TransformDirection(Math::Inverse(parentFrame), travel);
        for (Assets::Vector3Key& key : track.translations) {
            key.value -= perCycle * (key.time / clip.duration);
        }
        return distance;
    }
    return 0.0f;
}

float Stride(const Assets::AnimationData& clip, const Assets::SkeletonData& skeleton, const Assets::MeshData& mesh)
{
    constexpr int kSamples = 64;
    constexpr std::size_t kMostVertices = 4000;
    const std::size_t step = std::max<std::size_t>(1, mesh.vertices.size() / kMostVertices);
    auto positions = [&](int sample) {
        const std::vector<Math::Matrix4> pose =
            ModelPose(skeleton, clip, clip.duration * static_cast<float>(sample) / kSamples);
        std::vector<Math::Vector3> out;
        for (std::size_t v = 0; v < mesh.vertices.size(); v += step) {
            out.push_back(SkinnedPosition(mesh.vertices[v], skeleton, pose));
        }
        return out;
    };
    std::vector<Math::Vector3> now = positions(0);
    float forward = 0.0f;
    for (int sample = 1; sample <= kSamples; ++sample) {
        std::vector<Math::Vector3> next = positions(sample);
        const auto lowest = std::min_element(now.begin(), now.end(), [](const Math::Vector3& a, const Math::Vector3& b) {
            return a.y < b.y;
        });
        const std::size_t planted = static_cast<std::size_t>(lowest - now.begin());
        forward += next[planted].z - now[planted].z;
        now = std::move(next);
    }
    return std::fabs(forward);
}

float NonSlidingSpeed(float stride, float clipDuration)
{
    return stride * kCharacterScale * Assets::kClipUnitsPerFrame / clipDuration;
}

}  // namespace CharacterImport
