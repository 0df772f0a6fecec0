// Our own formats (.mesh, .ske, .anim). Layout: the writer produces exactly the bytes
// docs/formats.md lays out, what it wrote reads back unchanged, a file of the wrong length is
// refused. Refusals: counts are checked against the limits and the bytes left before any
// allocation, and each message points at the field at fault.
#include "FormatTestSupport.h"

using namespace FormatTest;

constexpr std::size_t kFirstVertex = 20;

// Static and skinned; a static mesh reads with the default influences.
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

// Bad header fields and counts, indices past the vertices, floats that are not finite or too
// large, and skin weights out of range or not summing to 1.
TEST(MeshFormat, EveryRefusal) {
    const Assets::Bytes flat = Assets::WriteMesh(Triangle(false));
    ExpectPatchesRefused(Assets::ReadMesh, flat,
                         {{0, 0x48534D58, "bad magic"}, {4, 2, "version 2"}, {8, 2, "unknown mesh flags"},
                          {12, 0, "vertex count 0 outside 1..1000000"}, {16, 0, "index count 0 outside 3..3000000"},
                          {16, 4, "multiple of 3"}, {12, 1000001, "vertex count 1000001 outside"},
                          {16, 3000003, "index count 3000003 outside"}, {12, 4, "truncated"},
                          {12, 2, "36 unexpected bytes", kFirstVertex + 2 * 36 + 3 * 4},
                          {flat.size() - 4, 3, "index 3 is not below the vertex count 3"}});
    for (std::size_t f = kFirstVertex + 36; f < kFirstVertex + 68; f += 4) {  // position, normal and uv of the second vertex
        ExpectPatchesRefused(Assets::ReadMesh, flat, {{f, Bits(kNaN), "not a finite number"}, {f, Bits(-1.01e5f), "exceeds"}});
    }
    const std::size_t weights = kFirstVertex + 56 + 40;  // second skinned vertex: 0.25, 0.75
    ExpectPatchesRefused(Assets::ReadMesh, Assets::WriteMesh(Triangle(true)),
                         {{weights, Bits(-0.25f), "outside [0, 1]"}, {weights + 4, Bits(1.25f), "outside [0, 1]"},
                          {weights, Bits(0.5f), "instead of 1"}, {weights + 4, Bits(0.0f), "instead of 1", weights},
                          {weights, Bits(-kInfinity), "not a finite number"}});
}

constexpr std::size_t kFirstBone = 12;
constexpr std::size_t kHipsParent = kFirstBone + 4 + 4;
constexpr std::size_t kSpineParent = kHipsParent + 108 + 4 + 5;
constexpr std::size_t kHandParent = kSpineParent + 108 + 4 + 6;

// Several roots, the longest name, names beyond ASCII and the largest scales read back unchanged.
TEST(SkeletonFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VSKE").U32(1).U32(1).U32(4).Text("Root").U32(0xFFFFFFFF);
    expected.F32(1).F32(2).F32(-3).F32(0).F32(0.6f).F32(0).F32(0.8f).F32(1).F32(1.5f).F32(2);
    for (int i = 0; i < 16; ++i) expected.F32(static_cast<float>(i) + 1.0f);
    EXPECT_EQ(Assets::WriteSkeleton(Assets::SkeletonData{{Bone("Root", -1, 1.0f)}}), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, kChain);
    Assets::SkeletonData forest{{Bone(std::string(255, 'n'), -1, 0), Bone("R\xC3\xBC" "cken \xF0\x9F\xA6\xB4", -1, 0), Bone("Leaf", 1, 0)}};
    forest.bones[2].bindPose.scale = Math::Vector3(Assets::kMaxScale, -Assets::kMaxScale, 1e-3f);
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, forest);
}

