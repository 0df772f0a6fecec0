#pragma once
// The two character meshes, both in the skeleton's bind pose: the armoured warrior ("Player",
// skinned) and an unarmoured figure ("Human", static).
#include <Assets/Formats.h>

namespace AssetGen {

Assets::MeshData BuildWarriorMesh();
Assets::MeshData BuildHumanMesh();

}  // namespace AssetGen
