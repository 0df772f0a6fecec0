#pragma once
// Poses of an imported clip for the import's own measurements and edits, sampled by the demo's
// own animation runtime so they are the poses the demo will show.
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace CharacterImport {

// One bone's local pose from its track at `time`; channels without keys keep `bind`.
Math::VQS SampleTrack(const Assets::BoneTrack& track, float time, const Math::VQS& bind);

// Model-space bone matrices of a clip at `time`; bones without a track keep their bind pose.
std::vector<Math::Matrix4> ModelPose(const Assets::SkeletonData& skeleton, const Assets::AnimationData& clip,
                                     float time);

// Model-space bone matrices of the bind pose.
std::vector<Math::Matrix4> BindPose(const Assets::SkeletonData& skeleton);

// A vertex skinned by model-space bone matrices.
Math::Vector3 SkinnedPosition(const Assets::MeshVertex& vertex, const Assets::SkeletonData& skeleton,
                              const std::vector<Math::Matrix4>& pose);

}  // namespace CharacterImport
