// Whole-file reading and writing: either path separator, and missing files told apart from
// unreadable ones.
#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include <Assets/Formats.h>

namespace fs = std::filesystem;

namespace {

class FileBytes : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "models");
    }
    void TearDown() override { fs::remove_all(dir); }

    const fs::path dir = fs::temp_directory_path() / ("vantor-formats-" + std::to_string(::getpid()));
    Assets::Bytes read{9, 9};
    std::string error;
    bool missing = false;
};

}  // namespace

TEST_F(FileBytes, WrittenBytesReadBackThroughBackslashPaths) {
    const Assets::Bytes bytes = {0, 1, 2, 255, 0, 42};
    ASSERT_TRUE(Assets::WriteFileBytes((dir / "models" / "a.mesh").string(), bytes, error)) << error;
    ASSERT_TRUE(Assets::ReadFileBytes(dir.string() + "\\models\\a.mesh", read, error, &missing)) << error;
    EXPECT_EQ(read, bytes);

    ASSERT_TRUE(Assets::WriteFileBytes((dir / "empty").string(), {}, error)) << error;
    ASSERT_TRUE(Assets::ReadFileBytes((dir / "empty").string(), read, error)) << error;
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(Assets::NormalizePath(".\\resources\\models/Sword.mesh"), "./resources/models/Sword.mesh");
}

TEST_F(FileBytes, MissingFilesAreToldApartFromUnreadableOnes) {
    EXPECT_FALSE(Assets::ReadFileBytes((dir / "nothing.ske").string(), read, error, &missing));
    EXPECT_TRUE(missing);
    EXPECT_EQ(error, "no such file");
    EXPECT_FALSE(Assets::ReadFileBytes((dir / "no" / "dir.ske").string(), read, error, &missing));
    EXPECT_TRUE(missing);

    EXPECT_FALSE(Assets::ReadFileBytes(dir.string(), read, error, &missing));
    EXPECT_FALSE(missing);
    EXPECT_EQ(error, "not a regular file");

    EXPECT_FALSE(Assets::WriteFileBytes((dir / "absent" / "x.anim").string(), {1}, error));
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
}
