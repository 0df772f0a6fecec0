// The shell on a real X server (Xvfb), where windows take keyboard focus and xdotool's keys and
// resizes arrive through SDL's event pump; and the real vantor executable: its window, and the
// ways out of it.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>
#include <TestSupport/XSession.h>
#include <TweakBarQuery.h>
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Input.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

namespace Input = Util::Input;
using TestSupport::PumpUntil;
using TestSupport::RunningProgram;
using TestSupport::XdoTool;

namespace {

bool Focus(SDL_Window* window) {
    SDL_SetWindowInputFocus(window);
    return PumpUntil(SDL_PumpEvents, [window] { return SDL_GetKeyboardFocus() == window; });
}

}  // namespace

// A key already held when the module starts has not just gone down; one pressed and held
// triggers in exactly the first frame that sees it and stays down while held.
TEST(ShellX11, HeldKeyTriggersOnceAndStaysDown) {
    Util::Window* window = Util::CreateWindow("Input test", 200, 150, 0, 0, 0);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Focus(window->handle));
    ASSERT_TRUE(XdoTool("keydown b"));
    ASSERT_TRUE(PumpUntil(SDL_PumpEvents, [] { return SDL_GetKeyboardState(nullptr)[SDL_SCANCODE_B] == 1; }));
    Input::Initialize();
    EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_B));
    EXPECT_FALSE(Input::IsKeyTriggered(SDL_SCANCODE_B));

    ASSERT_TRUE(XdoTool("keydown a"));
    int triggered = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            Input::Update();
            triggered += Input::IsKeyTriggered(SDL_SCANCODE_A);
        },
        [] { return Input::IsKeyDown(SDL_SCANCODE_A); }));
    for (int frame = 0; frame < 5; ++frame) {
        Input::Update();
        triggered += Input::IsKeyTriggered(SDL_SCANCODE_A) + Input::IsKeyTriggered(SDL_SCANCODE_B);
        EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_A));
    }
    EXPECT_EQ(triggered, 1);
    XdoTool("keyup a keyup b");
    Input::Shutdown();
    Util::DestroyWindow(window);
}

// A size change resizes the renderer's targets (the frame read back has the new size) and the
// tweak bar to the current size of the window the event names, not the event's data, whichever
// window has the focus; for a window the registry does not know, nothing is resized.
TEST(ShellX11, SizeChangeResizesRendererAndTweakBar) {
    Util::Window* window = Util::CreateWindow("Resize test", 320, 240, 0, 0, SDL_WINDOW_RESIZABLE | SDL_WINDOW_OPENGL);
    ASSERT_NE(window, nullptr);
    RenderInterface::RenderConfig config;  // unpaced, windowed, default looks
    config.width = 320.0f;
    config.height = 240.0f;
    RenderInterface::Renderer* renderer = RenderInterface::CreateRenderSystem(config, window->GetNativeHandle());
    ASSERT_NE(renderer, nullptr);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, renderer->GetDevice()), 1) << TwGetLastError();
    gRenderer = renderer;
    WindowEventHandler handler;
    ASSERT_TRUE(Focus(window->handle));
    int barWidth = 0, barHeight = 0;

    XdoTool("windowsize --sync " + TestSupport::X11WindowId(window->handle) + " 400 300");
    ASSERT_TRUE(PumpUntil(SDL_PumpEvents, [&] { return renderer->GetRenderTargetWidth() == 400u; }));
    renderer->Render();
    std::vector<std::uint8_t> frame;
    renderer->ReadFrame(frame);
    TwGetWindowSize(&barWidth, &barHeight);
    EXPECT_EQ(frame.size(), 400u * 300u * 4u);
    EXPECT_EQ(barWidth * 1000 + barHeight, 400300);

    SDL_Window* stranger = SDL_CreateWindow("Stranger", 600, 0, 64, 64, 0);
    ASSERT_TRUE(Focus(stranger));
    XdoTool("windowsize --sync " + TestSupport::X11WindowId(window->handle) + " 500 350");
    ASSERT_TRUE(PumpUntil(SDL_PumpEvents, [&] { return renderer->GetRenderTargetWidth() == 500u; }));
    EXPECT_EQ(renderer->GetRenderTargetHeight(), 350u);
    renderer->ResizeRenderTargets(100, 80);
    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, SDL_GetWindowID(stranger));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 100u);
    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, SDL_GetWindowID(window->handle));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 500u);
    EXPECT_EQ(renderer->GetRenderTargetHeight(), 350u);

    SDL_DestroyWindow(stranger);
    gRenderer = nullptr;
    TwTerminate();
    RenderInterface::DestroyRenderSystem(renderer);
    Util::DestroyWindow(window);
}

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
    const std::optional<int> exitCode = program.WaitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "still running or killed by a signal";
    EXPECT_NE(*exitCode, 0);
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
