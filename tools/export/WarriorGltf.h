#pragma once
// The warrior as one glTF model and its binary (.glb) file.
#include <string>

#include <tiny_gltf.h>

#include "WarriorSource.h"

namespace WarriorExport {

// Nodes 0 .. B-1 are the skeleton's bones, then one node for the warrior's mesh and one per
// weapon. glTF cannot show one of several meshes at a time, so there is one scene per weapon,
// each holding the skeleton, the warrior and that weapon; the first (the sword, the demo's
// default) is the default scene. The weapons are skinned to the right hand, so the skeleton,
// skin and animations are shared by every scene and a viewer moves the weapon with the hand.
tinygltf::Model BuildWarriorGltf(const WarriorSource& source);

// Writes the model as binary glTF, first beside `path` and then renamed over it, so a failed
// export never leaves a partial file.
bool WriteGlb(const tinygltf::Model& model, const std::string& path, std::string& error);

}  // namespace WarriorExport
