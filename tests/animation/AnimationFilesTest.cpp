// The renderer's registration of skeleton and clip files into the runtime: paths may use
// backslashes; a file that cannot be used gives one line on stderr with the path and the reason,
// a result that says why, and removes what was registered under the name. No GL context needed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <Assets/Formats.h>
#include <RenderInterface/Animation.h>

#include "animation/AnimationLibrary.h"

namespace {

using RenderInterface::ResourceResult;
namespace Library = RenderInterface::AnimationLibrary;

TEST(AnimationFiles, FoundThroughEitherSeparatorAndBadOnesRegisterNothing) {
    const std::filesystem::path directory = testing::TempDir() + "vantor-animation-files";
    std::filesystem::create_directories(directory);
    std::string error;
    Assets::AnimationData clip{1.5f, {}};
    Assets::Bytes bytes = Assets::WriteAnimation(clip);
    const std::string good = (directory / "Run.anim").string(), bad = (directory / "bad.anim").string();
    ASSERT_TRUE(Assets::WriteFileBytes(good, bytes, error)) << error;
    bytes.pop_back();
    ASSERT_TRUE(Assets::WriteFileBytes(bad, bytes, error)) << error;
    ASSERT_EQ(Library::RegisterAnimationFile((directory.string() + "\\Run.anim").c_str(), "Walk"), ResourceResult::Loaded);
    EXPECT_EQ(RenderInterface::AnimationController::GetClipDuration("Walk"), 1.5f);
    const std::string missing = (directory / "absent.ske").string();
    const auto animation = Library::RegisterAnimationFile, skeleton = Library::RegisterSkeletonFile;
    const struct { decltype(animation) call; const char *path, *name; ResourceResult expected; std::string reason; }
        cases[] = {{animation, bad.c_str(), "Walk", ResourceResult::BadFormat, bad + "': truncated"},
                   {skeleton, missing.c_str(), "Body", ResourceResult::FileNotFound, missing + "': no such"},
                   {skeleton, directory.c_str(), "Body", ResourceResult::ReadFailed, "not a regular file"},
                   {animation, nullptr, "Walk", ResourceResult::BadName, "no path"},
                   {animation, bad.c_str(), "", ResourceResult::BadName, "no name"}};
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(c.call(c.path, c.name), c.expected);
        const std::string output = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
        EXPECT_NE(output.find(c.reason), std::string::npos) << output;
    }
    EXPECT_EQ(RenderInterface::AnimationController::GetClipDuration("Walk"), 0.0f);
    std::filesystem::remove_all(directory);
}

}  // namespace
