#pragma once
// Locomotion measures and edits of imported clips: horizontal root motion taken out (the demo
// moves the body along its path itself) and the stride the feet take in one cycle.
#include <Assets/Formats.h>

namespace CharacterImport {

// The demo draws the character at this scale (PathCharacter's model scale).
constexpr float kCharacterScale = 0.3f;

// Takes the steady horizontal travel out of the clip's moving root (the first bone with moving
// keys whose ancestors stay still), keeping its sway. Returns the distance taken out per cycle;
// a clip that travels less than 1 % of the character's height is left exactly as it is.
float RemoveRootMotion(Assets::AnimationData& clip, const Assets::SkeletonData& skeleton, float height);

// The distance the body must travel in one cycle for the feet not to slide: the backward travel,
// summed over the cycle, of whichever vertex of the skinned mesh is lowest at each moment (the
// planted foot), measured with root motion already taken out.
float Stride(const Assets::AnimationData& clip, const Assets::SkeletonData& skeleton, const Assets::MeshData& mesh);

// The demo's "Speed" (world units per frame at speed factor 1) at which that stride does not slide.
float NonSlidingSpeed(float stride, float clipDuration);

}  // namespace CharacterImport
