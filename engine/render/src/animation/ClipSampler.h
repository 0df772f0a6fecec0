#pragma once
// Sampling one clip into local bone poses. Bones are taken in increasing order so the clip's
// tracks, which are held in bone order, are walked once per pose; within a track the keys
// around the time are found by binary search. Nothing is allocated.
#include <cstddef>
#include <cstdint>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace RenderInterface {

class ClipSampler {
public:
    ClipSampler(const Assets::AnimationData& clip, float time) : clip(clip), time(time) {}

    // The local pose of `bone` at the sampler's time; every call must name a higher bone than
    // the one before. Channels without keys, and bones without a track, keep the bind pose.
    Math::VQS Sample(std::uint32_t bone, const Math::VQS& bindPose);

private:
    const Assets::AnimationData& clip;
    float time;
    std::size_t nextTrack = 0;
};

}  // namespace RenderInterface
