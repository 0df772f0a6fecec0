#pragma once
// The pieces of the warrior's glTF model, each added to the model in place. Bone i of the
// skeleton is node i, so nodes, skin joints and animation targets share the skeleton's indices.
#include <string>

#include <Assets/Formats.h>
#include <Math/Math.h>
#include <tiny_gltf.h>

#include "GltfBuffer.h"

namespace WarriorExport {

// One node per bone, in bone order, named as the bone, its bind pose as the node's TRS; and
// skin 0 over all of them with the skeleton's inverse bind matrices.
void AddSkeleton(tinygltf::Model& model, GltfBuffer& buffer, const Assets::SkeletonData& skeleton);

// A mesh of one triangle-list primitive skinned by skin 0, drawn with `material`. Colours become
// linear and each vertex's weights sum to one, as glTF requires.
int AddSkinnedMesh(tinygltf::Model& model, GltfBuffer& buffer, const std::string& name,
                   const Assets::MeshData& mesh, int material);

// A static mesh bound wholly to `bone`, its vertices placed where they sit in the bind pose when
// the bone's model-space bind matrix times `grip` carries the mesh. Skinned by that bone with its
// own inverse bind matrix, the mesh then moves as if the bone times `grip` were its world matrix.
Assets::MeshData HeldByBone(const Assets::MeshData& mesh, const Assets::SkeletonData& skeleton,
                            std::uint8_t bone, const Math::Matrix4& grip);

// One animation: a linear sampler and a channel for every channel of every track, every key
// kept, times converted from clip units to seconds.
void AddAnimation(tinygltf::Model& model, GltfBuffer& buffer, const std::string& name,
                  const Assets::AnimationData& clip);

}  // namespace WarriorExport
