// The builder writes exactly the files the app registers, each readable by its reader, and the
// same bytes on every run; bad command lines get a message rather than a crash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "AssetTestSupport.h"

namespace AssetTests {
namespace {

namespace fs = std::filesystem;

// The paths as the app hands them to the renderer.
const char* const kAppPaths[] = {
    ".\\resources\\textures\\CubeMap.dds",
    ".\\resources\\textures\\CitySkybox.dds",
    ".\\resources\\models\\Sword.mesh",
    ".\\resources\\models\\Shield.mesh",
    ".\\resources\\models\\Cerberus.mesh",
    ".\\resources\\models\\default\\Cube.mesh",
    ".\\resources\\animations\\Warrior_Attack_1.anim",
    ".\\resources\\animations\\Warrior_Attack_2.anim",
    ".\\resources\\animations\\Warrior_Attack_3.anim",
    ".\\resources\\animations\\Warrior_Die.anim",
    ".\\resources\\animations\\Warrior_Guard.anim",
    ".\\resources\\animations\\Warrior_Critical_Damage.anim",
    ".\\resources\\animations\\Warrior_Damage.anim",
    ".\\resources\\animations\\Warrior_Skill_1.anim",
    ".\\resources\\animations\\Warrior_Skill_2.anim",
    ".\\resources\\animations\\Warrior_Skill_3.anim",
    ".\\resources\\animations\\Warrior_Skill_4.anim",
    ".\\resources\\animations\\Warrior_Skill_5.anim",
    ".\\resources\\animations\\Warrior_Stand.anim",
    ".\\resources\\animations\\Warrior_Walk.anim",
    ".\\resources\\animations\\Warrior_Run.anim",
    ".\\resources\\skeletons\\Warrior_Skeleton.ske",
    ".\\resources\\models\\Warrior_Skeleton2.mesh",
    ".\\resources\\models\\Warrior_Skeleton.mesh",
};

// A scratch path of this process's own, so test runs in other build directories cannot collide.
fs::path Scratch(const std::string& name) {
    return fs::path(::testing::TempDir()) / (name + "-" + std::to_string(getpid()));
}

// "resources/models/Sword.mesh" from ".\resources\models\Sword.mesh".
std::string Relative(const std::string& appPath) {
    std::string path = appPath.substr(2);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::set<std::string> FilesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root / "resources")) {
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
    }
    return files;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the builder with a raw argument string; returns its exit status, stderr in `messages`.
int RunBuilder(const std::string& arguments, std::string& messages) {
    const fs::path log = Scratch("vantor-assets-stderr");
    const std::string command = std::string("'") + VANTOR_ASSETS_EXE + "' " + arguments + " 2> '" + log.string() + "'";
    const int status = std::system(command.c_str());
    messages = Slurp(log);
    fs::remove(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BuilderOutputTest, WritesExactlyTheFilesTheAppRegisters) {
    std::set<std::string> expected;
    for (const char* path : kAppPaths) expected.insert(Relative(path));
    EXPECT_EQ(FilesBelow(ResourceRoot()), expected);
}

TEST(BuilderOutputTest, EveryFileLoadsThroughItsReader) {
    for (const char* appPath : kAppPaths) {
        const std::string path = ResourceRoot() + "/" + Relative(appPath);
        Assets::Bytes bytes;
        std::string error;
        ASSERT_TRUE(Assets::ReadFileBytes(path, bytes, error)) << path << ": " << error;
        const std::string extension = fs::path(path).extension().string();
        bool read = false;
        if (extension == ".mesh") {
            Assets::MeshData mesh;
            read = Assets::ReadMesh(bytes, mesh, error);
        } else if (extension == ".ske") {
            Assets::SkeletonData skeleton;
            read = Assets::ReadSkeleton(bytes, skeleton, error);
        } else if (extension == ".anim") {
            Assets::AnimationData clip;
            read = Assets::ReadAnimation(bytes, clip, error);
        } else if (extension == ".dds") {
            Assets::CubeMapData cubeMap;
            read = Assets::ReadCubeMapDds(bytes, cubeMap, error);
        }
        EXPECT_TRUE(read) << path << ": " << error;
    }
}

TEST(BuilderOutputTest, TwoRunsWriteIdenticalBytes) {
    const fs::path first = Scratch("vantor-assets-first");
    const fs::path second = Scratch("vantor-assets-second");
    fs::remove_all(first);
    fs::remove_all(second);
    std::string messages;
    ASSERT_EQ(RunBuilder("'" + first.string() + "'", messages), 0) << messages;
    ASSERT_EQ(RunBuilder("'" + second.string() + "'", messages), 0) << messages;
    const std::set<std::string> files = FilesBelow(first);
    ASSERT_EQ(files, FilesBelow(second));
    ASSERT_EQ(files.size(), std::size(kAppPaths));
    for (const std::string& file : files) {
        EXPECT_TRUE(Slurp(first / file) == Slurp(second / file)) << file << " differs between runs";
    }
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(BuilderOutputTest, ExplainsAMissingArgument) {
    std::string messages;
    EXPECT_EQ(RunBuilder("", messages), 2);
    EXPECT_NE(messages.find("usage: vantor-assets <output-dir>"), std::string::npos) << messages;
}

TEST(BuilderOutputTest, ExplainsAnOutputItCannotWrite) {
    // A regular file where the output directory should be.
    const fs::path blocker = Scratch("vantor-assets-blocker");
    std::ofstream(blocker) << "not a directory";
    std::string messages;
    EXPECT_EQ(RunBuilder("'" + blocker.string() + "'", messages), 1);
    EXPECT_NE(messages.find(blocker.string()), std::string::npos) << messages;
    fs::remove(blocker);
}

}  // namespace
}  // namespace AssetTests
