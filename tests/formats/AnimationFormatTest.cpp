// Animation clips: the documented byte layout, lossless round trips and every refusal path.
#include "FormatTestSupport.h"

using namespace FormatTest;

// Offsets inside Clip()'s file.
constexpr std::size_t kEmptyTrack = 16;
constexpr std::size_t kKeyedTrack = kEmptyTrack + 16;
constexpr std::size_t kTranslationKeys = kKeyedTrack + 16;
constexpr std::size_t kRotationKeys = kTranslationKeys + 2 * 16;
constexpr std::size_t kScaleKeys = kRotationKeys + 3 * 20;

// The writer produces exactly the bytes the format description lays out, tracks in bone order
// whatever order it is given them in; clips with and without tracks read back unchanged; a file
// of the wrong length is refused.
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

// Bad header fields, counts past the limits or the bytes left (before any allocation), keys or
// tracks out of order (sampling walks them in order), and key values that are not finite, too
// large or not unit rotations; each message points at the field at fault.
TEST(AnimationFormat, EveryRefusal) {
    ExpectPatchesRefused(Assets::ReadAnimation, Assets::WriteAnimation(Clip()),
                         {{0, 0x4D4E4158, "bad magic"},
                          {4, 1000, "version 1000"},
                          {8, Bits(0.0f), "not positive"},
                          {8, Bits(-1.0f), "not positive"},
                          {8, Bits(kInfinity), "duration is not a finite"},
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