// Bad header fields and names (UTF-8 only), a parent that is not an earlier bone (one pass over the
// bones must build the hierarchy), floats that are not finite or too large, and rotations that are
// not unit quaternions.
TEST(SkeletonFormat, EveryRefusal) {
    const Assets::Bytes valid = Assets::WriteSkeleton(kChain);
    ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                         {{0, 0x454B5357, "bad magic"}, {4, 0, "version 0"}, {8, 0, "bone count 0 outside 1..1024"},
                          {8, 1025, "bone count 1025 outside"}, {8, 1024, "truncated or oversized"},
                          {kFirstBone, 0, "name length 0"}, {kFirstBone, 256, "name length 256"},
                          {kFirstBone + 4, 0x73700048, "NUL"},        // "H\0ps"
                          {kFirstBone + 4, 0x7370FF48, "not UTF-8"},  // a byte no UTF-8 text holds
                          {kFirstBone + 4, 0x7370C348, "not UTF-8"},  // a sequence cut short
                          {kFirstBone + 4, 0x80A0ED48, "not UTF-8"},  // a surrogate
                          {kHipsParent, 0, "earlier bone"}, {kSpineParent, 1, "earlier bone"},
                          {kSpineParent, 2, "earlier bone"}, {kHandParent, 0xFFFFFFFE, "earlier bone"},
                          {kSpineParent + 28, Bits(0.9f), "not a unit quaternion", kSpineParent + 16},  // |(0, 0.6, 0, 0.9)|
                          {kSpineParent + 4, Bits(3e38f), "bind translation 3e+38 exceeds the limit of 100000"},
                          {kSpineParent + 40, Bits(-1001.0f), "bind scale -1001 exceeds the limit of 1000"}});
    for (std::size_t f = kSpineParent + 4; f < kSpineParent + 108; f += 4) {  // translation, rotation, scale, inverse bind
        ExpectPatchesRefused(Assets::ReadSkeleton, valid, {{f, Bits(kNaN), "not a finite"}});
    }
}

// Offsets inside Clip()'s file.
constexpr std::size_t kEmptyTrack = 16;
constexpr std::size_t kKeyedTrack = kEmptyTrack + 16;
constexpr std::size_t kTranslationKeys = kKeyedTrack + 16;
constexpr std::size_t kRotationKeys = kTranslationKeys + 2 * 16;
constexpr std::size_t kScaleKeys = kRotationKeys + 3 * 20;

// Tracks are written in bone order whatever order they are given in; clips with and without
// tracks read back unchanged.
TEST(AnimationFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VANM").U32(1).F32(1.5f).U32(2).U32(0).U32(0).U32(0).U32(0).U32(2).U32(2).U32(3).U32(1);
    expected.F32(0).F32(1).F32(2).F32(3).F32(1.5f).F32(4).F32(5).F32(6);
    expected.F32(0).F32(0).F32(0).F32(0).F32(1).F32(0.5f).F32(0.6f).F32(0).F32(0).F32(0.8f);
    expected.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0.25f).F32(2).F32(1000).F32(-1000);
    EXPECT_EQ(Assets::WriteAnimation(Clip()), expected.bytes);
    Assets::AnimationData reversed = Clip();
    std::swap(reversed.tracks[0], reversed.tracks[1]);
    EXPECT_EQ(Assets::WriteAnimation(reversed), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Clip());
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Assets::AnimationData{2.0f, {}});
}

// Bad header fields and counts, keys or tracks out of order (sampling walks them in order), and
// key values that are not finite, too large or not unit rotations.
TEST(AnimationFormat, EveryRefusal) {
    ExpectPatchesRefused(Assets::ReadAnimation, Assets::WriteAnimation(Clip()),
                         {{0, 0x4D4E4158, "bad magic"}, {4, 1000, "version 1000"}, {8, Bits(0.0f), "not positive"},
                          {8, Bits(-1.0f), "not positive"}, {8, Bits(kInfinity), "duration is not a finite"},
                          {8, Bits(1.01e5f), "duration 101000 exceeds the limit of 100000"},
                          {12, 1025, "track count 1025 outside 0..1024"},
                          {kKeyedTrack + 4, 100001, "translation key count 100001 outside"},
                          {kKeyedTrack + 12, 100001, "scale key count 100001 outside"},
                          {kKeyedTrack + 8, 100000, "truncated or oversized: rotation key count"},
                          {kTranslationKeys + 16, Bits(0.0f), "increase strictly"},  // equal to the first key
                          {kRotationKeys + 40, Bits(0.25f), "increase strictly"},    // third before second
                          {kRotationKeys + 20, Bits(kNaN), "key time is not a finite number"},
                          {kTranslationKeys + 16, Bits(1.01e5f), "key time 101000 exceeds"},
                          {kEmptyTrack, 2, "bone 2 has more than one track", kKeyedTrack},
                          {kEmptyTrack, 3, "not in increasing bone order (bone 2 after bone 3)", kKeyedTrack},
                          {kTranslationKeys + 8, Bits(kNaN), "not a finite number"},
                          {kTranslationKeys + 4, Bits(3e38f), "key value 3e+38 exceeds the limit of 100000"},
                          {kScaleKeys + 12, Bits(-kInfinity), "not a finite"},
                          {kScaleKeys + 4, Bits(1001.0f), "key value 1001 exceeds the limit of 1000"},
                          {kRotationKeys + 36, Bits(0.0f), "not a unit quaternion", kRotationKeys + 24}});  // (0.6, 0, 0, 0)
}
