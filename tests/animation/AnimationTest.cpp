// The animation runtime against hand-computed poses and glm: sampling, blending, hierarchy
// matrices, the jobs' input checks, and what callers rely on (empty outputs for anything unknown,
// reused storage, the end flag). Everything is registered in memory: no file, window or GL.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#define GLM_FORCE_CTOR_INIT
#include <glm/glm.hpp>
#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <Animation/Jobs.h>
#include <Animation/Registry.h>
#include <RenderInterface/Animation.h>

#include "AnimationReference.h"

namespace {

using namespace AnimationReference;
using Math::Vector3;
using RenderInterface::AnimationController;

RenderInterface::AnimationState State(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    return state;
}

// "Body" has three bones with distinct bind poses, so "kept the bind pose" is visible.
class AnimationRuntime : public ::testing::Test {
protected:
    void SetUp() override { Add("Body", body); }
    void TearDown() override { Animation::Registry::Clear(); }
    static void Add(const std::string& name, const Assets::SkeletonData& skeleton) {
        std::string error;
        ASSERT_TRUE(Animation::Registry::AddSkeleton(name, skeleton, error)) << error;
    }
    static void Add(const std::string& name, const Assets::AnimationData& clip) {
        std::string error;
        ASSERT_TRUE(Animation::Registry::AddClip(name, clip, error)) << error;
    }
    // Walk (1 long) and Run (1.5 long) each move bone 0 over one time unit and hold a turn and a
    // scale on bone 1.
    void AddWalkAndRun(const glm::quat& walkTurn = {}, const glm::quat& runTurn = {}) {
        Add("Walk", MakeClip(1.0f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(2, 0, 0)}}),
                                    Track(1, {}, {{0, FromGlm(walkTurn)}}, {{0, Vector3(1, 1, 1)}})}));
        Add("Run", MakeClip(1.5f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(0, 0, 6)}}),
                                   Track(1, {}, {{0, FromGlm(runTurn)}}, {{0, Vector3(3, 3, 3)}})}));
    }
    // Samples through one state that lives across calls, as a character's does.
    const std::vector<Math::VQS>& Sample(RenderInterface::AnimationState& state, float time) {
        state.SetTime(time);
        AnimationController::LerpBlend("Body", &state, poses);
        EXPECT_EQ(poses.size(), 3u);
        poses.resize(3);
        return poses;
    }
    const std::vector<Math::VQS>& Blend(float weight, float walkTime = 1.0f, float runTime = 1.0f) {
        const RenderInterface::AnimationState walk = State("Walk", walkTime), run = State("Run", runTime);
        AnimationController::LerpBlend1D("Body", weight, &walk, &run, poses);
        EXPECT_EQ(poses.size(), 3u);
        poses.resize(3);
        return poses;
    }

    const Assets::SkeletonData body =
        MakeSkeleton({{-1, Pose(Vector3(0, 1, 0))},
                      {0, Pose(Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                      {1, Pose(Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}), Vector3(2, 2, 2))}});
    std::vector<Math::VQS> poses;
    std::vector<Math::Matrix4> bones, skinning;
};

}  // namespace

TEST_F(AnimationRuntime, KeysInterpolateLinearlyAndAlongTheShorterArcAndClampAtTheEnds) {
    const glm::quat a = AxisAngle(0.0f, {0, 1, 0}), b = AxisAngle(1.5f, {0, 1, 0});
    Add("Walk", MakeClip(2.0f, {Track(1, {{0, Vector3(0, 0, 0)}, {2, Vector3(4, -2, 8)}},
                                      {{0, FromGlm(a)}, {2, FromGlm(b)}},
                                      {{1, Vector3(1, 1, 1)}, {1.5f, Vector3(3, 1, 0.5f)}})}));
    RenderInterface::AnimationState walk = State("Walk", 0.0f);
    EXPECT_TRUE(VectorNear(Sample(walk, 0.5f)[1].translation, {1, -0.5f, 2}));
    EXPECT_TRUE(VectorNear(Sample(walk, 1.25f)[1].scale, {2, 1, 0.75f}));
    EXPECT_TRUE(RotationNear(Sample(walk, 1.4f)[1].rotation, glm::slerp(a, b, 0.7f)));
    // A key stored as -q is the same rotation as q; sampling must not swing the long way round.
    Add("Flip", MakeClip(1.0f, {Track(0, {}, {{0, FromGlm(AxisAngle(0.2f, {0, 0, 1}))},
                                              {1, FromGlm(-AxisAngle(0.6f, {0, 0, 1}))}})}));
    RenderInterface::AnimationState flip = State("Flip", 0.0f);
    EXPECT_TRUE(RotationNear(Sample(flip, 0.5f)[0].rotation, AxisAngle(0.4f, {0, 0, 1})));
    // Outside the keys (and for NaN) the first or last key holds.
    for (float time : {-100.0f, 1e9f, 0.0f, std::nanf(""), 2.0f, 3.0f}) {
        const bool late = time >= 2.0f;
        EXPECT_TRUE(VectorNear(Sample(walk, time)[1].translation, late ? glm::vec3(4, -2, 8) : glm::vec3(0))) << time;
        EXPECT_TRUE(RotationNear(Sample(walk, time)[1].rotation, late ? b : a)) << time;
    }
}

