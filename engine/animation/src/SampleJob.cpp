#include <algorithm>

#include <Animation/Jobs.h>

#include "PoseMath.h"

namespace Animation {

void SamplingCursor::Bind(const Clip& target) {
    if (clip != &target || places.size() != target.TimelineCount()) {
        clip = &target;
        places.assign(target.TimelineCount(), Place{});
    }
}

namespace {

// Moves `key` so that times[key] <= time < times[key + 1] within the timeline, by one step when
// playing forward and by a search otherwise, and returns the fraction toward the next key.
// Times before the first key (or NaN) hold the first key, times after the last hold the last.
float Locate(const float* times, std::uint32_t count, float time, std::uint32_t& key) {
    if (!(time > times[0])) {
        key = 0;
        return 0.0f;
    }
    if (time >= times[count - 1]) {
        key = count - 2;
        return 1.0f;
    }
    if (key + 1 >= count || time < times[key]) {
        key = 0;
    }
    if (time >= times[key + 1]) {
        ++key;
        if (time >= times[key + 1]) {
            key = static_cast<std::uint32_t>(std::upper_bound(times + key, times + count, time) - times) - 1;
        }
    }
    return (time - times[key]) / (times[key + 1] - times[key]);
}

}  // namespace

bool SampleJob::Validate() const {
    return skeleton != nullptr && clip != nullptr && cursor != nullptr && cursor->clip == clip &&
           cursor->places.size() == clip->TimelineCount() && output.data != nullptr &&
           output.size == skeleton->BoneCount();
}

bool SampleJob::Run() const {
    if (!Validate()) {
        return false;
    }
    for (std::size_t i = 0; i < cursor->places.size(); ++i) {
        SamplingCursor::Place& place = cursor->places[i];
        const std::uint32_t start = clip->timelineStart[i];
        place.fraction = Locate(clip->times.data() + start, clip->timelineStart[i + 1] - start, time, place.key);
    }
    const SamplingCursor::Place* places = cursor->places.data();
    const std::size_t keyed = std::min(output.size, clip->rotations.size());
    for (std::size_t bone = 0; bone < keyed; ++bone) {
        const Math::VQS& bind = skeleton->bindPoses[bone];
        Math::VQS& pose = output.data[bone];
        const Clip::Channel& t = clip->translations[bone];
        const Clip::Channel& r = clip->rotations[bone];
        const Clip::Channel& s = clip->scales[bone];
        if (t.firstKey == Clip::kNoKeys) {
            pose.translation = bind.translation;
        } else {
            const Math::Vector3* keys = clip->translationKeys.data() + t.firstKey + places[t.timeline].key;
            pose.translation = PoseMath::Lerp(keys[0], keys[1], places[t.timeline].fraction);
        }
        if (r.firstKey == Clip::kNoKeys) {
            pose.rotation = bind.rotation;
        } else {
            const Math::Quaternion* keys = clip->rotationKeys.data() + r.firstKey + places[r.timeline].key;
            pose.rotation = PoseMath::Slerp(keys[0], keys[1], places[r.timeline].fraction);
        }
        if (s.firstKey == Clip::kNoKeys) {
            pose.scale = bind.scale;
        } else {
            const Math::Vector3* keys = clip->scaleKeys.data() + s.firstKey + places[s.timeline].key;
            pose.scale = PoseMath::Lerp(keys[0], keys[1], places[s.timeline].fraction);
        }
    }
    std::copy(skeleton->bindPoses.begin() + static_cast<std::ptrdiff_t>(keyed), skeleton->bindPoses.end(),
              output.data + keyed);
    return true;
}

}  // namespace Animation
