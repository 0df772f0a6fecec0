// The animation runtime against hand-computed poses and the exact pose maths (glm in double):
// sampling, blending, hierarchy matrices, the jobs' input checks, what callers rely on (empty
// outputs for anything unknown, reused storage, the end flag), and the accuracy of its
// trigonometry-free slerp over every angle and on the warrior's own files as the demo plays them.
// No window or GL.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include <Animation/Jobs.h>
#include <Animation/Registry.h>
#include <Assets/ClipTime.h>
#include <RenderInterface/Animation.h>

#include "../assets/AssetTestSupport.h"
#include "AnimationReference.h"

namespace {

using namespace AnimationReference;
using Math::Vector3;
using RenderInterface::AnimationController;
using Clip = Assets::AnimationData;

RenderInterface::AnimationState State(const std::string& clip, float time) {
    RenderInterface::AnimationState state;
    state.SetAnimationName(clip);
    state.SetTime(time);
    return state;
}

// "Body" has three bones with distinct bind poses, so "kept the bind pose" is visible.
class AnimationRuntime : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Animation::Registry::AddSkeleton("Body", body, error)) << error; }
    void TearDown() override { Animation::Registry::Clear(); }
    void Add(const std::string& name, const Clip& clip) {
        ASSERT_TRUE(Animation::Registry::AddClip(name, clip, error)) << error;
    }
    // Walk (1 long) and Run (1.5 long) move bone 0 over one time unit and hold a turn and a scale
    // on bone 1.
    void AddWalkAndRun(const glm::quat& walkTurn = {}, const glm::quat& runTurn = {}) {
        Add("Walk", Clip{1.0f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(2, 0, 0)}}),
                                Track(1, {}, {{0, FromGlm(walkTurn)}}, {{0, Vector3(1, 1, 1)}})}});
        Add("Run", Clip{1.5f, {Track(0, {{0, Vector3(0, 0, 0)}, {1, Vector3(0, 0, 6)}}),
                               Track(1, {}, {{0, FromGlm(runTurn)}}, {{0, Vector3(3, 3, 3)}})}});
    }
    // Samples through one state that lives across calls, as a character's does.
    const std::vector<Math::VQS>& Sample(RenderInterface::AnimationState& state, float time) {
        state.SetTime(time);
        AnimationController::LerpBlend("Body", &state, poses);
        EXPECT_EQ(poses.size(), 3u);
        poses.resize(3);
        return poses;
    }

    const Assets::SkeletonData body =
        MakeSkeleton({{-1, Pose(Vector3(0, 1, 0))},
                      {0, Pose(Vector3(0, 2, 0), AxisAngle(0.3f, {1, 0, 0}))},
                      {1, Pose(Vector3(1, 0, 0), AxisAngle(0.5f, {0, 0, 1}), Vector3(2, 2, 2))}});
    std::string error;
    std::vector<Math::VQS> poses;
    std::vector<Math::Matrix4> bones, skinning;
};

// Translation and scale linearly, rotation along the shorter arc (a key stored as -q is the same
// rotation as q), the first or last key outside the keys and for NaN; bones and channels the clip
// does not cover keep the bind pose, and tracks past the skeleton's end are ignored.
TEST_F(AnimationRuntime, KeysInterpolateClampAndLeaveTheRestAtTheBindPose) {
    const glm::quat a = AxisAngle(0.2f, {0, 1, 0}), b = -AxisAngle(1.5f, {0, 1, 0});
    Add("Walk", Clip{2.0f, {Track(1, {{0, Vector3(0, 0, 0)}, {2, Vector3(4, -2, 8)}}, {{0, FromGlm(a)}, {2, FromGlm(b)}},
                                  {{1, Vector3(1, 1, 1)}, {1.5f, Vector3(3, 1, 0.5f)}}),
                            Track(40, {{0, Vector3(5, 5, 5)}})}});
    RenderInterface::AnimationState walk = State("Walk", 0.0f);
    EXPECT_TRUE(VectorNear(Sample(walk, 0.5f)[1].translation, {1, -0.5f, 2}));
    EXPECT_TRUE(VectorNear(Sample(walk, 1.25f)[1].scale, {2, 1, 0.75f}));
    EXPECT_TRUE(RotationNear(Sample(walk, 1.4f)[1].rotation, AxisAngle(0.2f + 1.3f * 0.7f, {0, 1, 0})));
    for (float time : {-100.0f, 1e9f, 0.0f, std::nanf(""), 2.0f, 3.0f}) {
        const bool late = time >= 2.0f;
        EXPECT_TRUE(VectorNear(Sample(walk, time)[1].translation, late ? glm::vec3(4, -2, 8) : glm::vec3(0))) << time;
        EXPECT_TRUE(RotationNear(poses[1].rotation, late ? b : a)) << time;
        for (int bone : {0, 2}) {
            EXPECT_TRUE(VectorNear(poses[bone].translation, ToGlm(body.bones[bone].bindPose.translation)));
            EXPECT_TRUE(RotationNear(poses[bone].rotation, glm::quat(Exact(body.bones[bone].bindPose.rotation))));
            EXPECT_TRUE(VectorNear(poses[bone].scale, ToGlm(body.bones[bone].bindPose.scale)));
        }
    }
}