// Keys of x = k² at whole times k: between two keys the sample is the chord k² + (2k + 1) f. One
// state plays forward by small and large steps, jumps back and restarts, so a cursor left on the
// wrong interval shows at once.
TEST_F(AnimationRuntime, EveryIntervalIsFoundWhateverOrderTheTimesComeIn) {
    Assets::BoneTrack track = Track(0);
    for (int k = 0; k < 100; ++k) track.translations.push_back({float(k), Vector3(float(k * k), 0, 0)});
    Add("Long", MakeClip(99.0f, {track}));
    RenderInterface::AnimationState state = State("Long", 0.0f);
    std::vector<float> times;
    for (float t = 0.0f; t < 99.0f; t += 0.37f) times.push_back(t);
    for (float t : {98.5f, 3.25f, 3.0f, 0.0f, 60.5f, 61.75f, 10.5f, 97.9f, 12.0f}) times.push_back(t);
    for (float time : times) {
        const float k = std::floor(time), f = time - k;
        EXPECT_NEAR(Sample(state, time)[0].translation.x, k * k + (2.0f * k + 1.0f) * f, 2e-3f) << time;
    }
}

// Channels without keys and bones without a track keep the bind pose; tracks for bones past the
// skeleton's end (a clip made for a larger skeleton) are ignored.
TEST_F(AnimationRuntime, WhatTheClipDoesNotCoverKeepsTheBindPose) {
    const Keys five = {{0, Vector3(5, 5, 5)}};
    Add("Partial", MakeClip(1.0f, {Track(2, five), Track(40, five)}));
    RenderInterface::AnimationState partial = State("Partial", 0.0f);
    Sample(partial, 0.5f);
    for (int bone : {0, 1}) {
        EXPECT_TRUE(VectorNear(poses[bone].translation, ToGlm(body.bones[bone].bindPose.translation)));
        EXPECT_TRUE(RotationNear(poses[bone].rotation, ToGlm(body.bones[bone].bindPose.rotation)));
    }
    EXPECT_TRUE(VectorNear(poses[2].translation, {5, 5, 5}));
    EXPECT_TRUE(RotationNear(poses[2].rotation, AxisAngle(0.5f, {0, 0, 1})));
    EXPECT_TRUE(VectorNear(poses[2].scale, {2, 2, 2}));
}

