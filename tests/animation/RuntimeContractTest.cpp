// What callers of the runtime can rely on: empty outputs for anything unknown, storage reused
// from frame to frame, and the end flag of a playhead.
#include "AnimationTestSupport.h"

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

class RuntimeContract : public AnimationFixture {
protected:
    void SetUp() override {
        AnimationFixture::SetUp();
        RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))},
                                              {1, Pose(Math::Vector3(0, 1, 0))}}));
        Assets::BoneTrack track;
        track.bone = 1;
        track.translations = {{0.0f, Math::Vector3(0, 1, 0)}, {2.0f, Math::Vector3(0, 3, 0)}};
        RegisterClip("Walk", MakeClip(2.0f, {track}));
        RegisterClip("Run", MakeClip(1.5f, {track}));
    }

    // Outputs holding stale data, as a caller's vectors do after a previous frame.
    std::vector<Math::VQS> poses = std::vector<Math::VQS>(3);
    std::vector<Math::Matrix4> bones = std::vector<Math::Matrix4>(3);
    std::vector<Math::Matrix4> skinning = std::vector<Math::Matrix4>(3);
};

}  // namespace

TEST_F(RuntimeContract, UnknownSkeletonClipOrNullStateGivesEmptyOutputs) {
    const RenderInterface::AnimationState walk = State("Walk", 0.5f);
    const RenderInterface::AnimationState swim = State("Swim", 0.5f);
    const struct {
        const char* skeleton;
        const RenderInterface::AnimationState* a;
        const RenderInterface::AnimationState* b;
        bool aSamples;  // whether LerpBlend of a alone gives a pose
    } cases[] = {{"Nobody", &walk, &walk, false}, {"Body", &swim, &walk, false}, {"Body", &walk, &swim, true},
                 {"Body", nullptr, &walk, false}, {"Body", &walk, nullptr, true}};
    for (const auto& c : cases) {
        poses.resize(3);
        AnimationController::LerpBlend(c.skeleton, c.a, poses);
        EXPECT_EQ(poses.size(), c.aSamples ? 3u : 0u);
        poses.resize(3);
        AnimationController::LerpBlend1D(c.skeleton, 0.5f, c.a, c.b, poses);
        EXPECT_TRUE(poses.empty());
    }
    AnimationController::BuildTransformationMatricies("Nobody", std::vector<Math::VQS>(3), bones, skinning);
    EXPECT_TRUE(bones.empty() && skinning.empty());
    EXPECT_EQ(AnimationController::GetBoneCount("Nobody"), 0);
    EXPECT_EQ(AnimationController::GetClipDuration("Swim"), 0.0f);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 3);
    EXPECT_EQ(AnimationController::GetClipDuration("Run"), 1.5f);
}

// A pose for another skeleton, or the empty pose of an unknown clip, gives no matrices.
TEST_F(RuntimeContract, PoseOfTheWrongSizeGivesEmptyMatrices) {
    for (std::size_t size : {2u, 0u, 4u}) {
        bones.resize(3);
        skinning.resize(3);
        AnimationController::BuildTransformationMatricies("Body", std::vector<Math::VQS>(size), bones, skinning);
        EXPECT_TRUE(bones.empty() && skinning.empty()) << size << " poses";
    }
}

// After the first frame the outputs keep their storage: nothing is reallocated per frame.
TEST_F(RuntimeContract, LaterFramesReuseTheSameStorage) {
    RenderInterface::AnimationState walk = State("Walk", 0.5f);
    RenderInterface::AnimationState run = State("Run", 1.5f);
    AnimationController::LerpBlend1D("Body", 0.3f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    const void* storage[3] = {poses.data(), bones.data(), skinning.data()};
    const std::size_t capacity[3] = {poses.capacity(), bones.capacity(), skinning.capacity()};

    walk.SetTime(1.0f);
    AnimationController::LerpBlend1D("Body", 0.6f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_EQ(poses.data(), storage[0]);
    EXPECT_EQ(bones.data(), storage[1]);
    EXPECT_EQ(skinning.data(), storage[2]);
    EXPECT_EQ(poses.capacity(), capacity[0]);
    EXPECT_EQ(bones.capacity(), capacity[1]);
    EXPECT_EQ(skinning.capacity(), capacity[2]);
    EXPECT_TRUE(VectorNear(poses[1].translation, {0, 2, 0})) << "the reused storage holds the new pose";
}

// The end flag rises once the time is past the clip's duration, and never for unknown clips.
TEST_F(RuntimeContract, EndFlagRisesOncePastTheDuration) {
    EXPECT_FALSE(State("Run", 0.0f).GetEndFlag());
    EXPECT_FALSE(State("Run", 1.5f).GetEndFlag()) << "at the end is not past it";
    EXPECT_TRUE(State("Run", 1.5001f).GetEndFlag());
    EXPECT_FALSE(State("Walk", 1.5001f).GetEndFlag()) << "each clip has its own duration";
    EXPECT_FALSE(State("Swim", 100.0f).GetEndFlag()) << "unknown clip";
    EXPECT_FALSE(RenderInterface::AnimationState().GetEndFlag()) << "no clip named";
}
