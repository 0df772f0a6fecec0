#include "CharacterFit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>


namespace CharacterImport {

namespace {

// outer after inner.
Similarity Compose(const Similarity& outer, const Similarity& inner)
{
    return {outer.translation + Math::Rotate(outer.rotation, inner.translation * outer.scale),
            outer.rotation * inner.rotation, outer.scale * inner.scale};
}

Math::Matrix4 ToMatrix(const Similarity& s)
{
    return Math::Matrix4::TRS(s.translation, s.rotation, Math::Vector3::one * s.scale);
}

Math::Quaternion FacingToPlusZ(Facing facing)
{
    constexpr float kHalfTurn = 3.14159265358979f;
    switch (facing) {
    case Facing::MinusZ: return Math::Quaternion::RotateY(kHalfTurn);
    case Facing::PlusX: return Math::Quaternion::RotateY(-kHalfTurn / 2);
    case Facing::MinusX: return Math::Quaternion::RotateY(kHalfTurn / 2);
    case Facing::PlusZ: break;
    }
    return Math::Quaternion::identity;
}

// Root bones take the whole placement; every bone's offset from its parent scales by it, so the
// frames themselves stay unscaled.
void PlaceBone(bool root, const Similarity& placement, Math::Vector3& translation, Math::Quaternion* rotation)
{
    translation = translation * placement.scale;
    if (root) {
        translation = placement.translation + Math::Rotate(placement.rotation, translation);
        if (rotation != nullptr) {
            *rotation = placement.rotation * *rotation;
        }
    }
}

void Place(Character& character, const Similarity& scene, const Similarity& roots)
{
    const Math::Matrix4 unscale = Math::Matrix4::TRS(Math::Vector3::zero, Math::Quaternion::identity,
                                                     Math::Vector3::one * roots.scale);
    const Math::Matrix4 sceneInverse = Math::Inverse(ToMatrix(scene));
    for (Assets::BoneData& bone : character.skeleton.bones) {
        PlaceBone(bone.parent < 0, roots, bone.bindPose.translation, &bone.bindPose.rotation);
        bone.inverseBind = unscale * bone.inverseBind * sceneInverse;
    }
    for (SourceAnimation& animation : character.animations) {
        for (Assets::BoneTrack& track : animation.tracks) {
            const bool root = character.skeleton.bones[track.bone].parent < 0;
            for (Assets::Vector3Key& key : track.translations) {
                PlaceBone(root, roots, key.value, nullptr);
            }
            if (root) {
                for (Assets::RotationKey& key : track.rotations) {
                    key.value = roots.rotation * key.value;
                }
            }
        }
    }
    for (Assets::MeshVertex& vertex : character.mesh.vertices) {
        vertex.position = Math::TransformPoint(ToMatrix(scene), vertex.position);
        vertex.normal = Math::Rotate(scene.rotation, vertex.normal);
    }
}

}  // namespace

float BindHeight(const Assets::MeshData& mesh)
{
    float low = INFINITY, high = -INFINITY;
    for (const Assets::MeshVertex& vertex : mesh.vertices) {
        low = std::min(low, vertex.position.y);
        high = std::max(high, vertex.position.y);
    }
    return high - low;
}

void FitToDemo(Character& character, Facing facing)
{
    Math::Vector3 low(INFINITY, INFINITY, INFINITY), high(-INFINITY, -INFINITY, -INFINITY);
    const Math::Quaternion turn = FacingToPlusZ(facing);
    for (const Assets::MeshVertex& vertex : character.mesh.vertices) {
        const Math::Vector3 p = Math::Rotate(turn, vertex.position);
        low = Math::Vector3(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = Math::Vector3(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
    const float height = high.y - low.y;
    if (!(height > 0.0f)) {
        throw ImportError("the mesh has no height");
    }
    Similarity scene;
    scene.rotation = turn;
    char line[160];
    // A figure's largest extent is its height. Something longer than tall (a beam bent by a bone
    // chain, an animal) is fitted by its length, so it still fits the scene the warrior walks.
    const float size = std::max({height, high.x - low.x, high.z - low.z});
    if (size < kMinKeptHeight || size > kMaxKeptHeight) {
        scene.scale = kTargetHeight / size;
        std::snprintf(line, sizeof line, "scaled by %.4g from %.4g units %s to %.0f", scene.scale, size,
                      size == height ? "tall" : "long", kTargetHeight);
        character.notes.push_back(line);
    }
    // Feet to the floor and the body over the origin, each only when clearly off.
    Math::Vector3 shift = Math::Vector3((low.x + high.x) / 2, low.y, (low.z + high.z) / 2) * -scene.scale;
    if (std::fabs(shift.y) <= kFeetTolerance) {
        shift.y = 0.0f;
    }
    if (std::hypot(shift.x, shift.z) <= kCentreTolerance * kTargetHeight) {
        shift.x = shift.z = 0.0f;
    }
    scene.translation = shift;
    if (shift != Math::Vector3::zero) {
        std::snprintf(line, sizeof line, "moved by (%.3g, %.3g, %.3g) to stand on y = 0 over the origin", shift.x,
                      shift.y, shift.z);
        character.notes.push_back(line);
    }
    if (facing != Facing::PlusZ) {
        character.notes.push_back("turned to face +z");
    }
    Place(character, scene, Compose(scene, character.aboveSkeleton));
    character.aboveSkeleton = Similarity{};
}

}  // namespace CharacterImport
