// The real vantor executable on an X server of its own (Xvfb): its window, and the ways out of it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <TestSupport/XSession.h>
#include <gtest/gtest.h>

using TestSupport::RunningProgram;

// "Vantor v0.0", 1400 by 800, centred, even with no resources to load (Escape's exit code 0 is
// checked after every e2e run); closing the window as a window manager does ends it with 0;
// without a usable display it says so and fails rather than crashing or running unseen (SDL's
// offscreen driver is used only when asked for).
TEST(VantorProgram, OpensCentredClosesWithZeroAndWithoutDisplayFailsWithAMessage) {
    const std::string empty = testing::TempDir() + "vantor-empty-" + std::to_string(getpid());
    std::filesystem::create_directories(empty);
    {
        RunningProgram program(VANTOR_EXECUTABLE, empty);
        ASSERT_TRUE(program.WaitForWindow()) << program.StandardError();
        const TestSupport::WindowGeometry window = program.Geometry(), screen = RunningProgram::Screen();
        EXPECT_EQ(window.width * 1000 + window.height, 1400800);
        EXPECT_EQ(window.x, (screen.width - 1400) / 2);
        EXPECT_EQ(window.y, (screen.height - 800) / 2);
        ASSERT_TRUE(program.RequestClose());
        EXPECT_EQ(program.WaitForExit(), 0) << program.StandardError();
        EXPECT_EQ(program.StandardOutput(), "");
    }
    RunningProgram program(VANTOR_EXECUTABLE, empty, "no-such-video-driver");
    EXPECT_NE(program.WaitForExit().value_or(0), 0) << "exited with 0, still running or killed by a signal";
    EXPECT_NE(program.StandardError().find("Vantor v0.0"), std::string::npos) << program.StandardError();
    const std::string display = std::getenv("DISPLAY");
    for (const char* noDisplay : {"", ":29999"}) {
        setenv("DISPLAY", noDisplay, 1);
        RunningProgram unseen(VANTOR_EXECUTABLE, empty, "");
        setenv("DISPLAY", display.c_str(), 1);
        EXPECT_EQ(unseen.WaitForExit(), 1) << "DISPLAY=" << noDisplay;
        EXPECT_NE(unseen.StandardError().find("no display"), std::string::npos) << unseen.StandardError();
    }
    std::filesystem::remove_all(empty);
}
