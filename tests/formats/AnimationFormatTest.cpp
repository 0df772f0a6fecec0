// Animation clips: the documented byte layout, lossless round trips and every refusal path.
#include <gtest/gtest.h>

#include <limits>

#include "FormatTestSupport.h"

using Assets::AnimationData;
using Assets::BoneTrack;
using Assets::Bytes;
using FormatTest::HandBytes;
using FormatTest::PutF32;
using FormatTest::PutU32;
using FormatTest::Refuses;

namespace {

constexpr std::size_t kTrackHeader = 16;

// An empty track for bone 0, then a track for bone 2 with two translation keys, three
// rotation keys and one scale key.
AnimationData Clip() {
    AnimationData clip;
    clip.duration = 1.5f;
    BoneTrack track;
    track.bone = 2;
    track.translations = {{0.0f, Math::Vector3(1, 2, 3)}, {1.5f, Math::Vector3(4, 5, 6)}};
    track.rotations = {{0.0f, Math::Quaternion()},
                       {0.5f, Math::Quaternion(Math::Vector3(0.6f, 0, 0), 0.8f)},
                       {1.0f, Math::Quaternion(Math::Vector3(0, 0, 1), 0.0f)}};
    track.scales = {{0.25f, Math::Vector3(2, 2, 2)}};
    BoneTrack empty;
    empty.bone = 0;
    clip.tracks = {empty, track};
    return clip;
}

// Offsets inside Clip()'s file.
constexpr std::size_t kEmptyTrack = 16;
constexpr std::size_t kKeyedTrack = kEmptyTrack + kTrackHeader;
constexpr std::size_t kTranslationKeys = kKeyedTrack + kTrackHeader;
constexpr std::size_t kRotationKeys = kTranslationKeys + 2 * 16;
constexpr std::size_t kScaleKeys = kRotationKeys + 3 * 20;

}  // namespace

// The writer produces exactly the bytes the format description lays out.
TEST(AnimationLayout, ClipMatchesTheDocumentedBytes) {
    HandBytes expected;
    expected.Text("VANM").U32(1).F32(1.5f).U32(2);
    expected.U32(0).U32(0).U32(0).U32(0);
    expected.U32(2).U32(2).U32(3).U32(1);
    expected.F32(0).F32(1).F32(2).F32(3).F32(1.5f).F32(4).F32(5).F32(6);
    expected.F32(0).F32(0).F32(0).F32(0).F32(1);
    expected.F32(0.5f).F32(0.6f).F32(0).F32(0).F32(0.8f);
    expected.F32(1).F32(0).F32(0).F32(1).F32(0);
    expected.F32(0.25f).F32(2).F32(2).F32(2);
    EXPECT_EQ(Assets::WriteAnimation(Clip()), expected.bytes);
}

// Files keep tracks in bone order, so the writer sorts what it is given.
TEST(AnimationLayout, WriterPutsTracksInBoneOrder) {
    AnimationData reversed = Clip();
    std::swap(reversed.tracks[0], reversed.tracks[1]);
    EXPECT_EQ(Assets::WriteAnimation(reversed), Assets::WriteAnimation(Clip()));
}

// Whatever the writer writes, the reader gives back unchanged.
TEST(AnimationRoundTrip, ClipComesBackUnchanged) {
    const AnimationData original = Clip();
    AnimationData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadAnimation(Assets::WriteAnimation(original), read, error)) << error;
    EXPECT_EQ(read.duration, original.duration);
    ASSERT_EQ(read.tracks.size(), 2u);
    EXPECT_EQ(read.tracks[0].bone, 0u);
    EXPECT_TRUE(read.tracks[0].translations.empty());
    const BoneTrack& a = original.tracks[1];
    const BoneTrack& b = read.tracks[1];
    EXPECT_EQ(b.bone, a.bone);
    ASSERT_EQ(b.translations.size(), a.translations.size());
    ASSERT_EQ(b.rotations.size(), a.rotations.size());
    ASSERT_EQ(b.scales.size(), a.scales.size());
    for (std::size_t i = 0; i < a.translations.size(); ++i) {
        EXPECT_EQ(b.translations[i].time, a.translations[i].time);
        EXPECT_EQ(b.translations[i].value, a.translations[i].value);
    }
    for (std::size_t i = 0; i < a.rotations.size(); ++i) {
        EXPECT_EQ(b.rotations[i].time, a.rotations[i].time);
        EXPECT_EQ(b.rotations[i].value.v, a.rotations[i].value.v);
        EXPECT_EQ(b.rotations[i].value.s, a.rotations[i].value.s);
    }
    EXPECT_EQ(b.scales[0].time, a.scales[0].time);
    EXPECT_EQ(b.scales[0].value, a.scales[0].value);
}

