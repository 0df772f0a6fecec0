// The animation runtime against hand-computed poses and glm: sampling, blending, hierarchy matrices,
// and what callers rely on (empty outputs for anything unknown, reused storage, the end flag).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

#define GLM_FORCE_CTOR_INIT
#include <glm/glm.hpp>
#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <Assets/Formats.h>
#include <RenderInterface/Animation.h>

#include "animation/AnimationLibrary.h"

namespace {

using RenderInterface::AnimationController;
using RenderInterface::ResourceResult;
namespace Library = RenderInterface::AnimationLibrary;

using Math::Vector3;
inline glm::vec3 ToGlm(const Vector3& v) { return {v.x, v.y, v.z}; }
inline glm::quat ToGlm(const Math::Quaternion& q) { return glm::quat(q.s, q.v.x, q.v.y, q.v.z); }
inline Math::Quaternion FromGlm(const glm::quat& q) { return Math::Quaternion(Vector3(q.x, q.y, q.z), q.w); }
inline glm::quat AxisAngle(float radians, const glm::vec3& axis) { return glm::angleAxis(radians, axis); }

inline Math::VQS Pose(const Vector3& t, const glm::quat& r = {1, 0, 0, 0}, const Vector3& s = Vector3(1, 1, 1)) {
    return Math::VQS{t, FromGlm(r), s};
}

inline glm::mat4 GlmTrs(const Math::VQS& pose) {
    return glm::translate(glm::mat4(1.0f), ToGlm(pose.translation)) * glm::mat4_cast(ToGlm(pose.rotation)) *
           glm::scale(glm::mat4(1.0f), ToGlm(pose.scale));
}

// Our matrices are stored row by row, glm's column by column.
inline ::testing::AssertionResult MatrixNear(const Math::Matrix4& actual, const glm::mat4& expected) {
    for (int i = 0; i < 16; ++i) {
        if (std::abs(actual.m[i] - expected[i % 4][i / 4]) > 1e-4f) return ::testing::AssertionFailure() << i;
    }
    return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult VectorNear(const Vector3& actual, const glm::vec3& expected) {
    return ::testing::AssertionResult(glm::length(ToGlm(actual) - expected) <= 1e-5f)
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ")";
}
// Same rotation, counting q and -q as equal.
inline ::testing::AssertionResult RotationNear(const Math::Quaternion& actual, const glm::quat& expected) {
    const float dot = std::abs(glm::dot(ToGlm(actual), expected));
    return ::testing::AssertionResult(1.0f - dot <= 1e-5f) << "rotation off by |dot| = " << dot;
}

// A skeleton of (parent, bind pose) whose inverse bind matrices are computed with glm.
inline Assets::SkeletonData MakeSkeleton(const std::vector<std::pair<int, Math::VQS>>& bones) {
    Assets::SkeletonData skeleton;
    std::vector<glm::mat4> model;
    for (const auto& [parent, bindPose] : bones) {
        model.push_back(parent < 0 ? GlmTrs(bindPose) : model[static_cast<std::size_t>(parent)] * GlmTrs(bindPose));
        const glm::mat4 inverse = glm::inverse(model.back());
        Assets::BoneData bone{"bone" + std::to_string(model.size()), parent, bindPose, {}};
        for (int i = 0; i < 16; ++i) bone.inverseBind.m[i] = inverse[i % 4][i / 4];
        skeleton.bones.push_back(bone);
    }
    return skeleton;
}

using Keys = std::vector<Assets::Vector3Key>;
using Turns = std::vector<Assets::RotationKey>;
inline Assets::BoneTrack Track(std::uint32_t bone, Keys translations = {}, Turns rotations = {}, Keys scales = {}) {
    return {bone, std::move(translations), std::move(rotations), std::move(scales)};
}

inline Assets::AnimationData MakeClip(float duration, std::vector<Assets::BoneTrack> tracks = {}) {
    return {duration, std::move(tracks)};
}

inline RenderInterface::AnimationState State(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    return state;
}

// Skeletons and clips written to real files in a fresh directory and registered. "Body" has three
// bones with distinct bind poses, so "kept the bind pose" is visible.
class Animation : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() / ("vantor-animation-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory);
        RegisterSkeleton("Body", body);
    }
    void TearDown() override {
        Library::Clear();
        std::filesystem::remove_all(directory);
    }
    std::string Write(const std::string& file, const Assets::Bytes& bytes) {
        const std::string path = (directory / file).string();
        std::string error;
        EXPECT_TRUE(Assets::WriteFileBytes(path, bytes, error)) << error;
        return path;
    }
    void RegisterSkeleton(const std::string& name, const Assets::SkeletonData& skeleton) {
        const std::string path = Write(name + ".ske", Assets::WriteSkeleton(skeleton));
        ASSERT_EQ(Library::RegisterSkeletonFile(path.c_str(), name.c_str()), ResourceResult::Loaded);
    }
    void RegisterClip(const std::string& name, const Assets::AnimationData& clip) {
        const std::string path = Write(name + ".anim", Assets::WriteAnimation(clip));
        ASSERT_EQ(Library::RegisterAnimationFile(path.c_str(), name.c_str()), ResourceResult::Loaded);
    }
    // Walk (1 long) and Run (1.5 long) each move bone 0 over one time unit and hold a turn and a
    // scale on bone 1.
    void RegisterWalkAndRun(const glm::quat& walkTurn = {}, const glm::quat& runTurn = {}) {
        RegisterClip("Walk", MakeClip(1.0f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(2, 0, 0)}}),
                                             Track(1, {}, {{0, FromGlm(walkTurn)}}, {{0, Vector3(1, 1, 1)}})}));
        RegisterClip("Run", MakeClip(1.5f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(0, 0, 6)}}),
                                            Track(1, {}, {{0, FromGlm(runTurn)}}, {{0, Vector3(3, 3, 3)}})}));
    }
    std::vector<Math::VQS> Sample(const std::string& clip, float time) {
        const RenderInterface::AnimationState state = State(clip, time);
        AnimationController::LerpBlend("Body", &state, poses);
        return ThreeBones();
    }
    std::vector<Math::VQS> Blend(float weight, float walkTime = 1.0f, float runTime = 1.0f) {
        const RenderInterface::AnimationState walk = State("Walk", walkTime), run = State("Run", runTime);
        AnimationController::LerpBlend1D("Body", weight, &walk, &run, poses);
        return ThreeBones();
    }
    std::vector<Math::VQS> ThreeBones() {
        EXPECT_EQ(poses.size(), 3u);
        poses.resize(3);
        return poses;
    }

    const Assets::SkeletonData body =
        MakeSkeleton({{-1, Pose(Vector3(0, 1, 0))},
                      {0, Pose(Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                      {1, Pose(Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}), Vector3(2, 2, 2))}});
    std::filesystem::path directory;
    std::vector<Math::VQS> poses;
    std::vector<Math::Matrix4> bones, skinning;
};

}  // namespace

