#pragma once
#include <Assets/Formats.h>

namespace AssetGen {

// A cube spanning [-1, 1] on each axis with outward normals and per-face texture coordinates.
// The app stretches it into the ground (1000 x 10 x 1000, top face at y = 0), so the top face is
// laid with large stone flags of slightly varying tone, which shows the ground passing under the
// walking character.
Assets::MeshData BuildFloorCube();

}  // namespace AssetGen
