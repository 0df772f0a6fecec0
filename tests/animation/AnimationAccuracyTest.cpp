// The runtime's slerp has no trigonometry; these checks hold it to the exact slerp (glm in
// double): every sampled and blended rotation within 1e-5 over the whole range of angles that
// shortest-arc pairs produce, and, on the warrior's own skeleton and Walk and Run clips played
// as the demo plays them, every bone and skinning matrix within 1e-4.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

#include <Animation/Jobs.h>
#include <Animation/Registry.h>
#include <Assets/ClipTime.h>
#include <RenderInterface/Animation.h>

#include "AnimationReference.h"

namespace {

using namespace AnimationReference;

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
    RecordProperty("worst_error", (testing::Message() << worst).GetString());
}

// A channel's exact value at `time`, by scanning its keys; held outside them.
template <typename Key, typename Value>
Value ExactChannel(const std::vector<Key>& keys, double time, Value value) {
    if (keys.empty()) return value;
    std::size_t k = 0;
    while (k + 1 < keys.size() && keys[k + 1].time <= time) ++k;
    if (k + 1 == keys.size() || !(time > keys[k].time)) return Exact(keys[k].value);
    const double f = (time - keys[k].time) / (keys[k + 1].time - keys[k].time);
    if constexpr (std::is_same_v<Value, glm::dquat>) return glm::slerp(Exact(keys[k].value), Exact(keys[k + 1].value), f);
    else return glm::mix(Exact(keys[k].value), Exact(keys[k + 1].value), f);
}

std::vector<ExactPose> ExactSample(const Assets::SkeletonData& skeleton, const Assets::AnimationData& clip, double time) {
    std::vector<ExactPose> poses;
    for (const Assets::BoneData& bone : skeleton.bones) poses.push_back(Exact(bone.bindPose));
    for (const Assets::BoneTrack& track : clip.tracks) {
        ExactPose& pose = poses.at(track.bone);
        pose = {ExactChannel(track.translations, time, pose.translation),
                ExactChannel(track.rotations, time, pose.rotation), ExactChannel(track.scales, time, pose.scale)};
    }
    return poses;
}

// Three laps of both clips at the demo's clock step, wrapping as the character does.
TEST(AnimationAccuracy, WarriorPosesAndMatricesMatchTheExactReference) {
    Assets::SkeletonData skeleton;
    Assets::AnimationData walk, run;
    std::string error;
    const auto ReadWarriorFile = [&](const std::string& file) {
        Assets::Bytes bytes;
        EXPECT_TRUE(Assets::ReadFileBytes(std::string(VANTOR_RESOURCES_DIR) + "/" + file, bytes, error)) << error;
        return bytes;
    };
    ASSERT_TRUE(Assets::ReadSkeleton(ReadWarriorFile("skeletons/Warrior_Skeleton.ske"), skeleton, error)) << error;
    ASSERT_TRUE(Assets::ReadAnimation(ReadWarriorFile("animations/Warrior_Walk.anim"), walk, error)) << error;
    ASSERT_TRUE(Assets::ReadAnimation(ReadWarriorFile("animations/Warrior_Run.anim"), run, error)) << error;
    ASSERT_TRUE(Animation::Registry::AddSkeleton("Warrior", skeleton, error) &&
                Animation::Registry::AddClip("Walk", walk, error) && Animation::Registry::AddClip("Run", run, error));
    RenderInterface::AnimationState walkState, runState;
    walkState.SetAnimationName("Walk");
    runState.SetAnimationName("Run");
    std::vector<Math::VQS> pose;
    std::vector<Math::Matrix4> bones, skinning;
    double worstRotation = 0.0, worstMatrix = 0.0;
    const int frames = static_cast<int>(3.0f * std::max(walk.duration, run.duration) / Assets::kClipUnitsPerFrame);
    for (int frame = 0; frame < frames; ++frame) {
        for (RenderInterface::AnimationState* state : {&walkState, &runState}) {
            state->SetTime(state->GetTime() + Assets::kClipUnitsPerFrame);
            if (state->GetEndFlag()) state->SetTime(0.0f);
        }
        const std::vector<ExactPose> exactWalk = ExactSample(skeleton, walk, walkState.GetTime());
        RenderInterface::AnimationController::LerpBlend("Warrior", &walkState, pose);
        ASSERT_EQ(pose.size(), skeleton.bones.size());
        for (std::size_t i = 0; i < pose.size(); ++i) {
            worstRotation = std::max(worstRotation, RotationError(pose[i].rotation, exactWalk[i].rotation));
        }
        const float weight = 0.4f + 0.6f * std::sin(0.05f * static_cast<float>(frame)) * 0.5f;
        const std::vector<ExactPose> exactRun = ExactSample(skeleton, run, runState.GetTime());
        RenderInterface::AnimationController::LerpBlend1D("Warrior", weight, &walkState, &runState, pose);
        RenderInterface::AnimationController::BuildTransformationMatricies("Warrior", pose, bones, skinning);
        ASSERT_EQ(skinning.size(), skeleton.bones.size());
        std::vector<glm::dmat4> model;
        for (std::size_t i = 0; i < pose.size(); ++i) {
            const ExactPose blended = Mix(exactWalk[i], exactRun[i], weight);
            worstRotation = std::max(worstRotation, RotationError(pose[i].rotation, blended.rotation));
            const int parent = skeleton.bones[i].parent;
            model.push_back(parent < 0 ? Trs(blended) : model[static_cast<std::size_t>(parent)] * Trs(blended));
            glm::dmat4 inverseBind;
            for (int e = 0; e < 16; ++e) inverseBind[e % 4][e / 4] = skeleton.bones[i].inverseBind.m[e];
            worstMatrix = std::max({worstMatrix, MaxDifference(bones[i], model.back()),
                                    MaxDifference(skinning[i], model.back() * inverseBind)});
        }
    }
    EXPECT_LE(worstRotation, 1e-5);
    EXPECT_LE(worstMatrix, 1e-4);
    RecordProperty("worst_warrior_rotation_error", (testing::Message() << worstRotation).GetString());
    RecordProperty("worst_warrior_matrix_error", (testing::Message() << worstMatrix).GetString());
    Animation::Registry::Clear();
}

}  // namespace
