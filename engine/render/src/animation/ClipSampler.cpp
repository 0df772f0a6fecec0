#include "ClipSampler.h"

#include <algorithm>

namespace RenderInterface {

namespace {

Math::Vector3 Interpolate(const Math::Vector3& a, const Math::Vector3& b, float t) { return Math::Lerp(a, b, t); }

Math::Quaternion Interpolate(const Math::Quaternion& a, const Math::Quaternion& b, float t) {
    return Math::Slerp(a, b, t);
}

// The channel's value at `time`: held at the first key before it and at the last key after
// it (a NaN time reads as the first key), interpolated between the two keys around it.
template <typename Key, typename Value>
Value SampleKeys(const std::vector<Key>& keys, float time, const Value& whenEmpty) {
    if (keys.empty()) {
        return whenEmpty;
    }
    if (!(time > keys.front().time)) {
        return keys.front().value;
    }
    if (time >= keys.back().time) {
        return keys.back().value;
    }
    const auto next = std::upper_bound(keys.begin(), keys.end(), time,
                                       [](float t, const Key& key) { return t < key.time; });
    const Key& before = *(next - 1);
    const float fraction = (time - before.time) / (next->time - before.time);
    return Interpolate(before.value, next->value, fraction);
}

}  // namespace

Math::VQS ClipSampler::Sample(std::uint32_t bone, const Math::VQS& bindPose) {
    const std::vector<Assets::BoneTrack>& tracks = clip.tracks;
    while (nextTrack < tracks.size() && tracks[nextTrack].bone < bone) {
        ++nextTrack;
    }
    if (nextTrack == tracks.size() || tracks[nextTrack].bone != bone) {
        return bindPose;
    }
    const Assets::BoneTrack& track = tracks[nextTrack];
    Math::VQS pose;
    pose.translation = SampleKeys(track.translations, time, bindPose.translation);
    pose.rotation = SampleKeys(track.rotations, time, bindPose.rotation);
    pose.scale = SampleKeys(track.scales, time, bindPose.scale);
    return pose;
}

}  // namespace RenderInterface
