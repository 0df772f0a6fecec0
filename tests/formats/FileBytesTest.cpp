// Whole-file reading and writing: either path separator, and missing files told apart from
// unreadable ones.
#include <gtest/gtest.h>

#include <filesystem>

#include <Assets/Formats.h>

namespace fs = std::filesystem;

namespace {

fs::path FreshDirectory(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("vantor-formats-" + name + "-" +
                                                      std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(FileBytes, WrittenBytesReadBackThroughBackslashPaths) {
    const fs::path dir = FreshDirectory("roundtrip");
    fs::create_directories(dir / "models");
    const Assets::Bytes bytes = {0, 1, 2, 255, 0, 42};
    std::string error;
    ASSERT_TRUE(Assets::WriteFileBytes((dir / "models" / "a.mesh").string(), bytes, error)) << error;

    Assets::Bytes read;
    bool missing = true;
    const std::string windowsStyle = dir.string() + "\\models\\a.mesh";
    ASSERT_TRUE(Assets::ReadFileBytes(windowsStyle, read, error, &missing)) << error;
    EXPECT_FALSE(missing);
    EXPECT_EQ(read, bytes);
    fs::remove_all(dir);
}

TEST(FileBytes, EmptyFileReadsAsNoBytes) {
    const fs::path dir = FreshDirectory("empty");
    std::string error;
    ASSERT_TRUE(Assets::WriteFileBytes((dir / "empty").string(), {}, error)) << error;
    Assets::Bytes read = {1, 2, 3};
    ASSERT_TRUE(Assets::ReadFileBytes((dir / "empty").string(), read, error)) << error;
    EXPECT_TRUE(read.empty());
    fs::remove_all(dir);
}

TEST(FileBytes, MissingFileIsReportedAsMissing) {
    const fs::path dir = FreshDirectory("missing");
    Assets::Bytes read;
    std::string error;
    bool missing = false;
    EXPECT_FALSE(Assets::ReadFileBytes((dir / "nothing.ske").string(), read, error, &missing));
    EXPECT_TRUE(missing);
    EXPECT_NE(error.find("no such file"), std::string::npos) << error;
    EXPECT_FALSE(Assets::ReadFileBytes((dir / "no" / "dir.ske").string(), read, error, &missing));
    EXPECT_TRUE(missing);
    fs::remove_all(dir);
}

TEST(FileBytes, DirectoryIsUnreadableButNotMissing) {
    const fs::path dir = FreshDirectory("directory");
    Assets::Bytes read;
    std::string error;
    bool missing = true;
    EXPECT_FALSE(Assets::ReadFileBytes(dir.string(), read, error, &missing));
    EXPECT_FALSE(missing);
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    fs::remove_all(dir);
}

TEST(FileBytes, WritingIntoAMissingDirectoryFails) {
    const fs::path dir = FreshDirectory("nowrite");
    std::string error;
    EXPECT_FALSE(Assets::WriteFileBytes((dir / "absent" / "x.anim").string(), {1}, error));
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
    fs::remove_all(dir);
}

TEST(FileBytes, NormalizePathTurnsEveryBackslashIntoASlash) {
    EXPECT_EQ(Assets::NormalizePath(".\\resources\\models\\Sword.mesh"), "./resources/models/Sword.mesh");
    EXPECT_EQ(Assets::NormalizePath("a/b\\c"), "a/b/c");
}