TEST(AnimationRoundTrip, ClipWithoutTracksIsAccepted) {
    AnimationData clip;
    clip.duration = 2.0f;
    AnimationData read;
    std::string error;
    ASSERT_TRUE(Assets::ReadAnimation(Assets::WriteAnimation(clip), read, error)) << error;
    EXPECT_EQ(read.duration, 2.0f);
    EXPECT_TRUE(read.tracks.empty());
}

// A file cut short anywhere, or with bytes after its end, is refused.
TEST(AnimationRefusal, EveryTruncationAndTrailingBytes) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    FormatTest::ExpectEveryTruncationRefused(Assets::ReadAnimation, valid);
    FormatTest::ExpectTrailingByteRefused(Assets::ReadAnimation, valid);
}

TEST(AnimationRefusal, HeaderFields) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    Bytes bytes = valid;
    bytes[1] = 'b';
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "bad magic"));
    bytes = valid;
    PutU32(bytes, 4, 1000);
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "version 1000"));
    for (float duration : {0.0f, -1.0f}) {
        bytes = valid;
        PutF32(bytes, 8, duration);
        EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "not positive")) << duration;
    }
    bytes = valid;
    PutF32(bytes, 8, std::numeric_limits<float>::infinity());
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "duration is not a finite number"));
}

// Huge counts are refused from the bytes left, before anything is allocated for them.
TEST(AnimationRefusal, OversizedCounts) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    Bytes bytes = valid;
    PutU32(bytes, 12, 0xFFFFFFFFu);
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "track count 4294967295"));
    const struct {
        std::size_t offset;
        const char* field;
    } counts[] = {{kKeyedTrack + 4, "translation key count"},
                  {kKeyedTrack + 8, "rotation key count"},
                  {kKeyedTrack + 12, "scale key count"}};
    for (const auto& count : counts) {
        bytes = valid;
        PutU32(bytes, count.offset, 0x10000000u);
        EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, std::string(count.field) + " 268435456"));
    }
}

// Sampling relies on sorted keys: equal, decreasing or non-finite times are refused.
TEST(AnimationRefusal, KeyTimesNotStrictlyIncreasing) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    Bytes bytes = valid;
    PutF32(bytes, kTranslationKeys + 16, 0.0f);  // equal to the first
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "increase strictly"));
    bytes = valid;
    PutF32(bytes, kRotationKeys + 40, 0.25f);  // third before second
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "increase strictly"));
    bytes = valid;
    PutF32(bytes, kRotationKeys + 20, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "key time is not a finite number"));
}

TEST(AnimationRefusal, BadKeyValues) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    Bytes bytes = valid;
    PutF32(bytes, kTranslationKeys + 8, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "not a finite number"));
    bytes = valid;
    PutF32(bytes, kScaleKeys + 12, -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "not a finite number"));
    bytes = valid;
    PutF32(bytes, kRotationKeys + 20 + 16, 0.0f);  // (0.6, 0, 0, 0)
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "not a unit quaternion"));
}

// Tracks in increasing bone order: one walk over bones and tracks samples a pose.
TEST(AnimationRefusal, TracksNotInIncreasingBoneOrder) {
    const Bytes valid = Assets::WriteAnimation(Clip());
    Bytes bytes = valid;
    PutU32(bytes, kEmptyTrack, 2);
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "bone 2 has more than one track"));
    bytes = valid;
    PutU32(bytes, kEmptyTrack, 3);
    EXPECT_TRUE(Refuses(Assets::ReadAnimation, bytes, "not in increasing bone order (bone 2 after bone 3)"));
}
