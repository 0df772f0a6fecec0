#pragma once
// The warrior as the demo loads it: skeleton, skinned mesh, clips and weapons, read through the
// asset readers from the folder the demo runs in (the one that holds resources/).
#include <string>
#include <vector>

#include <Assets/Formats.h>

namespace WarriorExport {

struct NamedClip {
    std::string name;  // the name the demo registers it under
    Assets::AnimationData clip;
};

struct NamedMesh {
    std::string name;
    Assets::MeshData mesh;
};

struct WarriorSource {
    Assets::SkeletonData skeleton;
    Assets::MeshData body;
    std::vector<NamedClip> clips;
    std::vector<NamedMesh> weapons;
};

// Reads every file and checks that glTF can hold it as the demo plays it. On failure returns
// false with the file and the reason in `error`.
bool ReadWarriorSource(const std::string& demoFolder, WarriorSource& out, std::string& error);

}  // namespace WarriorExport
