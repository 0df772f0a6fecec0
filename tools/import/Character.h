#pragma once
// A character on its way from a standard file to the demo's files: skeleton, one merged skinned
// mesh and the file's animations, with everything the import repaired or decided noted for the
// report. Bad input is refused by throwing ImportError with one line saying why.
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <Assets/Formats.h>
#include <Math/Math.h>

namespace CharacterImport {

struct ImportError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One animation of the file. Key times are in the file's ticks.
struct SourceAnimation {
    std::string name;
    double ticksPerSecond = 25.0;
    double durationTicks = 0.0;
    std::vector<Assets::BoneTrack> tracks;
};

// A similarity transform: p' = translation + rotation * (scale * p).
struct Similarity {
    Math::Vector3 translation;
    Math::Quaternion rotation;
    float scale = 1.0f;
};

struct Character {
    // Parents first. Bone locals are as the file has them; roots are relative to the scene
    // node above the skeleton, whose placement is `aboveSkeleton`. Inverse binds, the mesh and
    // the animations' roots are in the scene's space.
    Assets::SkeletonData skeleton;
    Similarity aboveSkeleton;
    Assets::MeshData mesh;
    std::vector<SourceAnimation> animations;
    int fileBones = 0;          // bones that came from the file
    std::string socketOf;       // the arm a socket was added to, if any
    std::set<std::string> placedBySkin;  // unbound bones placed by the skin; their keys are dropped
    std::vector<std::string> notes;  // repairs and decisions, one line each
};

}  // namespace CharacterImport
