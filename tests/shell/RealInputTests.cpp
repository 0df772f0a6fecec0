// Keys and mouse buttons pressed for real (xdotool under Xvfb), seen through the input module's
// per-frame snapshots.
#include <string>

#include <gtest/gtest.h>

#include "tests/shell/X11ShellFixture.h"
#include "tests/shell/XdoTool.h"
#include "util/Input.h"
#include "util/Window.h"

namespace Input = Util::Input;
using ShellTest::XdoTool;

class RealInput : public ShellTest::X11Shell {
protected:
    void SetUp() override {
        X11Shell::SetUp();
        window = Util::CreateWindow("Input test", 200, 150, 0, 0, 0);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(Focus(window->handle));
    }
    void TearDown() override {
        XdoTool("keyup a keyup b mouseup 3");
        Input::Shutdown();
        Util::DestroyWindow(window);
    }

    // Runs frames until the key's down state is `down`, counting the frames that saw it triggered.
    bool FramesUntilKey(int scancode, bool down, int& triggeredFrames) {
        return PumpUntil(
            [&] {
                Input::Update();
                triggeredFrames += Input::IsKeyTriggered(scancode) ? 1 : 0;
            },
            [&] { return Input::IsKeyDown(scancode) == down; });
    }

    Util::Window* window = nullptr;
};

// Property: a key pressed and held triggers in exactly the first frame that sees it down and
// stays down in every frame while held.
TEST_F(RealInput, HeldKeyTriggersOnceAndStaysDown) {
    Input::Initialize();
    Input::Update();
    ASSERT_FALSE(Input::IsKeyDown(SDL_SCANCODE_A));

    ASSERT_TRUE(XdoTool("keydown a"));
    int triggered = 0;
    ASSERT_TRUE(FramesUntilKey(SDL_SCANCODE_A, true, triggered));
    EXPECT_EQ(triggered, 1);
    EXPECT_TRUE(Input::IsKeyTriggered(SDL_SCANCODE_A));

    for (int frame = 0; frame < 5; ++frame) {
        Input::Update();
        EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_A)) << "frame " << frame;
        EXPECT_FALSE(Input::IsKeyTriggered(SDL_SCANCODE_A)) << "frame " << frame;
    }

    ASSERT_TRUE(XdoTool("keyup a"));
    triggered = 0;
    ASSERT_TRUE(FramesUntilKey(SDL_SCANCODE_A, false, triggered));
    EXPECT_EQ(triggered, 0);
    EXPECT_FALSE(Input::IsKeyDown(SDL_SCANCODE_B));
}

// Property: a key already held when the module starts has not just gone down.
TEST_F(RealInput, KeyHeldAtStartDoesNotTrigger) {
    ASSERT_TRUE(XdoTool("keydown b"));
    ASSERT_TRUE(PumpUntil(SDL_PumpEvents, [] { return SDL_GetKeyboardState(nullptr)[SDL_SCANCODE_B] == 1; }));

    Input::Initialize();
    EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_B));
    EXPECT_FALSE(Input::IsKeyTriggered(SDL_SCANCODE_B));
    Input::Update();
    EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_B));
    EXPECT_FALSE(Input::IsKeyTriggered(SDL_SCANCODE_B));
}

// Property: mouse buttons are sampled each frame, each in its own entry (right is mask 4).
TEST_F(RealInput, MouseButtonsAreSampledPerFrame) {
    Input::Initialize();
    const std::string xWindow = std::to_string(XWindowOf(window->handle));
    ASSERT_TRUE(XdoTool("mousemove --window " + xWindow + " 40 30 mousedown 3"));
    ASSERT_TRUE(PumpUntil(Input::Update, [] { return Input::IsMouseButtonDown(Input::Right); }));
    EXPECT_FALSE(Input::IsMouseButtonDown(Input::Left));
    EXPECT_FALSE(Input::IsMouseButtonDown(Input::Middle));
    EXPECT_EQ(Input::GetMouseState(nullptr, nullptr), static_cast<Uint32>(SDL_BUTTON_RMASK));

    ASSERT_TRUE(XdoTool("mouseup 3"));
    EXPECT_TRUE(PumpUntil(Input::Update, [] { return !Input::IsMouseButtonDown(Input::Right); }));
}
