// Relative mouse motion and the wheel, as the input module's event watch records them. Pushed
// events reach the watch at once, standing in for events that arrive during a frame's pumps.
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Input.h"

using ShellTest::PushMouseMotion;
using ShellTest::PushMouseWheel;
namespace Input = Util::Input;

class MouseInput : public ::testing::Test {
protected:
    void SetUp() override {
        Input::Initialize();
        Input::Update();
    }
    void TearDown() override { Input::Shutdown(); }
};

// Property: each frame starts from zero; a frame without motion reports none.
TEST_F(MouseInput, FrameWithoutMotionHasZeroDeltas) {
    PushMouseMotion(5, -7);
    ASSERT_EQ(Input::GetMouseDeltaX(), 5);
    ASSERT_EQ(Input::GetMouseDeltaY(), -7);

    Input::Update();
    EXPECT_EQ(Input::GetMouseDeltaX(), 0);
    EXPECT_EQ(Input::GetMouseDeltaY(), 0);
}

// Property: deltas are the last motion event's, not the sum of the frame's.
TEST_F(MouseInput, LastMotionEventOfTheFrameWins) {
    PushMouseMotion(3, 4);
    PushMouseMotion(-10, 2);
    EXPECT_EQ(Input::GetMouseDeltaX(), -10);
    EXPECT_EQ(Input::GetMouseDeltaY(), 2);
}

// Property: the motion event after a warp is the warp's own and is not counted, however many
// frames later it comes; motion after it counts again.
TEST_F(MouseInput, WarpSkipsTheNextMotionEventOnly) {
    PushMouseMotion(1, 1);
    Input::WarpMouse(10, 10);
    PushMouseMotion(50, 60);
    EXPECT_EQ(Input::GetMouseDeltaX(), 1);
    EXPECT_EQ(Input::GetMouseDeltaY(), 1);
    PushMouseMotion(2, 3);
    EXPECT_EQ(Input::GetMouseDeltaX(), 2);
    EXPECT_EQ(Input::GetMouseDeltaY(), 3);

    Input::WarpMouse(20, 20);
    Input::Update();
    Input::Update();
    PushMouseMotion(-40, -30);
    EXPECT_EQ(Input::GetMouseDeltaX(), 0);
    EXPECT_EQ(Input::GetMouseDeltaY(), 0);
    PushMouseMotion(7, 8);
    EXPECT_EQ(Input::GetMouseDeltaX(), 7);
    EXPECT_EQ(Input::GetMouseDeltaY(), 8);
}

// Property: the wheel reports the frame's last wheel event, and zero in a frame without one.
TEST_F(MouseInput, WheelReportsTheLastEventOfTheFrame) {
    EXPECT_EQ(Input::GetWheelX(), 0);
    EXPECT_EQ(Input::GetWheelY(), 0);

    PushMouseWheel(1, -2);
    PushMouseWheel(0, 3);
    EXPECT_EQ(Input::GetWheelX(), 0);
    EXPECT_EQ(Input::GetWheelY(), 3);

    Input::Update();
    EXPECT_EQ(Input::GetWheelX(), 0);
    EXPECT_EQ(Input::GetWheelY(), 0);
}
