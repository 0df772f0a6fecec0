// Meshes: the documented byte layout, lossless round trips and every refusal path.
#include <limits>

#include "FormatTestSupport.h"

using namespace FormatTest;

namespace {

constexpr std::size_t kFirstVertex = 20;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// A triangle; the skinned one has two vertices with several influences.
Assets::MeshData Triangle(bool skinned) {
    Assets::MeshData mesh{skinned, {}, {0, 1, 2}};
    for (float i : {0.0f, 1.0f, 2.0f}) {
        const Math::Vector3 position(i == 1, i == 2, 0);
        mesh.vertices.push_back({position, Math::Vector3(0, 0, 1), Math::Vector2(position.x, position.y), {10, 20, 30, 255}});
    }
    if (skinned) {
        mesh.vertices[1].boneIndices = {3, 7, 0, 0};
        mesh.vertices[1].boneWeights = {0.25f, 0.75f, 0.0f, 0.0f};
        mesh.vertices[2].boneIndices = {255, 1, 2, 3};
        mesh.vertices[2].boneWeights = {0.1f, 0.2f, 0.3f, 0.4f};
    }
    return mesh;
}

}  // namespace

// The writer produces exactly the bytes the format description lays out; the reader gives back
// what was written, a static mesh with the default influences; a file of the wrong length is refused.
TEST(MeshFormat, LayoutRoundTripAndExactLength) {
    for (bool skinned : {false, true}) {
        const Assets::MeshData mesh = Triangle(skinned);
        HandBytes expected;
        expected.Text("VMSH").U32(1).U32(skinned ? 1 : 0).U32(3).U32(3);
        for (const Assets::MeshVertex& v : mesh.vertices) {
            expected.F32(v.position.x).F32(v.position.y).F32(0).F32(0).F32(0).F32(1).F32(v.uv.x).F32(v.uv.y);
            expected.U8(10).U8(20).U8(30).U8(255);
            for (int k = 0; skinned && k < 4; ++k) expected.U8(v.boneIndices[k]);
            for (int k = 0; skinned && k < 4; ++k) expected.F32(v.boneWeights[k]);
        }
        expected.U32(0).U32(1).U32(2);
        EXPECT_EQ(Assets::WriteMesh(mesh), expected.bytes) << (skinned ? "skinned" : "static");
        ExpectRoundTripAndExactLength(Assets::ReadMesh, Assets::WriteMesh, mesh);
    }
    Assets::MeshData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadMesh(Assets::WriteMesh(Triangle(false)), read, error)) << error;
    EXPECT_EQ(read.vertices[2].boneWeights, (std::array<float, 4>{1, 0, 0, 0}));
}

// Bad header fields, huge counts (refused from the bytes left, before any allocation), indices
// past the vertices, floats that are not finite, and skin weights out of range or not summing to 1.
TEST(MeshFormat, EveryRefusal) {
    const Assets::Bytes flat = Assets::WriteMesh(Triangle(false));
    ExpectPatchesRefused(Assets::ReadMesh, flat,
                         {{0, 0x48534D58, "bad magic"},
                          {4, 2, "version 2"},
                          {8, 2, "unknown mesh flags"},
                          {12, 0, "no vertices"},
                          {16, 0, "multiple of 3"},
                          {16, 4, "multiple of 3"},
                          {12, 0xFFFFFFFF, "vertex count 4294967295"},
                          {16, 0xFFFFFFFF, "index count 4294967295"},
                          {12, 4, "truncated"},
                          {flat.size() - 4, 3, "index 3 is not below the vertex count 3"}});
    for (std::size_t f = 0; f < 8; ++f) {  // position, normal and uv of the second vertex
        ExpectPatchesRefused(Assets::ReadMesh, flat, {{kFirstVertex + 36 + 4 * f, Bits(kNaN), "not a finite number"}});
    }
    const std::size_t weights = kFirstVertex + 56 + 40;  // second skinned vertex: 0.25, 0.75
    ExpectPatchesRefused(Assets::ReadMesh, Assets::WriteMesh(Triangle(true)),
                         {{weights, Bits(-0.25f), "outside [0, 1]"},
                          {weights + 4, Bits(1.25f), "outside [0, 1]"},
                          {weights, Bits(0.5f), "instead of 1"},
                          {weights + 4, Bits(0.0f), "instead of 1"},
                          {weights, Bits(-std::numeric_limits<float>::infinity()), "not a finite number"}});
}