TEST_F(Animation, KeysAreInterpolatedLinearlyAndBySlerp) {
    const glm::quat a = AxisAngle(0.0f, {0, 1, 0}), b = AxisAngle(1.5f, {0, 1, 0});
    RegisterClip("Walk", MakeClip(2.0f, {Track(1, {{0, Vector3(0, 0, 0)}, {2, Vector3(4, -2, 8)}},
                                               {{0, FromGlm(a)}, {2, FromGlm(b)}},
                                               {{1, Vector3(1, 1, 1)}, {1.5f, Vector3(3, 1, 0.5f)}})}));
    EXPECT_TRUE(VectorNear(Sample("Walk", 0.5f)[1].translation, {1, -0.5f, 2}));
    EXPECT_TRUE(VectorNear(Sample("Walk", 1.25f)[1].scale, {2, 1, 0.75f}));
    EXPECT_TRUE(RotationNear(Sample("Walk", 1.4f)[1].rotation, glm::slerp(a, b, 0.7f)));
    // A key stored as -q is the same rotation as q; sampling must not swing the long way round.
    RegisterClip("Flip", MakeClip(1.0f, {Track(0, {}, {{0, FromGlm(AxisAngle(0.2f, {0, 0, 1}))},
                                                       {1, FromGlm(-AxisAngle(0.6f, {0, 0, 1}))}})}));
    EXPECT_TRUE(RotationNear(Sample("Flip", 0.5f)[0].rotation, AxisAngle(0.4f, {0, 0, 1})));
}

TEST_F(Animation, TimesOutsideTheKeysClampToTheFirstAndLastKey) {
    RegisterClip("Clamp", MakeClip(3.0f, {Track(2, {{1, Vector3(1, 0, 0)}, {2, Vector3(2, 0, 0)}},
                                                {{1, FromGlm(AxisAngle(0.1f, {1, 0, 0}))},
                                                 {2, FromGlm(AxisAngle(0.9f, {1, 0, 0}))}})}));
    for (float time : {-100.0f, 0.0f, 1.0f, std::nanf(""), 2.0f, 3.0f, 1e9f}) {
        const bool late = time >= 2.0f;
        EXPECT_TRUE(VectorNear(Sample("Clamp", time)[2].translation, {late ? 2.0f : 1.0f, 0, 0})) << time;
        EXPECT_TRUE(RotationNear(Sample("Clamp", time)[2].rotation, AxisAngle(late ? 0.9f : 0.1f, {1, 0, 0}))) << time;
    }
}

