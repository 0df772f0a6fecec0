// WindowEventHandler on a real X server: a size change of the focused window resizes the real
// renderer's targets and the tweak bar to the window's current size. Only the size-changed
// event (6) acts; the resized event (5) and a size change without a focused window or without
// a renderer do not.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>
#include <TweakBarQuery.h>
#include <gtest/gtest.h>

#include "app/RenderConfigDefaults.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/shell/X11ShellFixture.h"
#include "tests/shell/XdoTool.h"
#include "util/Input.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

class ResizeFollowsWindow : public ShellTest::X11Shell {
protected:
    void SetUp() override {
        X11Shell::SetUp();
        window = Util::CreateWindow("Resize test", 320, 240, 0, 0, SDL_WINDOW_RESIZABLE | SDL_WINDOW_OPENGL);
        ASSERT_NE(window, nullptr);
        RenderInterface::RenderConfig config;
        FillRenderConfig(config);
        config.width = 320.0f;
        config.height = 240.0f;
        config.swapInterval = 0;
        renderer = RenderInterface::CreateRenderSystem(config, window->GetNativeHandle());
        ASSERT_NE(renderer, nullptr);
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, renderer->GetDevice()), 1) << TwGetLastError();
        TwWindowSize(320, 240);
        ASSERT_TRUE(Focus(window->handle));
        gRenderer = renderer;
    }
    void TearDown() override {
        gRenderer = nullptr;
        TwTerminate();
        RenderInterface::DestroyRenderSystem(renderer);
        Util::DestroyWindow(window);
    }

    static std::pair<int, int> TweakBarSize() {
        int width = 0, height = 0;
        TwGetWindowSize(&width, &height);
        return {width, height};
    }

    Util::Window* window = nullptr;
    RenderInterface::Renderer* renderer = nullptr;
    WindowEventHandler handler;
};

// Property: resizing the window resizes the render targets, so the frame read back has the
// new size, and the tweak bar's window size follows.
TEST_F(ResizeFollowsWindow, SizeChangeResizesRendererAndTweakBar) {
    SDL_SetWindowSize(window->handle, 400, 300);
    ASSERT_TRUE(PumpUntil(SDL_PumpEvents, [this] { return renderer->GetRenderTargetWidth() == 400u; }));

    EXPECT_EQ(renderer->GetRenderTargetHeight(), 300u);
    renderer->Render();
    std::vector<std::uint8_t> frame;
    renderer->ReadFrame(frame);
    EXPECT_EQ(frame.size(), 400u * 300u * 4u);
    EXPECT_EQ(TweakBarSize(), std::make_pair(400, 300));
}

// Property: the size comes from the window as it is now, not from the event; and only event 6
// acts, event 5 reaches the handler and is ignored.
TEST_F(ResizeFollowsWindow, OnlySizeChangedActsWithTheWindowsCurrentSize) {
    renderer->ResizeRenderTargets(100, 80);
    TwWindowSize(100, 80);

    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_RESIZED, SDL_GetWindowID(window->handle));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 100u);
    EXPECT_EQ(renderer->GetRenderTargetHeight(), 80u);
    EXPECT_EQ(TweakBarSize(), std::make_pair(100, 80));

    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    event.window.windowID = SDL_GetWindowID(window->handle);
    event.window.data1 = 999;
    event.window.data2 = 777;
    SDL_PushEvent(&event);
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 320u);
    EXPECT_EQ(renderer->GetRenderTargetHeight(), 240u);
    EXPECT_EQ(TweakBarSize(), std::make_pair(320, 240));
}

// Property: with keyboard focus on a window the registry does not know, nothing is resized.
TEST_F(ResizeFollowsWindow, SizeChangeWithoutFocusedWindowIsIgnored) {
    SDL_Window* stranger = SDL_CreateWindow("Stranger", 400, 0, 64, 64, 0);
    ASSERT_NE(stranger, nullptr);
    ASSERT_TRUE(Focus(stranger));
    renderer->ResizeRenderTargets(100, 80);

    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 100u);
    EXPECT_EQ(TweakBarSize(), std::make_pair(320, 240));
    SDL_DestroyWindow(stranger);
}

// Property: before the renderer exists a size change is ignored, the tweak bar included.
TEST_F(ResizeFollowsWindow, SizeChangeBeforeTheRendererExistsIsIgnored) {
    gRenderer = nullptr;
    TwWindowSize(100, 80);
    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED);
    EXPECT_EQ(TweakBarSize(), std::make_pair(100, 80));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 320u);
}

// Property: the window module's pump delivers events, except while the game-controller
// subsystem is up: then it pumps nothing and the input update's pump delivers them.
TEST_F(ResizeFollowsWindow, WindowPumpStandsAsideWhileControllersAreUp) {
    std::vector<std::string> log;
    ShellTest::RecordingObserver observer(log, "o");
    ShellTest::ScopedObserver scoped(&observer);
    const auto sawSizeChange = [&log] { return std::count(log.begin(), log.end(), "o:event 6") > 0; };
    // Resized from outside, so the events wait in the X queue until someone pumps.
    const auto resizeTo = [this](int width, int height) {
        return ShellTest::XdoTool("windowsize --sync " + std::to_string(XWindowOf(window->handle)) + " " +
                                  std::to_string(width) + " " + std::to_string(height));
    };

    ASSERT_TRUE(resizeTo(360, 270));
    EXPECT_TRUE(PumpUntil(Util::PumpWindowEvents, sawSizeChange));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 360u);

    log.clear();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    Util::Input::Initialize();
    ASSERT_TRUE(resizeTo(300, 200));
    EXPECT_FALSE(PumpUntil(Util::PumpWindowEvents, sawSizeChange, 50));
    EXPECT_TRUE(PumpUntil(Util::Input::Update, sawSizeChange));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 300u);
    Util::Input::Shutdown();
}
