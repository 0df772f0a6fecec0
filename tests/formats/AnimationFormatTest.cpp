// Animation clips: the documented byte layout, lossless round trips and every refusal path.
#include <limits>

#include "FormatTestSupport.h"

using namespace FormatTest;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

// An empty track for bone 0, then bone 2 with two translation, three rotation and one scale key.
Assets::AnimationData Clip() {
    Assets::BoneTrack track{2,
                            {{0.0f, Math::Vector3(1, 2, 3)}, {1.5f, Math::Vector3(4, 5, 6)}},
                            {{0.0f, Math::Quaternion()},
                             {0.5f, Math::Quaternion(Math::Vector3(0.6f, 0, 0), 0.8f)},
                             {1.0f, Math::Quaternion(Math::Vector3(0, 0, 1), 0.0f)}},
                            {{0.25f, Math::Vector3(2, 2, 2)}}};
    return Assets::AnimationData{1.5f, {Assets::BoneTrack{}, track}};
}

// Offsets inside Clip()'s file.
constexpr std::size_t kEmptyTrack = 16;
constexpr std::size_t kKeyedTrack = kEmptyTrack + 16;
constexpr std::size_t kTranslationKeys = kKeyedTrack + 16;
constexpr std::size_t kRotationKeys = kTranslationKeys + 2 * 16;
constexpr std::size_t kScaleKeys = kRotationKeys + 3 * 20;

}  // namespace

// The writer produces exactly the bytes the format description lays out, tracks in bone order
// whatever order it is given them in; clips with and without tracks read back unchanged; a file
// of the wrong length is refused.
TEST(AnimationFormat, LayoutRoundTripAndExactLength) {
    HandBytes expected;
    expected.Text("VANM").U32(1).F32(1.5f).U32(2).U32(0).U32(0).U32(0).U32(0).U32(2).U32(2).U32(3).U32(1);
    expected.F32(0).F32(1).F32(2).F32(3).F32(1.5f).F32(4).F32(5).F32(6);
    expected.F32(0).F32(0).F32(0).F32(0).F32(1).F32(0.5f).F32(0.6f).F32(0).F32(0).F32(0.8f);
    expected.F32(1).F32(0).F32(0).F32(1).F32(0).F32(0.25f).F32(2).F32(2).F32(2);
    EXPECT_EQ(Assets::WriteAnimation(Clip()), expected.bytes);
    Assets::AnimationData reversed = Clip();
    std::swap(reversed.tracks[0], reversed.tracks[1]);
    EXPECT_EQ(Assets::WriteAnimation(reversed), expected.bytes);
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Clip());
    ExpectRoundTripAndExactLength(Assets::ReadAnimation, Assets::WriteAnimation, Assets::AnimationData{2.0f, {}});
}

// Bad header fields, huge counts refused from the bytes left before any allocation, keys or
// tracks out of order (sampling walks them in order), and key values that are not finite or not
// unit rotations.
TEST(AnimationFormat, EveryRefusal) {
    ExpectPatchesRefused(Assets::ReadAnimation, Assets::WriteAnimation(Clip()),
                         {{0, 0x4D4E4158, "bad magic"},
                          {4, 1000, "version 1000"},
                          {8, Bits(0.0f), "not positive"},
                          {8, Bits(-1.0f), "not positive"},
                          {8, Bits(kInfinity), "duration is not a finite"},
                          {12, 0xFFFFFFFF, "track count 4294967295"},
                          {kKeyedTrack + 4, 0x10000000, "translation key count 268435456"},
                          {kKeyedTrack + 8, 0x10000000, "rotation key count 268435456"},
                          {kKeyedTrack + 12, 0x10000000, "scale key count 268435456"},
                          {kTranslationKeys + 16, Bits(0.0f), "increase strictly"},  // equal to the first key
                          {kRotationKeys + 40, Bits(0.25f), "increase strictly"},    // third before second
                          {kRotationKeys + 20, Bits(kNaN), "key time is not a finite number"},
                          {kEmptyTrack, 2, "bone 2 has more than one track"},
                          {kEmptyTrack, 3, "not in increasing bone order (bone 2 after bone 3)"},
                          {kTranslationKeys + 8, Bits(kNaN), "not a finite number"},
                          {kScaleKeys + 12, Bits(-kInfinity), "not a finite"},
                          {kRotationKeys + 36, Bits(0.0f), "not a unit quaternion"}});  // (0.6, 0, 0, 0)
}
