#pragma once
// The hand-held weapons. Each is modelled in a grip frame (origin at the centre of the grip;
// +y along the handle out of the thumb side of the fist; +z away from the wrist across the
// handle) and stored in the right hand bone's space at the weapon offset, where the app draws it.
#include <Assets/Formats.h>
#include <Math/Math.h>

namespace AssetGen {

Assets::MeshData BuildSwordMesh();
Assets::MeshData BuildShieldMesh();
Assets::MeshData BuildRevolverMesh();

// Rotation from the grip frame to the right hand bone's space.
Math::Quaternion GripFrameToHandBone();

}  // namespace AssetGen
