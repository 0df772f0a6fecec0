#pragma once
// Turns authored motion into clip files: a pose function sampled into dense keys, and poses
// given at a few key times smoothly interpolated in between.
#include <functional>
#include <vector>

#include <Assets/Formats.h>

#include "PoseSolver.h"

namespace AssetGen {

// Time between keys in clip time units; finer than one frame of the demo (0.007) so the runtime's
// linear interpolation between keys follows the authored curves closely.
constexpr float kKeyStep = 0.005f;

// Keys from time 0 to `duration`. Bones that never leave their bind pose get no track, and
// channels that never change get a single key. A looping clip's last keys repeat its first
// exactly, so it restarts without a jump.
Assets::AnimationData SampleClip(float duration, bool loops, const std::function<BodyPose(float)>& poseAt);

// Poses at key times, interpolated value by value with monotone cubic curves: smooth through
// each key, never overshooting a key that is a turning point or a hold, and at rest at the first
// and last key. A looping sequence wraps from its last key to its first (whose time must be 0;
// the loop closes at `loopDuration`). Every key must plant the same feet.
class PoseSequence {
public:
    void Add(float time, const BodyPose& pose);
    BodyPose At(float time) const;
    void SetLoop(float loopDuration) { loopLength = loopDuration; }

private:
    std::vector<float> times;
    std::vector<BodyPose> poses;
    float loopLength = 0.0f;
};

}  // namespace AssetGen