TEST_F(AnimationRuntime, BlendFollowsTheWeightAcrossHemispheresAndClampsIt) {
    // Run's turn is stored on the other hemisphere (-q): the blend must still take the shorter arc.
    const glm::quat walkTurn = AxisAngle(0.4f, {1, 0, 0}), runTurn = -AxisAngle(1.2f, {0, 1, 0});
    AddWalkAndRun(walkTurn, runTurn);
    const struct { float weight; glm::vec3 move; glm::vec3 scale; } cases[] = {
        {0.0f, {2, 0, 0}, {1, 1, 1}}, {0.25f, {1.5f, 0, 1.5f}, {1.5f, 1.5f, 1.5f}}, {0.5f, {1, 0, 3}, {2, 2, 2}},
        {1.0f, {0, 0, 6}, {3, 3, 3}}, {1.7f, {0, 0, 6}, {3, 3, 3}}, {-3.0f, {2, 0, 0}, {1, 1, 1}},
        {std::nanf(""), {2, 0, 0}, {1, 1, 1}}};
    for (const auto& c : cases) {
        const float w = c.weight > 0.0f ? std::min(c.weight, 1.0f) : 0.0f;
        Blend(c.weight);
        EXPECT_TRUE(VectorNear(poses[0].translation, c.move)) << c.weight;
        EXPECT_TRUE(RotationNear(poses[1].rotation, glm::slerp(walkTurn, -runTurn, w))) << c.weight;
        EXPECT_TRUE(VectorNear(poses[1].scale, c.scale)) << c.weight;
        EXPECT_TRUE(VectorNear(poses[1].translation, {0, 2, 0})) << "untracked channel keeps the bind pose";
    }
    // Each clip is sampled at its own time.
    EXPECT_TRUE(VectorNear(Blend(0.25f, 0.5f, 1.0f)[0].translation, {0.75f, 0, 1.5f}));
}

// A branching chain with rotations and non-uniform scales, bind pose and posed, against glm.
TEST_F(AnimationRuntime, BoneAndSkinningMatricesMatchGlmThroughABranchingScaledChain) {
    const std::vector<std::pair<int, Math::VQS>> bind = {
        {-1, Pose(Vector3(0, 1, 0), AxisAngle(0.3f, {0, 1, 0}))},
        {0, Pose(Vector3(0, 2, 0), AxisAngle(-0.7f, {1, 0, 0}), Vector3(1, 2, 0.5f))},
        {1, Pose(Vector3(0.5f, 1, 0), AxisAngle(1.1f, glm::normalize(glm::vec3(1, 1, 0))))},
        {0, Pose(Vector3(-1, 0, 0))}};
    Add("Arm", MakeSkeleton(bind));
    const std::vector<Math::VQS> pose = {Pose(Vector3(3, 0, -1), AxisAngle(0.9f, {0, 0, 1}), Vector3(2, 2, 2)),
                                         Pose(Vector3(0, 1, 0), AxisAngle(0.2f, {0, 1, 0})),
                                         Pose(Vector3(1, 0, 0), AxisAngle(-0.4f, {1, 0, 0}), Vector3(1, 3, 1)),
                                         Pose(Vector3(0, 0, 4))};
    AnimationController::BuildTransformationMatricies("Arm", pose, bones, skinning);
    ASSERT_EQ(bones.size(), 4u);
    ASSERT_EQ(skinning.size(), 4u);
    glm::mat4 posed[4], bound[4];
    for (int i = 0; i < 4; ++i) {
        const int parent = bind[i].first;
        posed[i] = (parent < 0 ? glm::mat4(1) : posed[parent]) * GlmTrs(pose[i]);
        bound[i] = (parent < 0 ? glm::mat4(1) : bound[parent]) * GlmTrs(bind[i].second);
        EXPECT_TRUE(MatrixNear(bones[i], posed[i])) << "bone " << i;
        EXPECT_TRUE(MatrixNear(skinning[i], posed[i] * glm::inverse(bound[i]))) << "skinning " << i;
    }
}

