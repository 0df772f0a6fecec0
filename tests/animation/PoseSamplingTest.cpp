// Sampling one clip: keys interpolated (translation and scale linearly, rotation along the
// shorter arc), clamped outside the keys, and the bind pose wherever the clip says nothing.
#include "AnimationTestSupport.h"

using namespace AnimationTest;

namespace {

// Three bones with distinct bind poses, so "kept the bind pose" is visible.
class PoseSampling : public AnimationFixture {
protected:
    void SetUp() override {
        AnimationFixture::SetUp();
        RegisterSkeleton("Body", body);
    }

    static Assets::BoneTrack Track(std::uint32_t bone) {
        Assets::BoneTrack track;
        track.bone = bone;
        return track;
    }

    std::vector<Math::VQS> Sample(const std::string& clip, float time) {
        const RenderInterface::AnimationState state = State(clip, time);
        std::vector<Math::VQS> poses;
        RenderInterface::AnimationController::LerpBlend("Body", &state, poses);
        EXPECT_EQ(poses.size(), 3u);
        poses.resize(3);
        return poses;
    }

    const Assets::SkeletonData body =
        MakeSkeleton({{-1, Pose(Math::Vector3(0, 1, 0))},
                      {0, Pose(Math::Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                      {1, Pose(Math::Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}), Math::Vector3(2, 2, 2))}});
};

}  // namespace

TEST_F(PoseSampling, KeysAreInterpolatedLinearlyAndBySlerp) {
    Assets::BoneTrack track = Track(1);
    track.translations = {{0.0f, Math::Vector3(0, 0, 0)}, {2.0f, Math::Vector3(4, -2, 8)}};
    track.scales = {{1.0f, Math::Vector3(1, 1, 1)}, {1.5f, Math::Vector3(3, 1, 0.5f)}};
    const glm::quat a = AxisAngle(0.0f, {0, 1, 0});
    const glm::quat b = AxisAngle(1.5f, {0, 1, 0});
    track.rotations = {{0.0f, FromGlm(a)}, {2.0f, FromGlm(b)}};
    RegisterClip("Walk", MakeClip(2.0f, {track}));

    EXPECT_TRUE(VectorNear(Sample("Walk", 0.5f)[1].translation, {1, -0.5f, 2}));
    EXPECT_TRUE(VectorNear(Sample("Walk", 1.25f)[1].scale, {2, 1, 0.75f}));
    EXPECT_TRUE(RotationNear(Sample("Walk", 0.5f)[1].rotation, AxisAngle(0.375f, {0, 1, 0})));
    EXPECT_TRUE(RotationNear(Sample("Walk", 1.4f)[1].rotation, glm::slerp(a, b, 0.7f)));
}

// A key stored as -q is the same rotation as q; sampling must not swing the long way round.
TEST_F(PoseSampling, RotationTakesTheShorterArc) {
    Assets::BoneTrack track = Track(0);
    track.rotations = {{0.0f, FromGlm(AxisAngle(0.2f, {0, 0, 1}))}, {1.0f, FromGlm(-AxisAngle(0.6f, {0, 0, 1}))}};
    RegisterClip("Flip", MakeClip(1.0f, {track}));
    EXPECT_TRUE(RotationNear(Sample("Flip", 0.5f)[0].rotation, AxisAngle(0.4f, {0, 0, 1})));
}

TEST_F(PoseSampling, TimesOutsideTheKeysClampToTheFirstAndLastKey) {
    Assets::BoneTrack track = Track(2);
    track.translations = {{1.0f, Math::Vector3(1, 0, 0)}, {2.0f, Math::Vector3(2, 0, 0)}};
    track.rotations = {{1.0f, FromGlm(AxisAngle(0.1f, {1, 0, 0}))}, {2.0f, FromGlm(AxisAngle(0.9f, {1, 0, 0}))}};
    RegisterClip("Clamp", MakeClip(3.0f, {track}));

    for (float before : {-100.0f, 0.0f, 1.0f, std::nanf("")}) {
        EXPECT_TRUE(VectorNear(Sample("Clamp", before)[2].translation, {1, 0, 0})) << "time " << before;
        EXPECT_TRUE(RotationNear(Sample("Clamp", before)[2].rotation, AxisAngle(0.1f, {1, 0, 0}))) << before;
    }
    for (float after : {2.0f, 3.0f, 1e9f}) {
        EXPECT_TRUE(VectorNear(Sample("Clamp", after)[2].translation, {2, 0, 0})) << "time " << after;
        EXPECT_TRUE(RotationNear(Sample("Clamp", after)[2].rotation, AxisAngle(0.9f, {1, 0, 0}))) << after;
    }
}

// Keys of x = k^2 at whole times k: between two keys the sample is the chord k^2 + (2k + 1) f,
// which shows at once if the key search picks the wrong interval anywhere.
TEST_F(PoseSampling, EveryIntervalOfALongTrackIsFound) {
    Assets::BoneTrack track = Track(0);
    for (int k = 0; k < 100; ++k) {
        track.translations.push_back({static_cast<float>(k), Math::Vector3(static_cast<float>(k * k), 0, 0)});
    }
    RegisterClip("Long", MakeClip(99.0f, {track}));
    for (int k = 0; k < 99; ++k) {
        for (float f : {0.0f, 0.25f, 0.5f}) {
            const float expected = static_cast<float>(k * k) + (2.0f * k + 1.0f) * f;
            EXPECT_NEAR(Sample("Long", k + f)[0].translation.x, expected, 1e-3f) << "time " << k + f;
        }
    }
}

// Channels without keys and bones without a track keep the bind pose; tracks for bones past
// the skeleton's end (a clip made for a larger skeleton) are ignored.
TEST_F(PoseSampling, WhatTheClipDoesNotCoverKeepsTheBindPose) {
    Assets::BoneTrack track = Track(2);
    track.translations = {{0.0f, Math::Vector3(5, 5, 5)}};
    Assets::BoneTrack beyond = Track(40);
    beyond.translations = track.translations;
    Assets::BoneTrack last = Track(0xFFFFFFFFu);
    last.translations = track.translations;
    RegisterClip("Partial", MakeClip(1.0f, {track, beyond, last}));

    const std::vector<Math::VQS> poses = Sample("Partial", 0.5f);
    for (int bone : {0, 1}) {
        EXPECT_TRUE(VectorNear(poses[bone].translation, ToGlm(body.bones[bone].bindPose.translation)));
        EXPECT_TRUE(RotationNear(poses[bone].rotation, ToGlm(body.bones[bone].bindPose.rotation)));
        EXPECT_TRUE(VectorNear(poses[bone].scale, ToGlm(body.bones[bone].bindPose.scale)));
    }
    EXPECT_TRUE(VectorNear(poses[2].translation, {5, 5, 5}));
    EXPECT_TRUE(RotationNear(poses[2].rotation, AxisAngle(0.5f, {0, 0, 1}))) << "bind rotation kept";
    EXPECT_TRUE(VectorNear(poses[2].scale, {2, 2, 2})) << "bind scale kept";
}
