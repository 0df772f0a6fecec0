// Registering skeletons and clips from files, and the one-line report of a file that cannot
// be used.
#include "AnimationTestSupport.h"

#include "resources/ResourceFiles.h"

using namespace AnimationTest;
using RenderInterface::AnimationController;
using RenderInterface::ResourceResult;
namespace Library = RenderInterface::AnimationLibrary;

namespace {

class Registry : public AnimationFixture {
protected:
    const Assets::SkeletonData oneBone = MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}});
    const Assets::SkeletonData twoBones =
        MakeSkeleton({{-1, Pose(Math::Vector3(0, 0, 0))}, {0, Pose(Math::Vector3(0, 1, 0))}});
};

// Runs `call` and returns what it printed on stderr.
template <typename Call>
std::string Stderr(Call call) {
    ::testing::internal::CaptureStderr();
    call();
    return ::testing::internal::GetCapturedStderr();
}

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST_F(Registry, RegisteringANameAgainReplacesIt) {
    RegisterClip("Walk", MakeClip(1.0f));
    RegisterClip("Walk", MakeClip(2.5f));
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 2.5f);
    RegisterSkeleton("Body", oneBone);
    RegisterSkeleton("Body", twoBones);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 2);
    Library::Clear();
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
    EXPECT_EQ(AnimationController::GetBoneCount("Body"), 0);
}

// A clip may come before its skeleton, through a path written with backslashes.
TEST_F(Registry, ClipBeforeSkeletonAndBackslashPaths) {
    Assets::BoneTrack track;
    track.bone = 1;
    track.translations = {{0.0f, Math::Vector3(0, 4, 0)}};
    RegisterClip("Walk", MakeClip(1.0f, {track}));
    Write("Body.ske", Assets::WriteSkeleton(twoBones));
    const std::string windowsStyle = directory.string() + "\\Body.ske";
    ASSERT_EQ(Library::RegisterSkeletonFile(windowsStyle.c_str(), "Body"), ResourceResult::Loaded);

    const RenderInterface::AnimationState walk = State("Walk", 0.0f);
    std::vector<Math::VQS> poses;
    AnimationController::LerpBlend("Body", &walk, poses);
    ASSERT_EQ(poses.size(), 2u);
    EXPECT_TRUE(VectorNear(poses[1].translation, {0, 4, 0}));
}

// A file that cannot be used: one line on stderr with the path and the reason, a result that
// says why, and nothing registered under the name (not even what was there before).
TEST_F(Registry, UnusableFilesAreReportedOnceAndRegisterNothing) {
    RegisterClip("Walk", MakeClip(1.0f));
    Assets::Bytes truncated = Assets::WriteAnimation(MakeClip(1.0f));
    truncated.pop_back();
    const std::string bad = Write("bad.anim", truncated);
    const std::string missing = (directory / "absent.ske").string();
    const std::string folder = directory.string();

    const struct {
        ResourceResult (*registerFile)(const char*, const char*);
        const char* path;
        ResourceResult expected;
        std::string reason;
    } cases[] = {{Library::RegisterAnimationFile, bad.c_str(), ResourceResult::BadFormat, bad + "': truncated"},
                 {Library::RegisterSkeletonFile, missing.c_str(), ResourceResult::FileNotFound, missing + "': no such"},
                 {Library::RegisterSkeletonFile, folder.c_str(), ResourceResult::ReadFailed, "not a regular file"},
                 {Library::RegisterAnimationFile, nullptr, ResourceResult::BadName, "no path"},
                 {Library::RegisterAnimationFile, "", ResourceResult::BadName, "no path"}};
    for (const auto& c : cases) {
        ResourceResult result = ResourceResult::Loaded;
        const std::string output = Stderr([&] { result = c.registerFile(c.path, "Walk"); });
        EXPECT_EQ(result, c.expected) << output;
        EXPECT_EQ(Lines(output), 1u) << output;
        EXPECT_NE(output.find(c.reason), std::string::npos) << output;
    }
    EXPECT_EQ(AnimationController::GetClipDuration("Walk"), 0.0f);
    EXPECT_EQ(AnimationController::GetBoneCount("Walk"), 0);

    const std::string good = Write("good.anim", Assets::WriteAnimation(MakeClip(1.0f)));
    const std::string output =
        Stderr([&] { EXPECT_EQ(Library::RegisterAnimationFile(good.c_str(), ""), ResourceResult::BadName); });
    EXPECT_NE(output.find("no name"), std::string::npos) << output;
}

// The renderer reads meshes and cube maps through the same helpers.
TEST_F(Registry, ResourceFileHelpers) {
    Assets::Bytes bytes;
    const std::string path = Write("x.mesh", {1, 2, 3});
    EXPECT_EQ(RenderInterface::ReadResourceFile(path.c_str(), bytes), ResourceResult::Loaded);
    EXPECT_EQ(bytes, (Assets::Bytes{1, 2, 3}));
    const std::string output = Stderr([&] {
        EXPECT_EQ(RenderInterface::ReportBadFormat(path.c_str(), "no good"), ResourceResult::BadFormat);
        EXPECT_TRUE(RenderInterface::CheckResourceNames(path.c_str(), "Mesh"));
    });
    EXPECT_EQ(output, "Vantor: cannot use resource '" + path + "': no good\n");
}
