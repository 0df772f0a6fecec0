#pragma once
// The warrior's fifteen clips. Clip time is the demo's: it advances 0.007 per frame at speed
// factor 1 while the body travels 1 world unit (1 / 0.3 model units) per frame.
#include <string>
#include <vector>

#include <Assets/Formats.h>

namespace AssetGen {

// Model units the body travels per unit of clip time at any speed factor (clip clocks and travel
// both scale with it): (1 / 0.3) / 0.007.
constexpr float kTravelPerClipUnit = (1.0f / 0.3f) / 0.007f;

struct NamedClip {
    std::string name;  // the name the app registers it under, e.g. "Walk"
    Assets::AnimationData clip;
};

// Walk and Run: looping gait cycles in place (the body's travel comes from the path), with the
// stride matched to the travel so planted feet do not slide.
Assets::AnimationData BuildWalkClip();
Assets::AnimationData BuildRunClip();
// The other thirteen: short actions that start from and mostly return to the standing pose.
std::vector<NamedClip> BuildActionClips();

std::vector<NamedClip> BuildAllClips();

}  // namespace AssetGen
