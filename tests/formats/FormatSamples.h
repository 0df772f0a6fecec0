#pragma once
// Small valid files of every kind: the format tests lay them out by hand and patch them (their offsets refer to these
// shapes), and the fuzzers start from them.
#include <Assets/Formats.h>

namespace FormatTest {

// A triangle, its last texture coordinates the largest allowed; the skinned one has two vertices of several influences.
inline Assets::MeshData Triangle(bool skinned) {
    Assets::MeshData mesh{skinned, {}, {0, 1, 2}};
    for (float i : {0.0f, 1.0f, 2.0f}) {
        const Math::Vector2 uv = i == 2 ? Math::Vector2(Assets::kMaxMagnitude, -Assets::kMaxMagnitude) : Math::Vector2(i, 0);
        mesh.vertices.push_back({Math::Vector3(i == 1, i == 2, 0), Math::Vector3(0, 0, 1), uv, {10, 20, 30, 255}});
    }
    if (skinned) {
        mesh.vertices[1].boneIndices = {3, 7, 0, 0};
        mesh.vertices[1].boneWeights = {0.25f, 0.75f, 0.0f, 0.0f};
        mesh.vertices[2].boneIndices = {255, 1, 2, 3};
        mesh.vertices[2].boneWeights = {0.1f, 0.2f, 0.3f, 0.4f};
    }
    return mesh;
}

inline Assets::BoneData Bone(const std::string& name, std::int32_t parent, float x) {
    Assets::BoneData bone{name, parent, {Math::Vector3(x, 2.0f, -3.0f), Math::Quaternion(Math::Vector3(0, 0.6f, 0), 0.8f),
                                         Math::Vector3(1.0f, 1.5f, 2.0f)}, {}};
    for (int i = 0; i < 16; ++i) bone.inverseBind.m[i] = static_cast<float>(i) + x;
    return bone;
}

// Hips (root), Spine and Hand_R in a chain; each bone takes 112 bytes and its name.
inline const Assets::SkeletonData kChain{{Bone("Hips", -1, 1.0f), Bone("Spine", 0, 2.0f), Bone("Hand_R", 1, 3.0f)}};

// An empty track for bone 0, then bone 2 with two translation, three rotation and one scale key (the largest scales).
inline Assets::AnimationData Clip() {
    using Math::Quaternion, Math::Vector3;
    const Assets::BoneTrack keyed{2,
                                  {{0.0f, Vector3(1, 2, 3)}, {1.5f, Vector3(4, 5, 6)}},
                                  {{0.0f, Quaternion()}, {0.5f, Quaternion(Vector3(0.6f, 0, 0), 0.8f)}, {1.0f, Quaternion(Vector3(0, 0, 1), 0.0f)}},
                                  {{0.25f, Vector3(2, Assets::kMaxScale, -Assets::kMaxScale)}}};
    return {1.5f, {Assets::BoneTrack{}, keyed}};
}

// Face f is filled with (40 f, 255 - 40 f, 7, 200); its second pixel is (10 + f, 20, 30, 40).
inline Assets::CubeMapData Cube(std::uint32_t size) {
    Assets::CubeMapData cube{size, {}};
    for (std::uint8_t f = 0; f < 6; ++f) {
        for (std::uint32_t p = 0; p < size * size; ++p) {
            const std::uint8_t first[4] = {std::uint8_t(40 * f), std::uint8_t(255 - 40 * f), 7, 200}, second[4] = {std::uint8_t(10 + f), 20, 30, 40};
            cube.faces[f].insert(cube.faces[f].end(), p == 1 ? second : first, (p == 1 ? second : first) + 4);
        }
    }
    return cube;
}

}  // namespace FormatTest
