// Mouse motion and wheel as the input module's event watch records them. Pushed events reach the
// watch at once, standing in for events that arrive during a frame's pumps.
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Input.h"

namespace Input = Util::Input;
using ShellTest::PushEvent;

class MouseInput : public ::testing::Test {
protected:
    void SetUp() override {
        Input::Initialize();
        Input::Update();
    }
    void TearDown() override { Input::Shutdown(); }

    static void ExpectDelta(int x, int y) {
        EXPECT_EQ(Input::GetMouseDeltaX(), x);
        EXPECT_EQ(Input::GetMouseDeltaY(), y);
    }
};

// Deltas and wheel are the frame's last event, not the sum, and zero in a frame without one.
TEST_F(MouseInput, LastEventOfTheFrameWins) {
    PushEvent(SDL_MOUSEMOTION, 3, 4);
    PushEvent(SDL_MOUSEMOTION, -10, 2);
    PushEvent(SDL_MOUSEWHEEL, 1, -2);
    PushEvent(SDL_MOUSEWHEEL, 0, 3);
    ExpectDelta(-10, 2);
    EXPECT_EQ(Input::GetWheelX(), 0);
    EXPECT_EQ(Input::GetWheelY(), 3);
    Input::Update();
    ExpectDelta(0, 0);
    EXPECT_EQ(Input::GetWheelY(), 0);
}

// The motion after a warp is the warp's own and is skipped, however many frames later it comes;
// the one after it counts again.
TEST_F(MouseInput, WarpSkipsTheNextMotionOnly) {
    PushEvent(SDL_MOUSEMOTION, 1, 1);
    Input::WarpMouse(10, 10);
    PushEvent(SDL_MOUSEMOTION, 50, 60);
    ExpectDelta(1, 1);
    Input::WarpMouse(20, 20);
    Input::Update();
    Input::Update();
    PushEvent(SDL_MOUSEMOTION, -40, -30);
    ExpectDelta(0, 0);
    PushEvent(SDL_MOUSEMOTION, 7, 8);
    ExpectDelta(7, 8);
}
