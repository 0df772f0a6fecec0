#include <Animation/Clip.h>

#include <algorithm>
#include <map>

namespace Animation {

namespace {

// Far beyond any skeleton; keeps a corrupt bone index from sizing the channel arrays.
constexpr std::uint32_t kMaxBoneIndex = 65535;

class ClipBuilder {
public:
    explicit ClipBuilder(Clip& clip) : clip(clip) {}

    // Appends one channel's keys, sharing a timeline with earlier channels of the same times.
    template <typename Key, typename Value>
    bool AddChannel(const std::vector<Key>& keys, std::vector<Value>& values, Clip::Channel& channel,
                    std::string& error) {
        if (keys.empty()) {
            return true;
        }
        std::vector<float> times;
        for (const Key& key : keys) {
            if (!times.empty() && !(key.time > times.back())) {
                error = "key times do not strictly increase";
                return false;
            }
            times.push_back(key.time);
        }
        channel.firstKey = static_cast<std::uint32_t>(values.size());
        for (const Key& key : keys) {
            values.push_back(key.value);
        }
        if (keys.size() == 1) {
            times.push_back(times.front());
            values.push_back(keys.front().value);
        }
        channel.timeline = Timeline(times);
        return true;
    }

private:
    std::uint32_t Timeline(const std::vector<float>& times) {
        const auto found = timelines.find(times);
        if (found != timelines.end()) {
            return found->second;
        }
        const auto index = static_cast<std::uint32_t>(clip.timelineStart.size() - 1);
        clip.times.insert(clip.times.end(), times.begin(), times.end());
        clip.timelineStart.push_back(static_cast<std::uint32_t>(clip.times.size()));
        timelines.emplace(times, index);
        return index;
    }

    Clip& clip;
    std::map<std::vector<float>, std::uint32_t> timelines;
};

}  // namespace

bool BuildClip(const Assets::AnimationData& data, Clip& out, std::string& error) {
    Clip clip;
    clip.duration = data.duration;
    clip.timelineStart.push_back(0);
    std::size_t boneSlots = 0;
    for (const Assets::BoneTrack& track : data.tracks) {
        if (track.bone > kMaxBoneIndex) {
            error = "bone index " + std::to_string(track.bone) + " is above " + std::to_string(kMaxBoneIndex);
            return false;
        }
        boneSlots = std::max<std::size_t>(boneSlots, std::size_t{track.bone} + 1);
    }
    clip.translations.resize(boneSlots);
    clip.rotations.resize(boneSlots);
    clip.scales.resize(boneSlots);
    ClipBuilder builder(clip);
    for (const Assets::BoneTrack& track : data.tracks) {
        if (clip.translations[track.bone].firstKey != Clip::kNoKeys ||
            clip.rotations[track.bone].firstKey != Clip::kNoKeys || clip.scales[track.bone].firstKey != Clip::kNoKeys) {
            error = "bone " + std::to_string(track.bone) + " has two tracks";
            return false;
        }
        if (!builder.AddChannel(track.translations, clip.translationKeys, clip.translations[track.bone], error) ||
            !builder.AddChannel(track.rotations, clip.rotationKeys, clip.rotations[track.bone], error) ||
            !builder.AddChannel(track.scales, clip.scaleKeys, clip.scales[track.bone], error)) {
            error = "bone " + std::to_string(track.bone) + ": " + error;
            return false;
        }
    }
    out = std::move(clip);
    return true;
}

}  // namespace Animation
