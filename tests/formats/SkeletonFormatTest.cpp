// Skeletons: the documented byte layout, lossless round trips and every refusal path.
#include <gtest/gtest.h>

#include <limits>

#include "FormatTestSupport.h"

using Assets::Bytes;
using Assets::SkeletonData;
using FormatTest::Bits;
using FormatTest::HandBytes;

namespace {

constexpr std::size_t kFirstBone = 12;

Assets::BoneData Bone(const std::string& name, std::int32_t parent, float x) {
    Assets::BoneData bone;
    bone.name = name;
    bone.parent = parent;
    bone.bindPose.translation = Math::Vector3(x, 2.0f, -3.0f);
    bone.bindPose.rotation = Math::Quaternion(Math::Vector3(0.0f, 0.6f, 0.0f), 0.8f);
    bone.bindPose.scale = Math::Vector3(1.0f, 1.5f, 2.0f);
    for (int i = 0; i < 16; ++i) {
        bone.inverseBind.m[i] = static_cast<float>(i) + x;
    }
    return bone;
}

// Hips (root), Spine and Hand_R in a chain.
SkeletonData Chain() {
    SkeletonData skeleton;
    skeleton.bones = {Bone("Hips", -1, 1.0f), Bone("Spine", 0, 2.0f), Bone("Hand_R", 1, 3.0f)};
    return skeleton;
}

// Offset of a bone's parent field in Chain()'s file: each bone takes 112 bytes and its name.
constexpr std::size_t kHipsParent = kFirstBone + 4 + 4;
constexpr std::size_t kSpineParent = kHipsParent + 108 + 4 + 5;
constexpr std::size_t kHandParent = kSpineParent + 108 + 4 + 6;

}  // namespace

// The writer produces exactly the bytes the format description lays out.
TEST(SkeletonLayout, OneBoneMatchesTheDocumentedBytes) {
    SkeletonData skeleton;
    skeleton.bones = {Bone("Root", -1, 1.0f)};
    HandBytes expected;
    expected.Text("VSKE").U32(1).U32(1).U32(4).Text("Root").I32(-1);
    expected.F32(1).F32(2).F32(-3).F32(0).F32(0.6f).F32(0).F32(0.8f).F32(1).F32(1.5f).F32(2);
    for (int i = 0; i < 16; ++i) {
        expected.F32(static_cast<float>(i) + 1.0f);
    }
    EXPECT_EQ(Assets::WriteSkeleton(skeleton), expected.bytes);
}

// Whatever the writer writes, the reader gives back unchanged, including several roots and
// the longest name.
TEST(SkeletonRoundTrip, SkeletonsComeBackUnchanged) {
    FormatTest::ExpectReadsBackUnchanged(Assets::ReadSkeleton, Assets::WriteSkeleton, Assets::WriteSkeleton(Chain()));
    SkeletonData forest;
    forest.bones = {Bone(std::string(255, 'n'), -1, 0.0f), Bone("SecondRoot", -1, 0.0f), Bone("Child", 1, 0.0f)};
    FormatTest::ExpectReadsBackUnchanged(Assets::ReadSkeleton, Assets::WriteSkeleton, Assets::WriteSkeleton(forest));
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(SkeletonRefusal, EveryTruncationAndTrailingBytes) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    FormatTest::ExpectEveryTruncationRefused(Assets::ReadSkeleton, valid);
    FormatTest::ExpectTrailingByteRefused(Assets::ReadSkeleton, valid);
}

TEST(SkeletonRefusal, HeaderCountsAndNames) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    FormatTest::ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                                     {{0, 0x454B5357, "bad magic"},
                                      {4, 0, "version 0"},
                                      {8, 0, "no bones"},
                                      {8, 0x7FFFFFFF, "bone count 2147483647"},
                                      {kFirstBone, 0, "name length 0"},
                                      {kFirstBone, 256, "name length 256"},
                                      {kFirstBone, 0xFFFFFFFF, "name length 4294967295"},
                                      {kFirstBone + 4, 0x73700048, "NUL"}});  // "H\0ps"
}

// Parents must come before their children, so one pass over the bones builds the hierarchy.
TEST(SkeletonRefusal, ParentNotAnEarlierBone) {
    FormatTest::ExpectPatchesRefused(Assets::ReadSkeleton, Assets::WriteSkeleton(Chain()),
                                     {{kHipsParent, 0, "earlier bone"},
                                      {kSpineParent, 1, "earlier bone"},
                                      {kSpineParent, 2, "earlier bone"},
                                      {kHandParent, 5, "earlier bone"},
                                      {kHandParent, static_cast<std::uint32_t>(-2), "earlier bone"},
                                      {kHandParent, 0x80000000, "earlier bone"}});
}

TEST(SkeletonRefusal, NonFiniteFloatsAndNonUnitRotations) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    const std::size_t floats = kSpineParent + 4;  // translation, rotation, scale, inverse bind
    for (std::size_t f = 0; f < 26; ++f) {
        FormatTest::ExpectPatchesRefused(Assets::ReadSkeleton, valid,
                                         {{floats + 4 * f, Bits(std::numeric_limits<float>::quiet_NaN()),
                                           "not a finite number"}});
    }
    // |(0, 0.6, 0, 0.9)| = 1.08
    FormatTest::ExpectPatchesRefused(Assets::ReadSkeleton, valid, {{floats + 24, Bits(0.9f), "not a unit quaternion"}});
}
