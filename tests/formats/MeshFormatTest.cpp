// Meshes: the documented byte layout, lossless round trips and every refusal path.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FormatTestSupport.h"

using Assets::Bytes;
using Assets::MeshData;
using Assets::MeshVertex;
using FormatTest::HandBytes;
using FormatTest::PutF32;
using FormatTest::PutU32;
using FormatTest::Refuses;

namespace {

constexpr std::size_t kHeaderBytes = 20;
constexpr std::size_t kStaticVertexBytes = 36;
constexpr std::size_t kSkinnedVertexBytes = 56;

MeshVertex Vertex(float x, float y, float z) {
    MeshVertex v;
    v.position = Math::Vector3(x, y, z);
    v.normal = Math::Vector3(0.0f, 0.0f, 1.0f);
    v.uv = Math::Vector2(x, y);
    v.color = {10, 20, 30, 255};
    return v;
}

MeshData Triangle(bool skinned) {
    MeshData mesh;
    mesh.skinned = skinned;
    mesh.vertices = {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)};
    if (skinned) {
        mesh.vertices[1].boneIndices = {3, 7, 0, 0};
        mesh.vertices[1].boneWeights = {0.25f, 0.75f, 0.0f, 0.0f};
        mesh.vertices[2].boneIndices = {255, 1, 2, 3};
        mesh.vertices[2].boneWeights = {0.1f, 0.2f, 0.3f, 0.4f};
    }
    mesh.indices = {0, 1, 2};
    return mesh;
}

void ExpectSameMesh(const MeshData& a, const MeshData& b) {
    ASSERT_EQ(a.skinned, b.skinned);
    ASSERT_EQ(a.vertices.size(), b.vertices.size());
    for (std::size_t i = 0; i < a.vertices.size(); ++i) {
        const MeshVertex& x = a.vertices[i];
        const MeshVertex& y = b.vertices[i];
        EXPECT_EQ(x.position, y.position) << "vertex " << i;
        EXPECT_EQ(x.normal, y.normal) << "vertex " << i;
        EXPECT_EQ(x.uv.x, y.uv.x) << "vertex " << i;
        EXPECT_EQ(x.uv.y, y.uv.y) << "vertex " << i;
        EXPECT_EQ(x.color, y.color) << "vertex " << i;
        EXPECT_EQ(x.boneIndices, y.boneIndices) << "vertex " << i;
        EXPECT_EQ(x.boneWeights, y.boneWeights) << "vertex " << i;
    }
    EXPECT_EQ(a.indices, b.indices);
}

}  // namespace

