#pragma once
// Poses of an imported clip, for the import's own measurements and edits: a channel's value at
// any time (linear between keys, held outside them) and the model-space bone matrices at a time.
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace CharacterImport {

Math::Vector3 SampleChannel(const std::vector<Assets::Vector3Key>& keys, float time, const Math::Vector3& otherwise);
Math::Quaternion SampleChannel(const std::vector<Assets::RotationKey>& keys, float time,
                               const Math::Quaternion& otherwise);

// Model-space bone matrices of `clip` at `time`; bones without a track keep their bind pose.
std::vector<Math::Matrix4> ModelPose(const Assets::SkeletonData& skeleton, const std::vector<Assets::BoneTrack>& tracks,
                                     float time);

// Model-space bone matrices of the bind pose.
std::vector<Math::Matrix4> BindPose(const Assets::SkeletonData& skeleton);

// A vertex skinned by model-space bone matrices.
Math::Vector3 SkinnedPosition(const Assets::MeshVertex& vertex, const Assets::SkeletonData& skeleton,
                              const std::vector<Math::Matrix4>& pose);

}  // namespace CharacterImport