// Keys of x = k² at whole times k: between two keys the sample is the chord k² + (2k + 1) f. One
// state plays forward by small and large steps, jumps back and restarts, so a cursor left on the
// wrong interval shows at once.
TEST_F(AnimationRuntime, EveryIntervalIsFoundWhateverOrderTheTimesComeIn) {
    Assets::BoneTrack track = Track(0);
    for (int k = 0; k < 100; ++k) track.translations.push_back({float(k), Vector3(float(k * k), 0, 0)});
    Add("Long", Clip{99.0f, {track}});
    RenderInterface::AnimationState state = State("Long", 0.0f);
    std::vector<float> times;
    for (float t = 0.0f; t < 99.0f; t += 0.37f) times.push_back(t);
    for (float t : {98.5f, 3.25f, 3.0f, 0.0f, 60.5f, 61.75f, 10.5f, 97.9f, 12.0f}) times.push_back(t);
    for (float time : times) {
        const float k = std::floor(time), f = time - k;
        EXPECT_NEAR(Sample(state, time)[0].translation.x, k * k + (2.0f * k + 1.0f) * f, 2e-3f) << time;
    }
}

// Weight 0 gives Walk, 1 Run, each sampled at its own time; outside [0, 1] (or NaN) the nearer
// clip holds. Run's turn is stored on the other hemisphere: the blend still takes the shorter arc.
TEST_F(AnimationRuntime, BlendFollowsTheWeightAcrossHemispheresAndClampsIt) {
    const glm::quat walkTurn = AxisAngle(0.4f, {1, 0, 0}), runTurn = -AxisAngle(1.2f, {0, 1, 0});
    AddWalkAndRun(walkTurn, runTurn);
    const RenderInterface::AnimationState walk = State("Walk", 0.5f), run = State("Run", 1.0f);
    for (float weight : {0.0f, 0.25f, 0.5f, 1.0f, 1.7f, -3.0f, std::nanf("")}) {
        const float w = weight > 0.0f ? std::min(weight, 1.0f) : 0.0f;
        AnimationController::LerpBlend1D("Body", weight, &walk, &run, poses);
        ASSERT_EQ(poses.size(), 3u);
        EXPECT_TRUE(VectorNear(poses[0].translation, {1 - w, 0, 6 * w})) << weight;
        EXPECT_TRUE(RotationNear(poses[1].rotation, glm::slerp(walkTurn, -runTurn, w))) << weight;
        EXPECT_TRUE(VectorNear(poses[1].scale, glm::vec3(1 + 2 * w))) << weight;
        EXPECT_TRUE(VectorNear(poses[1].translation, {0, 2, 0})) << "untracked channel keeps the bind pose";
    }
}

// A branching chain with rotations and non-uniform scales, bind pose and posed, against glm.
TEST_F(AnimationRuntime, BoneAndSkinningMatricesMatchGlmThroughABranchingScaledChain) {
    const std::vector<std::pair<int, Math::VQS>> bind = {
        {-1, Pose(Vector3(0, 1, 0), AxisAngle(0.3f, {0, 1, 0}))},
        {0, Pose(Vector3(0, 2, 0), AxisAngle(-0.7f, {1, 0, 0}), Vector3(1, 2, 0.5f))},
        {1, Pose(Vector3(0.5f, 1, 0), AxisAngle(1.1f, glm::normalize(glm::vec3(1, 1, 0))))},
        {0, Pose(Vector3(-1, 0, 0))}};
    ASSERT_TRUE(Animation::Registry::AddSkeleton("Arm", MakeSkeleton(bind), error));
    const std::vector<Math::VQS> pose = {Pose(Vector3(3, 0, -1), AxisAngle(0.9f, {0, 0, 1}), Vector3(2, 2, 2)),
                                         Pose(Vector3(0, 1, 0), AxisAngle(0.2f, {0, 1, 0})),
                                         Pose(Vector3(1, 0, 0), AxisAngle(-0.4f, {1, 0, 0}), Vector3(1, 3, 1)),
                                         Pose(Vector3(0, 0, 4))};
    AnimationController::BuildTransformationMatricies("Arm", pose, bones, skinning);
    ASSERT_TRUE(bones.size() == 4u && skinning.size() == 4u);
    glm::dmat4 posed[4], bound[4];
    for (int i = 0; i < 4; ++i) {
        const int parent = bind[i].first;
        posed[i] = (parent < 0 ? glm::dmat4(1) : posed[parent]) * Trs(Exact(pose[i]));
        bound[i] = (parent < 0 ? glm::dmat4(1) : bound[parent]) * Trs(Exact(bind[i].second));
        EXPECT_LE(MaxDifference(bones[i], posed[i]), 1e-4) << "bone " << i;
        EXPECT_LE(MaxDifference(skinning[i], posed[i] * glm::inverse(bound[i])), 1e-4) << "skinning " << i;
    }
}

