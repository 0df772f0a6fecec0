// The real vantor executable under Xvfb: the window it opens, and the ways out of it. It runs
// from the build directory when the generated assets are there, and also from a directory
// with no resources at all.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/shell/ChildProcess.h"
#include "tests/shell/X11Client.h"
#include "tests/shell/XdoTool.h"

namespace fs = std::filesystem;
using ShellTest::ChildProcess;
using ShellTest::X11Client;

namespace {

constexpr const char* Title = "Vantor v0.0";

class VantorProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x11) << "no X display: these tests run under Xvfb";
        scratch = fs::temp_directory_path() / ("vantor-shell-" + std::to_string(getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(scratch / "cwd");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(scratch, ignored);
    }

    // The build directory when it holds the generated assets, else an empty directory.
    std::string DirectoryWithResourcesIfAny() const {
        return fs::is_directory(fs::path(VANTOR_BUILD_DIR) / "resources") ? VANTOR_BUILD_DIR : EmptyDirectory();
    }
    std::string EmptyDirectory() const { return (scratch / "cwd").string(); }

    std::unique_ptr<ChildProcess> Start(const std::string& workingDirectory, const std::string& videoDriver = "x11") {
        return std::make_unique<ChildProcess>(VANTOR_EXECUTABLE, workingDirectory, videoDriver, scratch.string());
    }

    // Waits for the program's window to be shown; 0 if the program ends or no window comes.
    ::Window WaitForWindow(ChildProcess& program) {
        for (int attempt = 0; attempt < 600 && program.IsRunning(); ++attempt) {
            const ::Window window = x11.FindWindowByTitle(Title);
            if (window && x11.IsShown(window)) {
                return window;
            }
            usleep(50 * 1000);
        }
        return 0;
    }

    X11Client x11;
    fs::path scratch;
};

}  // namespace

// Property: the window is titled "Vantor v0.0", 1400 by 800, centred on the screen; Escape ends
// the program with exit code 0, and nothing is written to standard output.
TEST_F(VantorProgram, OpensItsCentredWindowAndEscapeEndsItWithZero) {
    auto program = Start(DirectoryWithResourcesIfAny());
    ASSERT_TRUE(program->Started());
    const ::Window window = WaitForWindow(*program);
    ASSERT_NE(window, 0u) << program->StandardError();

    const ShellTest::WindowGeometry geometry = x11.Geometry(window);
    EXPECT_EQ(geometry.width, 1400);
    EXPECT_EQ(geometry.height, 800);
    EXPECT_EQ(geometry.x, (x11.ScreenWidth() - 1400) / 2);
    EXPECT_EQ(geometry.y, (x11.ScreenHeight() - 800) / 2);

    // Held until the program has gone, so no frame can miss it.
    ASSERT_TRUE(ShellTest::XdoTool("windowfocus --sync " + std::to_string(window) + " keydown Escape"));
    const std::optional<int> exitCode = program->WaitForExit();
    ShellTest::XdoTool("keyup Escape");
    ASSERT_TRUE(exitCode.has_value()) << "still running or killed by a signal\n" << program->StandardError();
    EXPECT_EQ(*exitCode, 0) << program->StandardError();
    EXPECT_EQ(program->StandardOutput(), "");
}

// Property: closing the window the way a window manager does ends the program with exit code
// 0; it needs no resources to start or to stop.
TEST_F(VantorProgram, ClosingTheWindowEndsItWithZeroEvenWithoutResources) {
    auto program = Start(EmptyDirectory());
    ASSERT_TRUE(program->Started());
    const ::Window window = WaitForWindow(*program);
    ASSERT_NE(window, 0u) << program->StandardError();

    ASSERT_TRUE(x11.SendDeleteWindow(window));
    const std::optional<int> exitCode = program->WaitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "still running or killed by a signal\n" << program->StandardError();
    EXPECT_EQ(*exitCode, 0) << program->StandardError();
    EXPECT_EQ(program->StandardOutput(), "");
}

// Property: when no window can be opened the program says so and fails, rather than crashing.
TEST_F(VantorProgram, WithoutAUsableDisplayItFailsWithAMessage) {
    auto program = Start(EmptyDirectory(), "no-such-video-driver");
    ASSERT_TRUE(program->Started());
    const std::optional<int> exitCode = program->WaitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "still running or killed by a signal\n" << program->StandardError();
    EXPECT_NE(*exitCode, 0);
    EXPECT_NE(program->StandardError().find(Title), std::string::npos) << program->StandardError();
}
