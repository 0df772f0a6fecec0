#pragma once
// A clip laid out for sampling rather than as the file stores it. Channels that share their key
// times share one timeline, so a frame finds its place in each distinct timeline once; the keys
// of every channel are contiguous, and every channel has at least two keys (a single key is
// stored twice), so sampling is always "between key k and key k + 1".
#include <cstdint>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace Animation {

struct Clip {
    static constexpr std::uint32_t kNoKeys = 0xffffffffu;

    // Where one channel's keys start in its value array, and which timeline they follow.
    struct Channel {
        std::uint32_t timeline = 0;
        std::uint32_t firstKey = kNoKeys;  // kNoKeys: the bone keeps its bind value
    };

    float duration = 0.0f;
    std::vector<float> times;                  // the timelines' key times, one after another
    std::vector<std::uint32_t> timelineStart;  // timeline i is times[start[i], start[i + 1])
    // One channel per bone index up to the highest bone with a track.
    std::vector<Channel> translations, rotations, scales;
    std::vector<Math::Vector3> translationKeys, scaleKeys;
    std::vector<Math::Quaternion> rotationKeys;

    std::size_t TimelineCount() const { return timelineStart.empty() ? 0 : timelineStart.size() - 1; }
};

// Builds the runtime clip from a file's contents. False, with the reason in `error`, when a
// channel's key times do not strictly increase or a bone appears in two tracks.
bool BuildClip(const Assets::AnimationData& data, Clip& out, std::string& error);

}  // namespace Animation