// Unknown names, null states and poses of the wrong size give empty outputs through the static
// calls, even into vectors that still hold an earlier frame; the jobs refuse such inputs and
// leave their outputs alone; data that cannot be played is refused when it is added.
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
    const Animation::Skeleton* skeleton = Animation::Registry::FindSkeleton("Body");
    const Animation::Clip* clip = Animation::Registry::FindClip("Walk");
    Animation::SamplingCursor unbound, bound;
    bound.Bind(*clip);
    std::vector<Math::VQS> two(2), three(3, Pose(Vector3(7, 7, 7)));
    std::vector<Math::Matrix4> matrices(3);
    EXPECT_FALSE((Animation::SampleJob{skeleton, clip, 0.5f, &unbound, three}.Run()));
    EXPECT_FALSE((Animation::SampleJob{skeleton, clip, 0.5f, &bound, two}.Run()));
    EXPECT_FALSE((Animation::BlendJob{two, three, 0.5f, three}.Run()));
    EXPECT_FALSE((Animation::LocalToModelJob{skeleton, two, matrices}.Run()));
    EXPECT_FALSE((Animation::SkinningJob{nullptr, matrices, matrices}.Run()));
    EXPECT_TRUE(VectorNear(three[0].translation, {7, 7, 7})) << "a refused job wrote its output";
    Assets::SkeletonData loop = body;
    loop.bones[0].parent = 2;
    EXPECT_FALSE(Animation::Registry::AddSkeleton("Loop", loop, error));
    EXPECT_NE(error.find("not an earlier bone"), std::string::npos) << error;
    EXPECT_FALSE(Animation::Registry::AddClip("Walk", Clip{1, {Track(0, {{1, {}}, {0, {}}})}}, error));
    EXPECT_EQ(Animation::Registry::FindClip("Walk"), nullptr) << "a refused clip leaves nothing under its name";
}