// Unknown names, null states and poses of the wrong size give empty outputs through the static
// calls, even into vectors that still hold an earlier frame; the jobs refuse such inputs and
// leave their outputs alone.
TEST_F(AnimationRuntime, InputsThatDoNotFitAreRefused) {
    AddWalkAndRun();
    const RenderInterface::AnimationState walk = State("Walk", 0.5f), swim = State("Swim", 0.5f);
    for (const auto& [skeleton, a, b] : {std::tuple{"Nobody", &walk, &walk}, {"Body", &swim, &walk},
                                         {"Body", &walk, &swim}, {"Body", nullptr, &walk}, {"Body", &walk, nullptr}}) {
        poses.resize(3);
        AnimationController::LerpBlend1D(skeleton, 0.5f, a, b, poses);
        EXPECT_TRUE(poses.empty());
        AnimationController::LerpBlend(skeleton, a, poses);
        EXPECT_EQ(poses.size(), a == &walk && skeleton[0] == 'B' ? 3u : 0u);
    }
    for (const auto& [skeleton, size] : {std::pair{"Nobody", 3u}, {"Body", 2u}, {"Body", 0u}, {"Body", 4u}}) {
        bones.resize(3);
        skinning.resize(3);
        AnimationController::BuildTransformationMatricies(skeleton, std::vector<Math::VQS>(size), bones, skinning);
        EXPECT_TRUE(bones.empty() && skinning.empty()) << skeleton << " with " << size << " poses";
    }
    const Animation::Skeleton& skeleton = *Animation::Registry::FindSkeleton("Body");
    const Animation::Clip* clip = Animation::Registry::FindClip("Walk");
    Animation::SamplingCursor unbound, bound;
    bound.Bind(*clip);
    std::vector<Math::VQS> two(2), three(3, Pose(Vector3(7, 7, 7)));
    std::vector<Math::Matrix4> matrices(3);
    EXPECT_FALSE((Animation::SampleJob{&skeleton, clip, 0.5f, &unbound, three}.Run()));
    EXPECT_FALSE((Animation::SampleJob{&skeleton, clip, 0.5f, &bound, two}.Run()));
    EXPECT_FALSE((Animation::SampleJob{&skeleton, nullptr, 0.5f, &bound, three}.Run()));
    EXPECT_FALSE((Animation::BlendJob{two, three, 0.5f, three}.Run()));
    EXPECT_FALSE((Animation::LocalToModelJob{&skeleton, two, matrices}.Run()));
    EXPECT_FALSE((Animation::SkinningJob{nullptr, matrices, matrices}.Run()));
    EXPECT_TRUE(VectorNear(three[0].translation, {7, 7, 7})) << "a refused job wrote its output";
    // Skeletons whose parents do not come first, and clips with keys out of order, are refused.
    std::string error;
    Assets::SkeletonData loop = body;
    loop.bones[0].parent = 2;
    EXPECT_FALSE(Animation::Registry::AddSkeleton("Loop", loop, error));
    EXPECT_NE(error.find("not an earlier bone"), std::string::npos) << error;
    EXPECT_FALSE(Animation::Registry::AddClip("Back", MakeClip(1, {Track(0, {{1, {}}, {0, {}}})}), error));
    EXPECT_EQ(Animation::Registry::FindClip("Back"), nullptr);
}

// After the first frame the outputs keep their storage, and a state sees its clip replaced or
// removed under the same name.
TEST_F(AnimationRuntime, LaterFramesReuseStorageAndStatesFollowTheRegistry) {
    AddWalkAndRun();
    RenderInterface::AnimationState walk = State("Walk", 0.5f), run = State("Run", 1.5f);
    AnimationController::LerpBlend1D("Body", 0.3f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    const void* storage[3] = {poses.data(), bones.data(), skinning.data()};
    walk.SetTime(1.0f);
    AnimationController::LerpBlend1D("Body", 0.6f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_EQ(poses.data(), storage[0]);
    EXPECT_EQ(bones.data(), storage[1]);
    EXPECT_EQ(skinning.data(), storage[2]);
    EXPECT_TRUE(VectorNear(poses[0].translation, {2, 0, 0})) << "the reused storage holds the new pose";
    Add("Walk", MakeClip(3.0f, {Track(0, {{0, Vector3(9, 9, 9)}})}));
    EXPECT_TRUE(VectorNear(Sample(walk, 1.0f)[0].translation, {9, 9, 9}));
    Animation::Registry::RemoveClip("Walk");
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_TRUE(poses.empty());
}

// The end flag rises once the time is past the clip's own duration, and never for unknown clips.
TEST_F(AnimationRuntime, EndFlagRisesOncePastTheDuration) {
    AddWalkAndRun();
    EXPECT_FALSE(State("Run", 1.5f).GetEndFlag()) << "at the end is not past it";
    EXPECT_TRUE(State("Run", 1.5001f).GetEndFlag());
    EXPECT_TRUE(State("Walk", 1.2f).GetEndFlag());
    EXPECT_FALSE(State("Run", 1.2f).GetEndFlag());
    EXPECT_FALSE(State("Swim", 100.0f).GetEndFlag());
    EXPECT_FALSE(RenderInterface::AnimationState().GetEndFlag());
}