// Keys of x = k^2 at whole times k: between two keys the sample is the chord k^2 + (2k + 1) f,
// which shows at once if the key search picks the wrong interval anywhere.
TEST_F(Animation, EveryIntervalOfALongTrackIsFound) {
    Assets::BoneTrack track = Track(0);
    for (int k = 0; k < 100; ++k) track.translations.push_back({float(k), Vector3(float(k * k), 0, 0)});
    RegisterClip("Long", MakeClip(99.0f, {track}));
    for (int k = 0; k < 99; ++k) {
        for (float f : {0.0f, 0.25f, 0.5f}) {
            EXPECT_NEAR(Sample("Long", k + f)[0].translation.x, k * k + (2.0f * k + 1.0f) * f, 1e-3f) << k + f;
        }
    }
}

// Channels without keys and bones without a track keep the bind pose; tracks for bones past the
// skeleton's end (a clip made for a larger skeleton) are ignored.
TEST_F(Animation, WhatTheClipDoesNotCoverKeepsTheBindPose) {
    const Keys five = {{0, Vector3(5, 5, 5)}};
    RegisterClip("Partial", MakeClip(1.0f, {Track(2, five), Track(40, five), Track(0xFFFFFFFFu, five)}));
    Sample("Partial", 0.5f);
    for (int bone : {0, 1}) {
        EXPECT_TRUE(VectorNear(poses[bone].translation, ToGlm(body.bones[bone].bindPose.translation)));
        EXPECT_TRUE(RotationNear(poses[bone].rotation, ToGlm(body.bones[bone].bindPose.rotation)));
    }
    EXPECT_TRUE(VectorNear(poses[2].translation, {5, 5, 5}));
    EXPECT_TRUE(RotationNear(poses[2].rotation, AxisAngle(0.5f, {0, 0, 1})));
    EXPECT_TRUE(VectorNear(poses[2].scale, {2, 2, 2}));
}

TEST_F(Animation, BlendWeightsZeroHalfAndOne) {
    const glm::quat walkTurn = AxisAngle(0.4f, {1, 0, 0}), runTurn = AxisAngle(1.2f, {0, 1, 0});
    RegisterWalkAndRun(walkTurn, runTurn);
    const struct { float weight; glm::vec3 move; glm::quat turn; glm::vec3 scale; } cases[] = {
                 {0.0f, {2, 0, 0}, walkTurn, {1, 1, 1}},
                 {0.5f, {1, 0, 3}, glm::slerp(walkTurn, runTurn, 0.5f), {2, 2, 2}},
                 {1.0f, {0, 0, 6}, runTurn, {3, 3, 3}}};
    for (const auto& c : cases) {
        Blend(c.weight);
        EXPECT_TRUE(VectorNear(poses[0].translation, c.move)) << c.weight;
        EXPECT_TRUE(RotationNear(poses[1].rotation, c.turn)) << c.weight;
        EXPECT_TRUE(VectorNear(poses[1].scale, c.scale)) << c.weight;
        EXPECT_TRUE(VectorNear(poses[1].translation, {0, 2, 0})) << "untracked channel keeps the bind pose";
    }
    // Each clip is sampled at its own time; weights outside [0, 1] (or NaN) hold the nearer clip.
    EXPECT_TRUE(VectorNear(Blend(0.25f, 0.5f, 1.0f)[0].translation, {0.75f, 0, 1.5f}));
    EXPECT_TRUE(VectorNear(Blend(1.7f)[0].translation, {0, 0, 6}));
    EXPECT_TRUE(VectorNear(Blend(-3.0f)[0].translation, {2, 0, 0}));
    EXPECT_TRUE(VectorNear(Blend(std::nanf(""))[0].translation, {2, 0, 0}));
}

// Rotations stored on opposite hemispheres (q and -q) blend as the rotations they are.
TEST_F(Animation, BlendAcrossHemispheresTakesTheShorterArc) {
    const glm::quat a = AxisAngle(0.5f, {0, 0, 1}), b = -AxisAngle(0.9f, {0, 0, 1});
    ASSERT_LT(glm::dot(a, b), 0.0f);
    RegisterWalkAndRun(a, b);
    for (float weight : {0.25f, 0.5f, 0.75f}) {
        EXPECT_TRUE(RotationNear(Blend(weight)[1].rotation, AxisAngle(0.5f + 0.4f * weight, {0, 0, 1}))) << weight;
    }
}

