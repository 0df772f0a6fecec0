// What callers get back: empty outputs for anything unknown, and the same storage reused
// from one frame to the next once the outputs have their size.
#include "AnimationTestSupport.h"

using namespace AnimationTest;
using RenderInterface::AnimationController;

namespace {

class Outputs : public AnimationFixture {
protected:
    void SetUp() override {
        AnimationFixture::SetUp();
        RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))},
                                              {1, Pose(Math::Vector3(0, 1, 0))}}));
        Assets::AnimationData clip;
        clip.duration = 2.0f;
        Assets::BoneTrack track;
        track.bone = 1;
        track.translations = {{0.0f, Math::Vector3(0, 1, 0)}, {2.0f, Math::Vector3(0, 3, 0)}};
        clip.tracks = {track};
        RegisterClip("Walk", clip);
        RegisterClip("Run", clip);
    }

    // Outputs holding stale data, as a caller's vectors do after a previous frame.
    std::vector<Math::VQS> poses = std::vector<Math::VQS>(5);
    std::vector<Math::Matrix4> bones = std::vector<Math::Matrix4>(5);
    std::vector<Math::Matrix4> skinning = std::vector<Math::Matrix4>(5);
};

}  // namespace

TEST_F(Outputs, UnknownSkeletonClearsEveryOutput) {
    const RenderInterface::AnimationState walk = State("Walk", 0.5f);
    AnimationController::LerpBlend("Nobody", &walk, poses);
    EXPECT_TRUE(poses.empty());
    poses.resize(3);
    AnimationController::LerpBlend1D("Nobody", 0.5f, &walk, &walk, poses);
    EXPECT_TRUE(poses.empty());
    AnimationController::BuildTransformationMatricies("Nobody", std::vector<Math::VQS>(3), bones, skinning);
    EXPECT_TRUE(bones.empty());
    EXPECT_TRUE(skinning.empty());
    EXPECT_EQ(AnimationController::GetBoneCount("Nobody"), 0);
}

TEST_F(Outputs, UnknownClipOrNullStateClearsThePose) {
    const RenderInterface::AnimationState walk = State("Walk", 0.5f);
    const RenderInterface::AnimationState missing = State("Swim", 0.5f);
    AnimationController::LerpBlend("Body", &missing, poses);
    EXPECT_TRUE(poses.empty());
    poses.resize(3);
    AnimationController::LerpBlend("Body", nullptr, poses);
    EXPECT_TRUE(poses.empty());
    poses.resize(3);
    AnimationController::LerpBlend1D("Body", 0.5f, &walk, &missing, poses);
    EXPECT_TRUE(poses.empty()) << "second clip unknown";
    poses.resize(3);
    AnimationController::LerpBlend1D("Body", 0.5f, &missing, &walk, poses);
    EXPECT_TRUE(poses.empty()) << "first clip unknown";
    poses.resize(3);
    AnimationController::LerpBlend1D("Body", 0.5f, &walk, nullptr, poses);
    EXPECT_TRUE(poses.empty()) << "null state";
    EXPECT_EQ(AnimationController::GetClipDuration("Swim"), 0.0f);
}

// A pose for another skeleton (or the empty pose of an unknown clip) gives no matrices.
TEST_F(Outputs, PoseOfTheWrongSizeClearsTheMatrices) {
    AnimationController::BuildTransformationMatricies("Body", std::vector<Math::VQS>(2), bones, skinning);
    EXPECT_TRUE(bones.empty());
    EXPECT_TRUE(skinning.empty());
    bones.resize(1);
    skinning.resize(1);
    AnimationController::BuildTransformationMatricies("Body", {}, bones, skinning);
    EXPECT_TRUE(bones.empty());
    EXPECT_TRUE(skinning.empty());
}

TEST_F(Outputs, KnownNamesReportSizes) {
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 3);
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 2.0f);
}

// After the first frame the outputs keep their storage: no reallocation per frame.
TEST_F(Outputs, SecondFrameReusesTheSameStorage) {
    RenderInterface::AnimationState walk = State("Walk", 0.5f);
    RenderInterface::AnimationState run = State("Run", 1.5f);
    AnimationController::LerpBlend1D("Body", 0.3f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    ASSERT_EQ(poses.size(), 3u);
    ASSERT_EQ(bones.size(), 3u);
    const Math::VQS* poseData = poses.data();
    const Math::Matrix4* boneData = bones.data();
    const Math::Matrix4* skinningData = skinning.data();
    const std::size_t capacities[3] = {poses.capacity(), bones.capacity(), skinning.capacity()};

    walk.SetTime(1.0f);
    run.SetTime(0.25f);
    AnimationController::LerpBlend1D("Body", 0.6f, &walk, &run, poses);
    AnimationController::BuildTransformationMatricies("Body", poses, bones, skinning);
    AnimationController::LerpBlend("Body", &walk, poses);
    EXPECT_EQ(poses.data(), poseData);
    EXPECT_EQ(bones.data(), boneData);
    EXPECT_EQ(skinning.data(), skinningData);
    EXPECT_EQ(poses.capacity(), capacities[0]);
    EXPECT_EQ(bones.capacity(), capacities[1]);
    EXPECT_EQ(skinning.capacity(), capacities[2]);
    EXPECT_TRUE(VectorNear(poses[1].translation, {0, 2, 0})) << "the reused storage holds the new pose";
}
