// Registering skeletons and clips from files, the one-line report of a file that cannot be
// used, and the end flag of a playhead.
#include "AnimationTestSupport.h"

#include "resources/ResourceFiles.h"

using namespace AnimationTest;
using RenderInterface::AnimationController;
using RenderInterface::ResourceResult;
namespace Library = RenderInterface::AnimationLibrary;

namespace {

class Registry : public AnimationFixture {
protected:
    static Assets::AnimationData ClipLasting(float duration) {
        Assets::AnimationData clip;
        clip.duration = duration;
        return clip;
    }

    static std::size_t LineCount(const std::string& text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
};

}  // namespace

TEST_F(Registry, RegisteringANameAgainReplacesIt) {
    RegisterClip("Walk", ClipLasting(1.0f));
    const std::string longer = Write("longer.anim", Assets::WriteAnimation(ClipLasting(2.5f)));
    ASSERT_EQ(Library::RegisterAnimationFile(longer.c_str(), "Walk"), ResourceResult::Loaded);
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 2.5f);

    RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}}));
    RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}}));
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 2);
}

TEST_F(Registry, ClipCanBeRegisteredBeforeItsSkeleton) {
    Assets::AnimationData clip = ClipLasting(1.0f);
    Assets::BoneTrack track;
    track.bone = 1;
    track.translations = {{0.0f, Math::Vector3(0, 4, 0)}};
    clip.tracks = {track};
    RegisterClip("Walk", clip);
    RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}}));

    const RenderInterface::AnimationState walk = State("Walk", 0.0f);
    std::vector<Math::VQS> poses;
    AnimationController::LerpBlend("Body", &walk, poses);
    ASSERT_EQ(poses.size(), 2u);
    EXPECT_TRUE(VectorNear(poses[1].translation, {0, 4, 0}));
}

TEST_F(Registry, PathsWithBackslashesAreRead) {
    Write("Body.ske", Assets::WriteSkeleton(MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}})));
    const std::string windowsStyle = directory.string() + "\\Body.ske";
    EXPECT_EQ(Library::RegisterSkeletonFile(windowsStyle.c_str(), "Body"), ResourceResult::Loaded);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 1);
}

TEST_F(Registry, ClearForgetsEverything) {
    RegisterClip("Walk", ClipLasting(1.0f));
    RegisterSkeleton("Body", MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}}));
    Library::Clear();
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 0);
}

// A file that cannot be used: one line on stderr with the path and the reason, a result that
// says why, and nothing registered under the name (not even what was there before).
TEST_F(Registry, BadFileIsReportedOnceAndLeavesTheNameUnregistered) {
    RegisterClip("Walk", ClipLasting(1.0f));
    Assets::Bytes truncated = Assets::WriteAnimation(ClipLasting(1.0f));
    truncated.pop_back();
    const std::string bad = Write("bad.anim", truncated);

    ::testing::internal::CaptureStderr();
    const ResourceResult result = Library::RegisterAnimationFile(bad.c_str(), "Walk");
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, ResourceResult::BadFormat);
    EXPECT_EQ(LineCount(output), 1u) << output;
    EXPECT_NE(output.find(bad), std::string::npos) << output;
    EXPECT_NE(output.find("truncated"), std::string::npos) << output;
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
}

TEST_F(Registry, MissingAndUnreadableFilesSayWhich) {
    const std::string missing = (directory / "absent.ske").string();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Library::RegisterSkeletonFile(missing.c_str(), "Body"), ResourceResult::FileNotFound);
    std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(LineCount(output), 1u) << output;
    EXPECT_NE(output.find(missing), std::string::npos) << output;

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Library::RegisterSkeletonFile(directory.string().c_str(), "Body"), ResourceResult::ReadFailed);
    output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(LineCount(output), 1u) << output;
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 0);
}

TEST_F(Registry, MissingPathOrNameIsABadName) {
    const std::string path = Write("Walk.anim", Assets::WriteAnimation(ClipLasting(1.0f)));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Library::RegisterAnimationFile(nullptr, "Walk"), ResourceResult::BadName);
    EXPECT_EQ(Library::RegisterAnimationFile("", "Walk"), ResourceResult::BadName);
    EXPECT_EQ(Library::RegisterAnimationFile(path.c_str(), nullptr), ResourceResult::BadName);
    EXPECT_EQ(Library::RegisterSkeletonFile(path.c_str(), ""), ResourceResult::BadName);
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(LineCount(output), 4u) << output;
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
}

// The renderer reads meshes and cube maps through the same helpers.
TEST_F(Registry, ResourceFileHelpersReportThroughOneLine) {
    Assets::Bytes bytes;
    const std::string path = Write("x.mesh", {1, 2, 3});
    EXPECT_EQ(RenderInterface::ReadResourceFile(path.c_str(), bytes), ResourceResult::Loaded);
    EXPECT_EQ(bytes, (Assets::Bytes{1, 2, 3}));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RenderInterface::ReportBadFormat(path.c_str(), "no good"), ResourceResult::BadFormat);
    EXPECT_FALSE(RenderInterface::CheckResourceNames(path.c_str(), nullptr));
    EXPECT_TRUE(RenderInterface::CheckResourceNames(path.c_str(), "Mesh"));
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(LineCount(output), 2u) << output;
    EXPECT_NE(output.find(path + "': no good"), std::string::npos) << output;
}

// The end flag rises once the time is past the clip's duration, and never for unknown clips.
TEST_F(Registry, EndFlagRisesOncePastTheDuration) {
    RegisterClip("Walk", ClipLasting(1.5f));
    EXPECT_FALSE(State("Walk", 0.0f).GetEndFlag());
    EXPECT_FALSE(State("Walk", 1.5f).GetEndFlag()) << "at the end is not past it";
    EXPECT_TRUE(State("Walk", 1.5001f).GetEndFlag());
    EXPECT_TRUE(State("Walk", 100.0f).GetEndFlag());
    EXPECT_FALSE(State("Swim", 100.0f).GetEndFlag()) << "unknown clip";
    EXPECT_FALSE(RenderInterface::AnimationState().GetEndFlag()) << "no clip named";
}