// Root at (1, 0, 0) turned 90 degrees about z, child 2 along the root's x axis: the child sits at
// (1, 2, 0) with its x axis along world +y. Its bind pose puts it at (1, 0, 0).
TEST_F(Animation, TwoBoneChainMatchesHandComputedPositions) {
    RegisterSkeleton("Chain", MakeSkeleton({{-1, Pose(Vector3(0, 0, 0))}, {0, Pose(Vector3(1, 0, 0))}}));
    const Math::VQS root = Pose(Vector3(1, 0, 0), AxisAngle(glm::half_pi<float>(), {0, 0, 1}));
    AnimationController::BuildTransformationMatricies("Chain", {root, Pose(Vector3(2, 0, 0))}, bones, skinning);
    ASSERT_EQ(bones.size(), 2u);
    const glm::mat4 child(glm::vec4(0, 1, 0, 0), glm::vec4(-1, 0, 0, 0), glm::vec4(0, 0, 1, 0), glm::vec4(1, 2, 0, 1));
    EXPECT_TRUE(MatrixNear(bones[1], child));
    EXPECT_TRUE(MatrixNear(skinning[1], child * glm::translate(glm::mat4(1), {-1, 0, 0})));
}

// A branching chain with rotations and non-uniform scales, bind pose and posed, against glm.
TEST_F(Animation, BranchingScaledChainMatchesGlm) {
    const std::vector<std::pair<int, Math::VQS>> bind = {
        {-1, Pose(Vector3(0, 1, 0), AxisAngle(0.3f, {0, 1, 0}))},
        {0, Pose(Vector3(0, 2, 0), AxisAngle(-0.7f, {1, 0, 0}), Vector3(1, 2, 0.5f))},
        {1, Pose(Vector3(0.5f, 1, 0), AxisAngle(1.1f, glm::normalize(glm::vec3(1, 1, 0))))},
        {0, Pose(Vector3(-1, 0, 0))}};
    RegisterSkeleton("Arm", MakeSkeleton(bind));
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

// Unknown skeleton or clip names, null states and poses of the wrong size give empty outputs, even
// into vectors that still hold an earlier frame.
TEST_F(Animation, UnknownNamesNullStatesAndWrongSizesGiveEmptyOutputs) {
    RegisterWalkAndRun();
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
}

// After the first frame the outputs keep their storage: nothing is reallocated per frame.
TEST_F(Animation, LaterFramesReuseTheSameStorage) {
    RegisterWalkAndRun();
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
}

// The end flag rises once the time is past the clip's own duration, and never for unknown clips.
TEST_F(Animation, EndFlagRisesOncePastTheDuration) {
    RegisterWalkAndRun();
    EXPECT_FALSE(State("Run", 1.5f).GetEndFlag()) << "at the end is not past it";
    EXPECT_TRUE(State("Run", 1.5001f).GetEndFlag());
    EXPECT_TRUE(State("Walk", 1.2f).GetEndFlag());
    EXPECT_FALSE(State("Run", 1.2f).GetEndFlag());
    EXPECT_FALSE(State("Swim", 100.0f).GetEndFlag());
    EXPECT_FALSE(RenderInterface::AnimationState().GetEndFlag());
}

// Paths may use backslashes; a file that cannot be used gives one line on stderr with the path
// and the reason, a result that says why, and removes what was registered under the name.
TEST_F(Animation, FilesAreFoundThroughEitherSeparatorAndBadOnesRegisterNothing) {
    RegisterWalkAndRun();
    const std::string windowsStyle = directory.string() + "\\Run.anim";
    ASSERT_EQ(Library::RegisterAnimationFile(windowsStyle.c_str(), "Stroll"), ResourceResult::Loaded);
    EXPECT_EQ(AnimationController::GetClipDuration("Stroll"), 1.5f);
    Assets::Bytes truncated = Assets::WriteAnimation(MakeClip(1.0f));
    truncated.pop_back();
    const std::string bad = Write("bad.anim", truncated), missing = (directory / "absent.ske").string();
    const auto animation = Library::RegisterAnimationFile, skeleton = Library::RegisterSkeletonFile;
    const struct { decltype(animation) call; const char *path, *name; ResourceResult expected; std::string reason; }
        cases[] = {{animation, bad.c_str(), "Walk", ResourceResult::BadFormat, bad + "': truncated"},
                   {skeleton, missing.c_str(), "Body", ResourceResult::FileNotFound, missing + "': no such"},
                   {skeleton, directory.c_str(), "Body", ResourceResult::ReadFailed, "not a regular file"},
                   {animation, nullptr, "Walk", ResourceResult::BadName, "no path"},
                   {animation, bad.c_str(), "", ResourceResult::BadName, "no name"}};
    for (const auto& c : cases) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(c.call(c.path, c.name), c.expected);
        const std::string output = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        EXPECT_NE(output.find(c.reason), std::string::npos) << output;
    }
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 0);
}
