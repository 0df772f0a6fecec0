// The running program as a user sees it: the warrior walks the loop drawn in red, so two
// pictures a second apart differ only around it, on the path (kept beside the test to look at).
#include <chrono>
#include <thread>

#include <TestSupport/XSession.h>
#include <gtest/gtest.h>

#include "FrameDifference.h"

TEST(WalkOnScreen, WarriorMovesAlongTheRedPath)
{
    TestSupport::RunningProgram program(VANTOR_EXECUTABLE);
    ASSERT_TRUE(program.WaitForWindow()) << program.StandardError();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const TestSupport::FrameImage before = program.Capture("character-walk-1");
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const TestSupport::FrameImage after = program.Capture("character-walk-2");

    const PixelRegion path = PathRed(before);
    const PixelRegion moved = Changed(before, after, 60);
    EXPECT_GT(path.count, 300) << "no red path in the picture";
    ASSERT_GT(moved.count, 200) << "nothing moved in a second";
    EXPECT_LT(moved.right - moved.left, 600) << "more than the warrior moved";
    EXPECT_LT(moved.bottom - moved.top, 400) << "more than the warrior moved";
    EXPECT_TRUE(moved.left <= path.right && moved.right >= path.left);
    EXPECT_TRUE(moved.top <= path.bottom && moved.bottom >= path.top);
    EXPECT_EQ(program.Quit(), 0);
}
