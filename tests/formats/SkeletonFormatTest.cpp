// Skeletons: the documented byte layout, lossless round trips and every refusal path.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FormatTestSupport.h"

using Assets::BoneData;
using Assets::Bytes;
using Assets::SkeletonData;
using FormatTest::HandBytes;
using FormatTest::PutF32;
using FormatTest::PutU32;
using FormatTest::Refuses;

namespace {

constexpr std::size_t kFirstBone = 12;

BoneData Bone(const std::string& name, std::int32_t parent, float x) {
    BoneData bone;
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

SkeletonData Chain() {
    SkeletonData skeleton;
    skeleton.bones = {Bone("Hips", -1, 1.0f), Bone("Spine", 0, 2.0f), Bone("Hand_R", 1, 3.0f)};
    return skeleton;
}

// Offset of bone `index`'s parent field in Chain()'s file.
std::size_t ParentOffset(const SkeletonData& skeleton, std::size_t index) {
    std::size_t offset = kFirstBone;
    for (std::size_t i = 0; i < index; ++i) {
        offset += 4 + skeleton.bones[i].name.size() + 108;
    }
    return offset + 4 + skeleton.bones[index].name.size();
}

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

// Whatever the writer writes, the reader gives back unchanged.
TEST(SkeletonRoundTrip, ChainComesBackUnchanged) {
    const SkeletonData original = Chain();
    SkeletonData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadSkeleton(Assets::WriteSkeleton(original), read, error)) << error;
    ASSERT_EQ(read.bones.size(), original.bones.size());
    for (std::size_t i = 0; i < read.bones.size(); ++i) {
        const BoneData& a = original.bones[i];
        const BoneData& b = read.bones[i];
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.parent, b.parent);
        EXPECT_EQ(a.bindPose.translation, b.bindPose.translation);
        EXPECT_EQ(a.bindPose.rotation.v, b.bindPose.rotation.v);
        EXPECT_EQ(a.bindPose.rotation.s, b.bindPose.rotation.s);
        EXPECT_EQ(a.bindPose.scale, b.bindPose.scale);
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(a.inverseBind.m[k], b.inverseBind.m[k]);
        }
    }
}

TEST(SkeletonRoundTrip, SeveralRootsAndLongestNameAreAccepted) {
    SkeletonData skeleton;
    skeleton.bones = {Bone(std::string(255, 'n'), -1, 0.0f), Bone("SecondRoot", -1, 0.0f), Bone("Child", 1, 0.0f)};
    SkeletonData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadSkeleton(Assets::WriteSkeleton(skeleton), read, error)) << error;
    EXPECT_EQ(read.bones[0].name.size(), 255u);
    EXPECT_EQ(read.bones[2].parent, 1);
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(SkeletonRefusal, EveryTruncationAndTrailingBytes) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    FormatTest::ExpectEveryTruncationRefused(Assets::ReadSkeleton, valid);
    FormatTest::ExpectTrailingByteRefused(Assets::ReadSkeleton, valid);
}

TEST(SkeletonRefusal, HeaderFields) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    Bytes bytes = valid;
    bytes[3] = 'M';
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "bad magic"));
    bytes = valid;
    PutU32(bytes, 4, 0);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "version 0"));
    bytes = valid;
    PutU32(bytes, 8, 0);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "no bones"));
    bytes = valid;
    PutU32(bytes, 8, 0x7FFFFFFFu);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "bone count 2147483647"));
}

// Parents must come before their children, so one pass over the bones builds the hierarchy.
TEST(SkeletonRefusal, ParentNotAnEarlierBone) {
    const SkeletonData chain = Chain();
    const Bytes valid = Assets::WriteSkeleton(chain);
    struct Case {
        std::size_t bone;
        std::int32_t parent;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{1, 2}, Case{2, 5}, Case{2, -2},
                          Case{2, std::numeric_limits<std::int32_t>::min()}}) {
        Bytes bytes = valid;
        PutU32(bytes, ParentOffset(chain, c.bone), static_cast<std::uint32_t>(c.parent));
        EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "earlier bone")) << "bone " << c.bone << " parent "
                                                                           << c.parent;
    }
}

TEST(SkeletonRefusal, BadNames) {
    const Bytes valid = Assets::WriteSkeleton(Chain());
    Bytes bytes = valid;
    PutU32(bytes, kFirstBone, 0);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "name length 0"));
    bytes = valid;
    PutU32(bytes, kFirstBone, 256);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "name length 256"));
    bytes = valid;
    PutU32(bytes, kFirstBone, 0xFFFFFFFFu);
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "name length 4294967295"));
    bytes = valid;
    bytes[kFirstBone + 4 + 1] = 0;
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "NUL"));
}

TEST(SkeletonRefusal, NonFiniteFloatsAndNonUnitRotations) {
    const SkeletonData chain = Chain();
    const Bytes valid = Assets::WriteSkeleton(chain);
    const std::size_t floats = ParentOffset(chain, 1) + 4;
    for (std::size_t f = 0; f < 26; ++f) {
        Bytes bytes = valid;
        PutF32(bytes, floats + 4 * f, std::numeric_limits<float>::quiet_NaN());
        EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "not a finite number")) << "float " << f;
    }
    Bytes bytes = valid;
    PutF32(bytes, floats + 12 + 12, 0.9f);  // w: |(0, 0.6, 0, 0.9)| = 1.08
    EXPECT_TRUE(Refuses(Assets::ReadSkeleton, bytes, "not a unit quaternion"));
}
