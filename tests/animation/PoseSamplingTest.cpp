// Sampling one clip: keys interpolated (translation and scale linearly, rotation along the
// shorter arc), clamped outside the keys, and the bind pose wherever the clip says nothing.
#include "AnimationTestSupport.h"

#include <glm/gtc/constants.hpp>

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

constexpr float kPi = glm::pi<float>();

class PoseSampling : public AnimationFixture {
protected:
    void SetUp() override {
        AnimationFixture::SetUp();
        // Three bones with distinct bind poses, so "kept the bind pose" is visible.
        RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 1, 0))},
                                              {0, Pose(Math::Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                                              {1, Pose(Math::Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}),
                                                       Math::Vector3(2, 2, 2))}}));
    }

    std::vector<Math::VQS> Sample(const std::string& clip, float time) {
        const RenderInterface::AnimationState state = State(clip, time);
        std::vector<Math::VQS> poses;
        AnimationController::LerpBlend("Body", &state, poses);
        return poses;
    }
};

}  // namespace

TEST_F(PoseSampling, TranslationAndScaleAreLinearBetweenKeys) {
    Assets::AnimationData clip;
    clip.duration = 2.0f;
    Assets::BoneTrack track;
    track.bone = 1;
    track.translations = {{0.0f, Math::Vector3(0, 0, 0)}, {2.0f, Math::Vector3(4, -2, 8)}};
    track.scales = {{1.0f, Math::Vector3(1, 1, 1)}, {1.5f, Math::Vector3(3, 1, 0.5f)}};
    clip.tracks = {track};
    RegisterClip("Walk", clip);

    const std::vector<Math::VQS> poses = Sample("Walk", 0.5f);
    ASSERT_EQ(poses.size(), 3u);
    EXPECT_TRUE(VectorNear(poses[1].translation, {1, -0.5f, 2}));
    EXPECT_TRUE(VectorNear(poses[1].scale, {1, 1, 1})) << "before the first scale key";
    EXPECT_TRUE(VectorNear(Sample("Walk", 1.25f)[1].scale, {2, 1, 0.75f}));
}

TEST_F(PoseSampling, RotationFollowsTheSlerpBetweenKeys) {
    Assets::AnimationData clip;
    clip.duration = 1.0f;
    Assets::BoneTrack track;
    track.bone = 0;
    track.rotations = {{0.0f, FromGlm(AxisAngle(0.0f, {0, 1, 0}))}, {1.0f, FromGlm(AxisAngle(kPi / 2, {0, 1, 0}))}};
    clip.tracks = {track};
    RegisterClip("Turn", clip);

    EXPECT_TRUE(RotationNear(Sample("Turn", 0.25f)[0].rotation, AxisAngle(kPi / 8, {0, 1, 0})));
    const glm::quat a = AxisAngle(0.0f, {0, 1, 0});
    const glm::quat b = AxisAngle(kPi / 2, {0, 1, 0});
    EXPECT_TRUE(RotationNear(Sample("Turn", 0.7f)[0].rotation, glm::slerp(a, b, 0.7f)));
}

// A key stored as -q is the same rotation as q; sampling must not swing the long way round.
TEST_F(PoseSampling, RotationTakesTheShorterArc) {
    Assets::AnimationData clip;
    clip.duration = 1.0f;
    Assets::BoneTrack track;
    track.bone = 0;
    const glm::quat start = AxisAngle(0.2f, {0, 0, 1});
    const glm::quat end = -AxisAngle(0.6f, {0, 0, 1});
    track.rotations = {{0.0f, FromGlm(start)}, {1.0f, FromGlm(end)}};
    clip.tracks = {track};
    RegisterClip("Flip", clip);

    EXPECT_TRUE(RotationNear(Sample("Flip", 0.5f)[0].rotation, AxisAngle(0.4f, {0, 0, 1})));
}

