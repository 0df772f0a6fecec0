#pragma once
// Ways of binding a shape's vertices to the skeleton.
#include <functional>
#include <vector>

#include "Easing.h"
#include "MeshBuilder.h"

namespace AssetGen {

// Every vertex wholly on one bone.
SkinFunction RigidSkin(int bone);

// One joint of a limb or spine: the bone that starts at `joint`, the direction in which that
// bone continues, and the half-width of the zone over which the weight passes from the bone
// before to this one.
struct JointBlend {
    int bone = 0;
    Math::Vector3 joint;
    Math::Vector3 direction;
    float radius = 1.0f;
};

// A chain of bones (the first entry's joint and direction are unused). A vertex belongs to the
// bones whose joint planes it lies beyond, passing smoothly from bone to bone across each
// joint's blend zone, so a limb bends without cracks and every weight set sums to 1.
SkinFunction ChainSkin(std::vector<JointBlend> chain);

// Bones laid out along a shape's path: bone i owns the part of the path after `starts[i]`,
// blended over `radius` (in path units, 0..1) around each start. For curved shapes such as
// fingers, where planes across the path would cut the shape twice.
SkinFunction PathSkin(std::vector<int> bones, std::vector<float> starts, float radius);

// The two bindings mixed: a's weights scaled by 1 - t, b's by t, with t from the position.
SkinFunction MixSkins(SkinFunction a, SkinFunction b, std::function<float(const Math::Vector3&)> t);

}  // namespace AssetGen
