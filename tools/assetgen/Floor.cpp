#include "Floor.h"

#include "Noise.h"

namespace AssetGen {

using Math::Vector3;

namespace {

constexpr int kFlagsPerSide = 16;
constexpr std::uint32_t kFlagSeed = 17;
// Light sandstone, in sRGB.
constexpr float kGround[3] = {150.0f, 141.0f, 120.0f};

void AddQuad(Assets::MeshData& mesh, const Vector3 corners[4], const Vector3& normal,
             const std::array<std::uint8_t, 4>& color) {
    const auto base = static_cast<std::uint32_t>(mesh.vertices.size());
    const Math::Vector2 uvs[4] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
    for (int i = 0; i < 4; ++i) {
        Assets::MeshVertex vertex;
        vertex.position = corners[i];
        vertex.normal = normal;
        vertex.uv = uvs[i];
        vertex.color = color;
        mesh.vertices.push_back(vertex);
    }
    for (std::uint32_t index : {0u, 1u, 2u, 0u, 2u, 3u}) {
        mesh.indices.push_back(base + index);
    }
}

std::array<std::uint8_t, 4> Tone(float scale) {
    std::array<std::uint8_t, 4> color{255, 255, 255, 255};
    for (int c = 0; c < 3; ++c) {
        color[c] = static_cast<std::uint8_t>(kGround[c] * scale + 0.5f);
    }
    return color;
}

}  // namespace

Assets::MeshData BuildFloorCube() {
    Assets::MeshData mesh;
    mesh.skinned = false;
    // Each face: outward normal, then two axes spanning it such that u x v points outwards.
    const Vector3 faces[6][3] = {
        {Vector3(1, 0, 0), Vector3(0, 0, -1), Vector3(0, 1, 0)}, {Vector3(-1, 0, 0), Vector3(0, 0, 1), Vector3(0, 1, 0)},
        {Vector3(0, 1, 0), Vector3(1, 0, 0), Vector3(0, 0, -1)}, {Vector3(0, -1, 0), Vector3(1, 0, 0), Vector3(0, 0, 1)},
        {Vector3(0, 0, 1), Vector3(1, 0, 0), Vector3(0, 1, 0)},  {Vector3(0, 0, -1), Vector3(-1, 0, 0), Vector3(0, 1, 0)},
    };
    for (const auto& face : faces) {
        const Vector3& n = face[0];
        const Vector3& u = face[1];
        const Vector3& v = face[2];
        const bool top = n.y > 0.5f;
        const int cells = top ? kFlagsPerSide : 1;
        for (int i = 0; i < cells; ++i) {
            for (int j = 0; j < cells; ++j) {
                const float u0 = -1.0f + 2.0f * i / cells, u1 = -1.0f + 2.0f * (i + 1) / cells;
                const float v0 = -1.0f + 2.0f * j / cells, v1 = -1.0f + 2.0f * (j + 1) / cells;
                const Vector3 corners[4] = {n + u * u0 + v * v0, n + u * u1 + v * v0, n + u * u1 + v * v1,
                                            n + u * u0 + v * v1};
                const float scale = top ? 0.94f + 0.12f * HashUnit(i, j, kFlagSeed) : 0.8f;
                AddQuad(mesh, corners, n, Tone(scale));
            }
        }
    }
    return mesh;
}

}  // namespace AssetGen
