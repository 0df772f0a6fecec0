// The running program as a user sees it: the warrior walks the loop drawn in red, so two
// pictures a second apart differ only around it, on the path. The screenshots are kept beside
// the test for a look by eye.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "FrameDifference.h"
#include "VantorSession.h"

TEST(WalkOnScreen, WarriorMovesAlongTheRedPath)
{
    DemoTest::VantorSession session(VANTOR_EXECUTABLE);
    ASSERT_TRUE(session.HasWindow());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const TestSupport::FrameImage before = session.Capture("character-walk-1");
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const TestSupport::FrameImage after = session.Capture("character-walk-2");
    ASSERT_GT(before.width, 0u);

    const PixelRegion path = PathRed(before);
    const PixelRegion moved = Changed(before, after, 60);
    EXPECT_GT(path.count, 300) << "no red path in the picture";
    ASSERT_GT(moved.count, 200) << "nothing moved in a second";
    // Only the warrior (with its weapon and axis lines) moves, and within the path's extent.
    EXPECT_LT(moved.right - moved.left, 600);
    EXPECT_LT(moved.bottom - moved.top, 400);
    EXPECT_TRUE(moved.left <= path.right && moved.right >= path.left);
    EXPECT_TRUE(moved.top <= path.bottom && moved.bottom >= path.top);

    EXPECT_EQ(session.Quit(), 0);
}