TEST_F(PoseSampling, TimesOutsideTheKeysClampToTheFirstAndLastKey) {
    Assets::AnimationData clip;
    clip.duration = 3.0f;
    Assets::BoneTrack track;
    track.bone = 2;
    track.translations = {{1.0f, Math::Vector3(1, 0, 0)}, {2.0f, Math::Vector3(2, 0, 0)}};
    track.rotations = {{1.0f, FromGlm(AxisAngle(0.1f, {1, 0, 0}))}, {2.0f, FromGlm(AxisAngle(0.9f, {1, 0, 0}))}};
    clip.tracks = {track};
    RegisterClip("Clamp", clip);

    for (float before : {-100.0f, 0.0f, 1.0f}) {
        const Math::VQS pose = Sample("Clamp", before)[2];
        EXPECT_TRUE(VectorNear(pose.translation, {1, 0, 0})) << "time " << before;
        EXPECT_TRUE(RotationNear(pose.rotation, AxisAngle(0.1f, {1, 0, 0}))) << "time " << before;
    }
    for (float after : {2.0f, 3.0f, 1e9f}) {
        const Math::VQS pose = Sample("Clamp", after)[2];
        EXPECT_TRUE(VectorNear(pose.translation, {2, 0, 0})) << "time " << after;
        EXPECT_TRUE(RotationNear(pose.rotation, AxisAngle(0.9f, {1, 0, 0}))) << "time " << after;
    }
    EXPECT_TRUE(VectorNear(Sample("Clamp", std::nanf(""))[2].translation, {1, 0, 0})) << "NaN time";
}

// Keys of x = t^2 at whole times: between two keys the sample is the chord k^2 + (2k + 1) f,
// which finds the wrong interval at once if the key search is off by one anywhere.
TEST_F(PoseSampling, EveryIntervalOfALongTrackIsFound) {
    Assets::AnimationData clip;
    clip.duration = 99.0f;
    Assets::BoneTrack track;
    track.bone = 0;
    for (int k = 0; k < 100; ++k) {
        track.translations.push_back({static_cast<float>(k), Math::Vector3(static_cast<float>(k * k), 0, 0)});
    }
    clip.tracks = {track};
    RegisterClip("Long", clip);

    for (int k = 0; k < 99; ++k) {
        for (float f : {0.0f, 0.25f, 0.5f}) {
            const float expected = static_cast<float>(k * k) + (2.0f * k + 1.0f) * f;
            EXPECT_NEAR(Sample("Long", k + f)[0].translation.x, expected, 1e-3f) << "time " << k + f;
        }
    }
    EXPECT_FLOAT_EQ(Sample("Long", 99.0f)[0].translation.x, 99.0f * 99.0f);
}

TEST_F(PoseSampling, BonesAndChannelsWithoutKeysKeepTheBindPose) {
    const Assets::SkeletonData body = MakeSkeleton({{-1, Pose(Math::Vector3(0, 1, 0))},
                                                    {0, Pose(Math::Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                                                    {1, Pose(Math::Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}),
                                                             Math::Vector3(2, 2, 2))}});
    Assets::AnimationData clip;
    clip.duration = 1.0f;
    Assets::BoneTrack track;
    track.bone = 2;
    track.translations = {{0.0f, Math::Vector3(5, 5, 5)}};
    clip.tracks = {track};
    RegisterClip("Partial", clip);

    const std::vector<Math::VQS> poses = Sample("Partial", 0.5f);
    ASSERT_EQ(poses.size(), 3u);
    for (int bone : {0, 1}) {
        EXPECT_TRUE(VectorNear(poses[bone].translation, ToGlm(body.bones[bone].bindPose.translation)));
        EXPECT_TRUE(RotationNear(poses[bone].rotation, ToGlm(body.bones[bone].bindPose.rotation)));
        EXPECT_TRUE(VectorNear(poses[bone].scale, ToGlm(body.bones[bone].bindPose.scale)));
    }
    EXPECT_TRUE(VectorNear(poses[2].translation, {5, 5, 5}));
    EXPECT_TRUE(RotationNear(poses[2].rotation, AxisAngle(0.5f, {0, 0, 1}))) << "bind rotation kept";
    EXPECT_TRUE(VectorNear(poses[2].scale, {2, 2, 2})) << "bind scale kept";
}

// A clip made for a larger skeleton still plays on a smaller one.
TEST_F(PoseSampling, TracksPastTheSkeletonAreIgnored) {
    Assets::AnimationData clip;
    clip.duration = 1.0f;
    Assets::BoneTrack inside;
    inside.bone = 1;
    inside.translations = {{0.0f, Math::Vector3(7, 0, 0)}};
    Assets::BoneTrack outside = inside;
    outside.bone = 40;
    Assets::BoneTrack far = inside;
    far.bone = 0xFFFFFFFFu;
    clip.tracks = {inside, outside, far};
    RegisterClip("Bigger", clip);

    const std::vector<Math::VQS> poses = Sample("Bigger", 0.0f);
    ASSERT_EQ(poses.size(), 3u);
    EXPECT_TRUE(VectorNear(poses[1].translation, {7, 0, 0}));
    EXPECT_TRUE(VectorNear(poses[2].translation, {1, 0, 0})) << "bone 2 has no track: bind pose";
}
