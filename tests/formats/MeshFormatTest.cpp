// Meshes: the documented byte layout, lossless round trips and every refusal path.
#include <gtest/gtest.h>

#include <limits>

#include "FormatTestSupport.h"

using Assets::Bytes;
using Assets::MeshData;
using FormatTest::Bits;
using FormatTest::HandBytes;

namespace {

constexpr std::size_t kHeaderBytes = 20;
constexpr std::size_t kStaticVertexBytes = 36;
constexpr std::size_t kSkinnedVertexBytes = 56;
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

MeshData Triangle(bool skinned) {
    MeshData mesh;
    mesh.skinned = skinned;
    for (int i = 0; i < 3; ++i) {
        Assets::MeshVertex v;
        v.position = Math::Vector3(static_cast<float>(i == 1), static_cast<float>(i == 2), 0.0f);
        v.normal = Math::Vector3(0.0f, 0.0f, 1.0f);
        v.uv = Math::Vector2(v.position.x, v.position.y);
        v.color = {10, 20, 30, 255};
        mesh.vertices.push_back(v);
    }
    if (skinned) {
        mesh.vertices[1].boneIndices = {3, 7, 0, 0};
        mesh.vertices[1].boneWeights = {0.25f, 0.75f, 0.0f, 0.0f};
        mesh.vertices[2].boneIndices = {255, 1, 2, 3};
        mesh.vertices[2].boneWeights = {0.1f, 0.2f, 0.3f, 0.4f};
    }
    mesh.indices = {0, 1, 2};
    return mesh;
}

}  // namespace

// The writer produces exactly the bytes the format description lays out.
TEST(MeshLayout, TrianglesMatchTheDocumentedBytes) {
    for (bool skinned : {false, true}) {
        HandBytes expected;
        expected.Text("VMSH").U32(1).U32(skinned ? 1 : 0).U32(3).U32(3);
        const MeshData mesh = Triangle(skinned);
        for (const Assets::MeshVertex& v : mesh.vertices) {
            expected.F32(v.position.x).F32(v.position.y).F32(0);
            expected.F32(0).F32(0).F32(1).F32(v.position.x).F32(v.position.y);
            expected.U8(10).U8(20).U8(30).U8(255);
            if (skinned) {
                for (std::uint8_t index : v.boneIndices) {
                    expected.U8(index);
                }
                for (float weight : v.boneWeights) {
                    expected.F32(weight);
                }
            }
        }
        expected.U32(0).U32(1).U32(2);
        EXPECT_EQ(Assets::WriteMesh(mesh), expected.bytes) << (skinned ? "skinned" : "static");
    }
}

// Whatever the writer writes, the reader gives back unchanged; a static mesh reads back with
// the default influences.
TEST(MeshRoundTrip, StaticAndSkinnedMeshesComeBackUnchanged) {
    for (bool skinned : {false, true}) {
        FormatTest::ExpectReadsBackUnchanged(Assets::ReadMesh, Assets::WriteMesh, Assets::WriteMesh(Triangle(skinned)));
    }
    MeshData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadMesh(Assets::WriteMesh(Triangle(false)), read, error)) << error;
    EXPECT_EQ(read.vertices[2].boneWeights, (std::array<float, 4>{1, 0, 0, 0}));
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(MeshRefusal, EveryTruncationAndTrailingBytes) {
    for (bool skinned : {false, true}) {
        const Bytes valid = Assets::WriteMesh(Triangle(skinned));
        FormatTest::ExpectEveryTruncationRefused(Assets::ReadMesh, valid);
        FormatTest::ExpectTrailingByteRefused(Assets::ReadMesh, valid);
    }
}

// Bad header fields, huge counts (refused from the bytes left, before any allocation) and
// indices past the vertices.
TEST(MeshRefusal, HeaderCountsAndIndices) {
    const Bytes valid = Assets::WriteMesh(Triangle(false));
    FormatTest::ExpectPatchesRefused(Assets::ReadMesh, valid,
                                     {{0, 0x48534D58, "bad magic"},
                                      {4, 2, "version 2"},
                                      {8, 2, "unknown mesh flags"},
                                      {12, 0, "no vertices"},
                                      {16, 0, "multiple of 3"},
                                      {16, 4, "multiple of 3"},
                                      {12, 0xFFFFFFFF, "vertex count 4294967295"},
                                      {16, 0xFFFFFFFF, "index count 4294967295"},
                                      {12, 4, "truncated"},
                                      {valid.size() - 4, 3, "index 3 is not below the vertex count 3"}});
}

TEST(MeshRefusal, NonFiniteFloats) {
    const Bytes valid = Assets::WriteMesh(Triangle(false));
    for (std::size_t f = 0; f < 8; ++f) {
        const std::size_t offset = kHeaderBytes + kStaticVertexBytes + 4 * f;
        FormatTest::ExpectPatchesRefused(Assets::ReadMesh, valid,
                                         {{offset, Bits(kNaN), "not a finite number"},
                                          {offset, Bits(-kInfinity), "not a finite number"}});
    }
}

TEST(MeshRefusal, InsaneWeights) {
    const Bytes valid = Assets::WriteMesh(Triangle(true));
    const std::size_t weights = kHeaderBytes + kSkinnedVertexBytes + 40;  // second vertex: 0.25, 0.75
    FormatTest::ExpectPatchesRefused(Assets::ReadMesh, valid,
                                     {{weights, Bits(-0.25f), "outside [0, 1]"},
                                      {weights + 4, Bits(1.25f), "outside [0, 1]"},
                                      {weights, Bits(0.5f), "instead of 1"},
                                      {weights + 4, Bits(0.0f), "instead of 1"},
                                      {weights, Bits(kNaN), "not a finite number"}});
}
