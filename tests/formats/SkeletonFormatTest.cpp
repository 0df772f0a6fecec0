// Skeletons: the documented byte layout, lossless round trips and every refusal path.
#include <limits>

#include "FormatTestSupport.h"

using namespace FormatTest;

namespace {

Assets::BoneData Bone(const std::string& name, std::int32_t parent, float x) {
    Assets::BoneData bone{name, parent, {Math::Vector3(x, 2.0f, -3.0f), Math::Quaternion(Math::Vector3(0, 0.6f, 0), 0.8f),
                                         Math::Vector3(1.0f, 1.5f, 2.0f)}, {}};
    for (int i = 0; i < 16; ++i) bone.inverseBind.m[i] = static_cast<float>(i) + x;
    return bone;
}

// Hips (root), Spine and Hand_R in a chain; each bone takes 112 bytes and its name.
const Assets::SkeletonData kChain{{Bone("Hips", -1, 1.0f), Bone("Spine", 0, 2.0f), Bone("Hand_R", 1, 3.0f)}};
constexpr std::size_t kFirstBone = 12;
constexpr std::size_t kHipsParent = kFirstBone + 4 + 4;
constexpr std::size_t kSpineParent = kHipsParent + 108 + 4 + 5;
constexpr std::size_t kHandParent = kSpineParent + 108 + 4 + 6;

}  // namespace

// The writer produces exactly the bytes the format description lays out; several roots and the
// longest name read back unchanged; a file of the wrong length is refused.
TEST(SkeletonFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VSKE").U32(1).U32(1).U32(4).Text("Root").U32(0xFFFFFFFF);
    expected.F32(1).F32(2).F32(-3).F32(0).F32(0.6f).F32(0).F32(0.8f).F32(1).F32(1.5f).F32(2);
    for (int i = 0; i < 16; ++i) expected.F32(static_cast<float>(i) + 1.0f);
    EXPECT_EQ(Assets::WriteSkeleton(Assets::SkeletonData{{Bone("Root", -1, 1.0f)}}), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, kChain);
    const Assets::SkeletonData forest{{Bone(std::string(255, 'n'), -1, 0), Bone("Root2", -1, 0), Bone("Leaf", 1, 0)}};
    ExpectRoundTripAndExactLength(Assets::ReadSkeleton, Assets::WriteSkeleton, forest);
}

// Bad header fields and names, a parent that is not an earlier bone (one pass over the bones must
// build the hierarchy), floats that are not finite and rotations that are not unit quaternions.
TEST(SkeletonFormat, EveryRefusal) {
    const Assets::Bytes valid = Assets::WriteSkeleton(kChain);
    ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                         {{0, 0x454B5357, "bad magic"},
                          {4, 0, "version 0"},
                          {8, 0, "no bones"},
                          {8, 0x7FFFFFFF, "bone count 2147483647"},
                          {kFirstBone, 0, "name length 0"},
                          {kFirstBone, 256, "name length 256"},
                          {kFirstBone, 0xFFFFFFFF, "name length 4294967295"},
                          {kFirstBone + 4, 0x73700048, "NUL"},  // "H\0ps"
                          {kHipsParent, 0, "earlier bone"},
                          {kSpineParent, 1, "earlier bone"},
                          {kSpineParent, 2, "earlier bone"},
                          {kHandParent, 5, "earlier bone"},
                          {kHandParent, 0xFFFFFFFE, "earlier bone"},
                          {kHandParent, 0x80000000, "earlier bone"},
                          {kSpineParent + 4 + 24, Bits(0.9f), "not a unit quaternion"}});  // |(0, 0.6, 0, 0.9)|
    for (std::size_t f = 0; f < 26; ++f) {  // translation, rotation, scale, inverse bind
        ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                             {{kSpineParent + 4 + 4 * f, Bits(std::numeric_limits<float>::quiet_NaN()), "not a finite"}});
    }
}
