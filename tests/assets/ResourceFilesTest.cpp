// The builder writes exactly the files the app registers, the same bytes on every run, and each
// registers with the real renderer under the app's own paths and names.
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <TestSupport/OffscreenRenderer.h>

#include "AssetTestSupport.h"

using namespace AssetTests;

namespace {

namespace fs = std::filesystem;

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

// Runs the builder into a scratch directory of this process's own.
fs::path RunBuilder(const std::string& name) {
    const fs::path output = fs::path(::testing::TempDir()) / (name + std::to_string(getpid()));
    EXPECT_EQ(std::system(("'" VANTOR_ASSETS_EXE "' '" + output.string() + "'").c_str()), 0);
    return output;
}

}  // namespace

TEST(ResourceFiles, BuilderWritesExactlyTheFilesTheAppRegisters) {
    std::set<std::string> expected;
    for (const AppResource& resource : AppResources()) expected.insert(Assets::NormalizePath(resource.path.substr(2)));
    expected.insert("resources/Warrior.glb");  // the exporter writes the warrior beside them
    EXPECT_EQ(FilesBelow(VANTOR_RESOURCE_ROOT), expected);
}

TEST(ResourceFiles, TwoRunsWriteIdenticalBytes) {
    const fs::path first = RunBuilder("vantor-assets-first"), second = RunBuilder("vantor-assets-second");
    const std::set<std::string> files = FilesBelow(first);
    ASSERT_EQ(files, FilesBelow(second));
    ASSERT_EQ(files.size(), AppResources().size());
    for (const std::string& file : files) EXPECT_TRUE(Slurp(first / file) == Slurp(second / file)) << file;
    fs::remove_all(first);
    fs::remove_all(second);
}

// Every file loads through the renderer's readers, from the working directory the app runs in.
TEST(ResourceFiles, EveryFileRegistersUnderTheAppsPathsAndNames) {
    TestSupport::OffscreenRenderer gl(64, 64);
    ASSERT_TRUE(gl);
    char previous[PATH_MAX];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(VANTOR_RESOURCE_ROOT), 0);
    for (const AppResource& r : AppResources()) {
        const std::string extension = fs::path(Assets::NormalizePath(r.path)).extension().string();
        const auto result = extension == ".dds"    ? gl->RegisterTexture(r.path.c_str(), r.name.c_str())
                            : extension == ".mesh" ? gl->RegisterModel(r.path.c_str(), r.name.c_str())
                            : extension == ".ske"  ? gl->RegisterSkeleton(r.path.c_str(), r.name.c_str())
                                                   : gl->RegisterAnimation(r.path.c_str(), r.name.c_str());
        EXPECT_EQ(result, RenderInterface::ResourceResult::Loaded) << r.path;
    }
    EXPECT_EQ(chdir(previous), 0);
}
