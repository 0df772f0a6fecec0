// WindowEventHandler on the offscreen driver, where no window ever has keyboard focus: a size
// change then has no window to follow and must leave the renderer and the tweak bar alone.
// (With a focused window it resizes both; that runs under Xvfb.)
#include <AntTweakBar.h>
#include <TweakBarQuery.h>
#include <TestSupport/OffscreenRenderer.h>
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

class WindowEventHandlerWithoutFocus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl);
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
        TwWindowSize(160, 120);
        gRenderer = gl.Get();
    }
    void TearDown() override {
        gRenderer = nullptr;
        TwTerminate();
    }

    static void ExpectSizesUnchanged(const RenderInterface::Renderer& renderer) {
        EXPECT_EQ(renderer.GetRenderTargetWidth(), 160u);
        EXPECT_EQ(renderer.GetRenderTargetHeight(), 120u);
        int barWidth = 0, barHeight = 0;
        TwGetWindowSize(&barWidth, &barHeight);
        EXPECT_EQ(barWidth, 160);
        EXPECT_EQ(barHeight, 120);
    }

    TestSupport::OffscreenRenderer gl{160, 120};
    WindowEventHandler handler;
};

// Property: a real resize of a registered but unfocused window changes nothing.
TEST_F(WindowEventHandlerWithoutFocus, ResizeOfAnUnfocusedWindowIsIgnored) {
    Util::Window* window = Util::CreateWindow("Unfocused", 160, 120, 0, 0, SDL_WINDOW_RESIZABLE);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Util::GetFocusedWindow(), nullptr);

    SDL_SetWindowSize(window->handle, 300, 200);
    ASSERT_EQ(window->GetWidth(), 300);
    ExpectSizesUnchanged(*gl.Get());

    Util::DestroyWindow(window);
}

// Property: a size-changed event with no registered window at all changes nothing either.
TEST_F(WindowEventHandlerWithoutFocus, SizeChangedWithNoWindowIsIgnored) {
    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    ExpectSizesUnchanged(*gl.Get());
}
