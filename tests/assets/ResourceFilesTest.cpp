// The builder's files against the app's registrations, loaded with the real renderer under the
// app's own paths and names.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

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

// The demo, started from the build directory, loads every file it registers; the builder writes
// exactly those files, byte for byte the same on a second run, and the build's tree holds them
// with the exporter's warrior beside them.
TEST(ResourceFiles, BuilderWritesExactlyTheFilesTheAppRegistersTheSameOnEveryRun) {
    std::set<std::string> registered;
    for (const AppResource& resource : AppResources()) {
        registered.insert(Assets::NormalizePath(resource.path.substr(2)));
        EXPECT_TRUE(resource.loaded) << resource.path;
    }
    EXPECT_EQ(registered.size(), 24u) << "textures, models, the skeleton and fifteen clips";
    const fs::path first = RunBuilder("vantor-assets-first"), second = RunBuilder("vantor-assets-second");
    const std::set<std::string> files = FilesBelow(first);
    EXPECT_EQ(files, registered);
    ASSERT_EQ(files, FilesBelow(second));
    for (const std::string& file : files) EXPECT_TRUE(Slurp(first / file) == Slurp(second / file)) << file;
    fs::remove_all(first);
    fs::remove_all(second);
    registered.insert("resources/Warrior.glb");
    EXPECT_EQ(FilesBelow(VANTOR_RESOURCE_ROOT), registered);
}