// Later frames keep the outputs' storage; a state follows its clip being replaced or removed;
// the end flag rises once the time is past the clip's own duration, and never for unknown clips.
TEST_F(AnimationRuntime, StatesFollowTheRegistryAndFramesReuseStorage) {
    AddWalkAndRun();
    RenderInterface::AnimationState walk = State("Walk", 0.5f), run = State("Run", 1.5f);
    AnimationController::LerpBlend1D("Body", 0.3f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    const void* storage[3] = {poses.data(), bones.data(), skinning.data()};
    walk.SetTime(1.0f);
    AnimationController::LerpBlend1D("Body", 0.6f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_TRUE(poses.data() == storage[0] && bones.data() == storage[1] && skinning.data() == storage[2]);
    EXPECT_TRUE(VectorNear(poses[0].translation, {2, 0, 0})) << "the reused storage holds the new pose";
    EXPECT_FALSE(State("Run", 1.5f).GetEndFlag()) << "at the end is not past it";
    EXPECT_TRUE(State("Run", 1.5001f).GetEndFlag() && State("Walk", 1.2f).GetEndFlag());
    EXPECT_FALSE(State("Swim", 100.0f).GetEndFlag() || RenderInterface::AnimationState().GetEndFlag());
    Add("Walk", Clip{3.0f, {Track(0, {{0, Vector3(9, 9, 9)}})}});
    EXPECT_TRUE(VectorNear(Sample(walk, 1.0f)[0].translation, {9, 9, 9}));
    EXPECT_FALSE(walk.GetEndFlag());
    Animation::Registry::RemoveClip("Walk");
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_TRUE(poses.empty());
}

// Pairs of keys at every angle from 0 to a full turn of the quaternion (so half of them lie on
// opposite hemispheres), about a tilted axis, sampled and blended at fractions across [0, 1].
TEST(AnimationAccuracy, SlerpStaysWithinOneMillionthOfExactOverEveryAngle) {
    Animation::Skeleton skeleton;
    std::string error;
    ASSERT_TRUE(Animation::BuildSkeleton(MakeSkeleton({{-1, Pose(Math::Vector3())}}), skeleton, error));
    const glm::vec3 axis = glm::normalize(glm::vec3(0.3f, -1.0f, 0.6f));
    const glm::quat from = AxisAngle(0.7f, glm::normalize(glm::vec3(1, 2, 3)));
    double worst = 0.0;
    for (int step = 0; step <= 720; ++step) {
        const float angle = glm::two_pi<float>() * static_cast<float>(step) / 720.0f;
        const glm::quat to = AxisAngle(angle, axis) * from;
        Animation::Clip clip;
        ASSERT_TRUE(Animation::BuildClip(Assets::AnimationData{1, {Track(0, {}, {{0, FromGlm(from)}, {1, FromGlm(to)}})}}, clip, error));
        Animation::SamplingCursor cursor;
        cursor.Bind(clip);
        std::vector<Math::VQS> sampled(1), a{Pose({}, from)}, b{Pose({}, to)}, blended(1);
        for (int k = 0; k <= 64; ++k) {
            const float t = static_cast<float>(k) / 64.0f;
            const glm::dquat exact = glm::slerp(Exact(FromGlm(from)), Exact(FromGlm(to)), double(t));
            ASSERT_TRUE((Animation::SampleJob{&skeleton, &clip, t, &cursor, sampled}.Run()));
            ASSERT_TRUE((Animation::BlendJob{a, b, t, blended}.Run()));
            worst = std::max({worst, RotationError(sampled[0].rotation, exact), RotationError(blended[0].rotation, exact)});
        }
    }
    EXPECT_LE(worst, 1e-6);
}

// Three laps of both clips at the demo's clock step, wrapping as the character does, blended at a
// changing weight: every bone matrix of the 52-bone chain stays within 1e-4 of the exact one.
TEST(AnimationAccuracy, WarriorPosesAndMatricesMatchTheExactReference) {
    const Assets::SkeletonData skeleton = AssetTests::Load(Assets::kSkeletonFile, Assets::ReadSkeleton);
    const Assets::AnimationData walk = AssetTests::Load(Assets::kClipFiles[13], Assets::ReadAnimation),
                                run = AssetTests::Load(Assets::kClipFiles[14], Assets::ReadAnimation);
    std::string error;
    ASSERT_TRUE(Animation::Registry::AddSkeleton("Warrior", skeleton, error) &&
                Animation::Registry::AddClip("Walk", walk, error) && Animation::Registry::AddClip("Run", run, error));
    RenderInterface::AnimationState walkState = State("Walk", 0.0f), runState = State("Run", 0.0f);
    std::vector<Math::VQS> pose;
    std::vector<Math::Matrix4> bones, skinning;
    double worst = 0.0;
    const int frames = static_cast<int>(3.0f * std::max(walk.duration, run.duration) / Assets::kClipUnitsPerFrame);
    for (int frame = 0; frame < frames; ++frame) {
        for (RenderInterface::AnimationState* state : {&walkState, &runState}) {
            state->SetTime(state->GetTime() + Assets::kClipUnitsPerFrame);
            if (state->GetEndFlag()) state->SetTime(0.0f);
        }
        const std::vector<ExactPose> exactWalk = ExactSample(skeleton, walk, walkState.GetTime());
        const float weight = 0.4f + 0.6f * std::sin(0.05f * static_cast<float>(frame)) * 0.5f;
        const std::vector<ExactPose> exactRun = ExactSample(skeleton, run, runState.GetTime());
        AnimationController::LerpBlend1D("Warrior", weight, &walkState, &runState, pose);
        AnimationController::BuildTransformationMatricies("Warrior", pose, bones, skinning);
        ASSERT_EQ(bones.size(), skeleton.bones.size());
        std::vector<glm::dmat4> model;
        for (std::size_t i = 0; i < pose.size(); ++i) {
            const ExactPose blended{glm::mix(exactWalk[i].translation, exactRun[i].translation, double(weight)),
                                    glm::slerp(exactWalk[i].rotation, exactRun[i].rotation, double(weight)),
                                    glm::mix(exactWalk[i].scale, exactRun[i].scale, double(weight))};
            const int parent = skeleton.bones[i].parent;
            model.push_back(parent < 0 ? Trs(blended) : model[static_cast<std::size_t>(parent)] * Trs(blended));
            worst = std::max(worst, MaxDifference(bones[i], model.back()));
        }
    }
    EXPECT_LE(worst, 1e-4);
    Animation::Registry::Clear();
}

}  // namespace
