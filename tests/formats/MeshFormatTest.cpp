// Meshes: the documented byte layout, lossless round trips and every refusal path.
#include "FormatTestSupport.h"

using namespace FormatTest;

constexpr std::size_t kFirstVertex = 20;

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

// Bad header fields, counts past the limits or the bytes left (before any allocation), indices
// past the vertices, floats that are not finite or too large, and skin weights out of range or not
// summing to 1; each message points at the field at fault.
TEST(MeshFormat, EveryRefusal) {
    const Assets::Bytes flat = Assets::WriteMesh(Triangle(false));
    ExpectPatchesRefused(Assets::ReadMesh, flat,
                         {{0, 0x48534D58, "bad magic"},
                          {4, 2, "version 2"},
                          {8, 2, "unknown mesh flags"},
                          {12, 0, "vertex count 0 outside 1..1000000"},
                          {16, 0, "index count 0 outside 3..3000000"},
                          {16, 4, "multiple of 3"},
                          {12, 1000001, "vertex count 1000001 outside"},
                          {16, 3000003, "index count 3000003 outside"},
                          {12, 4, "truncated"},
                          {12, 2, "36 unexpected bytes", kFirstVertex + 2 * 36 + 3 * 4},
                          {flat.size() - 4, 3, "index 3 is not below the vertex count 3"}});
    for (std::size_t f = kFirstVertex + 36; f < kFirstVertex + 68; f += 4) {  // position, normal and uv of the second vertex
        ExpectPatchesRefused(Assets::ReadMesh, flat, {{f, Bits(kNaN), "not a finite number"}, {f, Bits(-1.01e5f), "exceeds"}});
    }
    const std::size_t weights = kFirstVertex + 56 + 40;  // second skinned vertex: 0.25, 0.75
    ExpectPatchesRefused(Assets::ReadMesh, Assets::WriteMesh(Triangle(true)),
                         {{weights, Bits(-0.25f), "outside [0, 1]"},
                          {weights + 4, Bits(1.25f), "outside [0, 1]"},
                          {weights, Bits(0.5f), "instead of 1"},
                          {weights + 4, Bits(0.0f), "instead of 1", weights},
                          {weights, Bits(-kInfinity), "not a finite number"}});
}
