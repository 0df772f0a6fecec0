// Skeletons: the documented byte layout, lossless round trips and every refusal path.
#include "FormatTestSupport.h"

using namespace FormatTest;

constexpr std::size_t kFirstBone = 12;
constexpr std::size_t kHipsParent = kFirstBone + 4 + 4;
constexpr std::size_t kSpineParent = kHipsParent + 108 + 4 + 5;
constexpr std::size_t kHandParent = kSpineParent + 108 + 4 + 6;

// The writer produces exactly the bytes the format description lays out; several roots, the
// longest name, names beyond ASCII and the largest scales read back unchanged; a file of the wrong
// length is refused.
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
// not unit quaternions; each message points at the field at fault.
TEST(SkeletonFormat, EveryRefusal) {
    const Assets::Bytes valid = Assets::WriteSkeleton(kChain);
    ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                         {{0, 0x454B5357, "bad magic"},
                          {4, 0, "version 0"},
                          {8, 0, "bone count 0 outside 1..1024"},
                          {8, 1025, "bone count 1025 outside"},
                          {8, 1024, "truncated or oversized"},
                          {kFirstBone, 0, "name length 0"},
                          {kFirstBone, 256, "name length 256"},
                          {kFirstBone + 4, 0x73700048, "NUL"},        // "H\0ps"
                          {kFirstBone + 4, 0x7370FF48, "not UTF-8"},  // a byte no UTF-8 text holds
                          {kFirstBone + 4, 0x7370C348, "not UTF-8"},  // a sequence cut short
                          {kFirstBone + 4, 0x80A0ED48, "not UTF-8"},  // a surrogate
                          {kHipsParent, 0, "earlier bone"},
                          {kSpineParent, 1, "earlier bone"},
                          {kSpineParent, 2, "earlier bone"},
                          {kHandParent, 0xFFFFFFFE, "earlier bone"},
                          {kSpineParent + 28, Bits(0.9f), "not a unit quaternion", kSpineParent + 16},  // |(0, 0.6, 0, 0.9)|
                          {kSpineParent + 4, Bits(3e38f), "bind translation 3e+38 exceeds the limit of 100000"},
                          {kSpineParent + 40, Bits(-1001.0f), "bind scale -1001 exceeds the limit of 1000"}});
    for (std::size_t f = kSpineParent + 4; f < kSpineParent + 108; f += 4) {  // translation, rotation, scale, inverse bind
        ExpectPatchesRefused(Assets::ReadSkeleton, valid, {{f, Bits(kNaN), "not a finite"}});
    }
}