// The writer produces exactly the bytes the format description lays out.
TEST(MeshLayout, StaticTriangleMatchesTheDocumentedBytes) {
    HandBytes expected;
    expected.Text("VMSH").U32(1).U32(0).U32(3).U32(3);
    const float corners[3][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    for (const auto& c : corners) {
        expected.F32(c[0]).F32(c[1]).F32(c[2]).F32(0).F32(0).F32(1).F32(c[0]).F32(c[1]);
        expected.U8(10).U8(20).U8(30).U8(255);
    }
    expected.U32(0).U32(1).U32(2);
    EXPECT_EQ(Assets::WriteMesh(Triangle(false)), expected.bytes);
}

TEST(MeshLayout, SkinnedVertexAppendsIndicesThenWeights) {
    const Bytes bytes = Assets::WriteMesh(Triangle(true));
    ASSERT_EQ(bytes.size(), kHeaderBytes + 3 * kSkinnedVertexBytes + 3 * 4);
    const std::size_t second = kHeaderBytes + kSkinnedVertexBytes;
    HandBytes influences;
    influences.U8(3).U8(7).U8(0).U8(0).F32(0.25f).F32(0.75f).F32(0).F32(0);
    EXPECT_EQ(Bytes(bytes.begin() + second + 36, bytes.begin() + second + 56), influences.bytes);
    EXPECT_EQ(bytes[8], 1u) << "skinned flag";
}

// Whatever the writer writes, the reader gives back unchanged.
TEST(MeshRoundTrip, StaticAndSkinnedMeshesComeBackUnchanged) {
    for (bool skinned : {false, true}) {
        const MeshData original = Triangle(skinned);
        MeshData read;
        std::string error;
        ASSERT_TRUE(Assets::ReadMesh(Assets::WriteMesh(original), read, error)) << error;
        ExpectSameMesh(original, read);
    }
}

TEST(MeshRoundTrip, StaticMeshReadsBackWithDefaultInfluences) {
    MeshData withStrayWeights = Triangle(false);
    withStrayWeights.vertices[0].boneIndices = {9, 9, 9, 9};
    MeshData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadMesh(Assets::WriteMesh(withStrayWeights), read, error)) << error;
    EXPECT_EQ(read.vertices[0].boneIndices, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(read.vertices[0].boneWeights, (std::array<float, 4>{1, 0, 0, 0}));
}

TEST(MeshRoundTrip, ExtremeButFiniteValuesSurvive) {
    MeshData mesh = Triangle(true);
    mesh.vertices[0].position = Math::Vector3(std::numeric_limits<float>::max(), -0.0f,
                                              std::numeric_limits<float>::denorm_min());
    MeshData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadMesh(Assets::WriteMesh(mesh), read, error)) << error;
    EXPECT_EQ(read.vertices[0].position.x, std::numeric_limits<float>::max());
    EXPECT_TRUE(std::signbit(read.vertices[0].position.y));
    EXPECT_EQ(read.vertices[0].position.z, std::numeric_limits<float>::denorm_min());
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(MeshRefusal, EveryTruncationAndTrailingBytes) {
    for (bool skinned : {false, true}) {
        const Bytes valid = Assets::WriteMesh(Triangle(skinned));
        FormatTest::ExpectEveryTruncationRefused(Assets::ReadMesh, valid);
        FormatTest::ExpectTrailingByteRefused(Assets::ReadMesh, valid);
    }
}

TEST(MeshRefusal, HeaderFields) {
    const Bytes valid = Assets::WriteMesh(Triangle(false));
    Bytes bytes = valid;
    bytes[0] = 'X';
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "bad magic"));
    bytes = valid;
    PutU32(bytes, 4, 2);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "version 2"));
    bytes = valid;
    PutU32(bytes, 8, 2);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "unknown mesh flags"));
    bytes = valid;
    PutU32(bytes, 12, 0);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "no vertices"));
    bytes = valid;
    PutU32(bytes, 16, 0);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "multiple of 3"));
    bytes = valid;
    PutU32(bytes, 16, 4);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "multiple of 3"));
}

// Huge counts are refused from the bytes left, before anything is allocated for them.
TEST(MeshRefusal, OversizedCounts) {
    const Bytes valid = Assets::WriteMesh(Triangle(true));
    Bytes bytes = valid;
    PutU32(bytes, 12, 0xFFFFFFFFu);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "vertex count 4294967295"));
    bytes = valid;
    PutU32(bytes, 16, 0xFFFFFFFFu);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "index count 4294967295"));
    bytes = valid;
    PutU32(bytes, 12, 4);  // one vertex more than stored: the indices would be read as a vertex
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "truncated"));
}

TEST(MeshRefusal, IndexNotBelowVertexCount) {
    Bytes bytes = Assets::WriteMesh(Triangle(false));
    PutU32(bytes, bytes.size() - 4, 3);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "index 3 is not below the vertex count 3"));
}

TEST(MeshRefusal, NonFiniteFloats) {
    const Bytes valid = Assets::WriteMesh(Triangle(false));
    const std::size_t floatsPerVertex = 8;
    for (std::size_t f = 0; f < floatsPerVertex; ++f) {
        for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
            Bytes bytes = valid;
            PutF32(bytes, kHeaderBytes + kStaticVertexBytes + 4 * f, bad);
            EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "not a finite number")) << "float " << f;
        }
    }
}

TEST(MeshRefusal, InsaneWeights) {
    const Bytes valid = Assets::WriteMesh(Triangle(true));
    const std::size_t weights = kHeaderBytes + kSkinnedVertexBytes + 40;
    Bytes bytes = valid;
    PutF32(bytes, weights, -0.25f);
    PutF32(bytes, weights + 4, 1.25f);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "outside [0, 1]"));
    bytes = valid;
    PutF32(bytes, weights, 0.5f);  // 0.5 + 0.75
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "instead of 1"));
    bytes = valid;
    PutF32(bytes, weights, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "not a finite number"));
    bytes = valid;
    PutF32(bytes, weights, 0.0f);
    PutF32(bytes, weights + 4, 0.0f);
    EXPECT_TRUE(Refuses(Assets::ReadMesh, bytes, "instead of 1")) << "all-zero weights";
}
