// The application shell on SDL's offscreen driver: how SDL events reach the window module's
// observers, the tweak bar and the input module (mouse, game controllers), and what a frame of the
// loop does. Each test runs in a process of its own: the quit flag, once raised, stays raised.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <imgui.h>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/RecordingRenderer.h>
#include <TweakBarQuery.h>
#include <gtest/gtest.h>

#include "app/Demo.h"
#include "app/FrameLoop.h"
#include "app/RenderConfigDefaults.h"
#include "util/Input.h"
#include "util/Window.h"
#include "util/WindowEventHandler.h"

namespace Input = Util::Input;
using Strings = std::vector<std::string>;

namespace {

// As main has it: SDL video stays up for the whole run (quitting it would drop every event watch)
// and the window-event watch is installed once (twice would hand each event over twice).
class WindowEventsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        Util::InitWindowEvents();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WindowEventsEnvironment);

// Pushed with SDL_PushEvent, which hands it to every event watch at once. Its data (999 x 777) is
// no window's size, so a handler that reads the size from the event shows.
void PushWindowEvent(Uint8 eventId, Uint32 windowId = 0) {
    SDL_Event event{};
    event.window = SDL_WindowEvent{SDL_WINDOWEVENT, 0, windowId, eventId, 0, 0, 0, 999, 777};
    SDL_PushEvent(&event);
}

void PushEvent(Uint32 type, int x = 0, int y = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.xrel = x;
        event.motion.yrel = y;
    } else if (type == SDL_MOUSEWHEEL) {
        event.wheel.x = x;
        event.wheel.y = y;
    }
    SDL_PushEvent(&event);
}

// Appends "<name>:event <id>" or "<name>:close" to a shared log; a window event is marked
// " (panels had it)" when Dear ImGui's input state already shows a focus loss.
class RecordingObserver : public Util::WindowObserver {
public:
    RecordingObserver(Strings& log, std::string name) : log(log), name(std::move(name)) {}
    void OnWindowEvent(int eventId) override {
        const bool panelsHadIt = ImGui::GetCurrentContext() && ImGui::GetIO().AppFocusLost;
        log.push_back(name + ":event " + std::to_string(eventId) + (panelsHadIt ? " (panels had it)" : ""));
    }
    bool OnWindowClose() override {
        log.push_back(name + ":close");
        return false;
    }

private:
    Strings& log;
    std::string name;
};

}  // namespace

// Close events call OnWindowClose once per observer in registration order; other window events
// reach every observer with their own id; other events reach none. The list keeps duplicates;
// removal takes out only the first match, and of nothing listed, nothing.
TEST(WindowEvents, ReachEveryObserverInOrderDuplicatesIncluded) {
    Strings log;
    RecordingObserver first(log, "first"), second(log, "second"), third(log, "third");
    for (auto* observer : {&first, &second, &third}) Util::AddWindowObserver(observer);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 12345);
    PushEvent(SDL_MOUSEMOTION, 3, 4);
    EXPECT_EQ(log, (Strings{"first:close", "second:close", "third:close", "first:event 6", "second:event 6",
                            "third:event 6"}));
    Util::RemoveWindowObserver(&third);
    Util::AddWindowObserver(&first);
    const Strings expected[] = {{"first:close", "second:close", "first:close"}, {"second:close", "first:close"},
                                {"second:close"}, {"second:close"}};
    for (const Strings& calls : expected) {
        log.clear();
        PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        EXPECT_EQ(log, calls);
        Util::RemoveWindowObserver(&first);
    }
    Util::RemoveWindowObserver(&second);
}

// Every SDL event reaches the tweak bar, window events before any observer. A size change resizes
// the renderer's targets (the frame read back has the new size) and the tweak bar to the current
// size of the window the event names, not to the event's data, focused or not (the offscreen
// driver focuses none); for a window the registry does not know, nothing.
TEST(WindowEvents, ReachTheTweakBarFirstASizeChangeResizesToTheEventsWindow) {
    Util::Window* window = Util::CreateWindow("Resize test", 320, 240, 0, 0, SDL_WINDOW_RESIZABLE | SDL_WINDOW_OPENGL);
    ASSERT_NE(window, nullptr);
    RenderInterface::RenderConfig config;  // unpaced, windowed, default looks
    config.width = 320.0f;
    config.height = 240.0f;
    RenderInterface::Renderer* renderer = RenderInterface::CreateRenderSystem(config, window->GetNativeHandle());
    ASSERT_NE(renderer, nullptr);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, renderer->GetDevice()), 1) << TwGetLastError();
    gRenderer = renderer;
    Strings log;
    RecordingObserver observer(log, "observer");
    Util::AddWindowObserver(&observer);
    ASSERT_FALSE(ImGui::GetIO().AppFocusLost);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(log, Strings{"observer:event 13 (panels had it)"});
    const float wheel = ImGui::GetIO().MouseWheel;
    PushEvent(SDL_MOUSEWHEEL, 0, 1);
    EXPECT_EQ(ImGui::GetIO().MouseWheel, wheel + 1.0f);
    Util::RemoveWindowObserver(&observer);

    WindowEventHandler handler;
    SDL_SetWindowSize(window->handle, 400, 300);
    renderer->Render();
    std::vector<std::uint8_t> frame;
    renderer->ReadFrame(frame);
    int barWidth = 0, barHeight = 0;
    TwGetWindowSize(&barWidth, &barHeight);
    EXPECT_EQ(frame.size(), 400u * 300u * 4u);
    EXPECT_EQ(barWidth * 1000 + barHeight, 400300);
    SDL_Window* stranger = SDL_CreateWindow("Stranger", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
    renderer->ResizeRenderTargets(100, 80);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, SDL_GetWindowID(stranger));
    EXPECT_EQ(renderer->GetRenderTargetWidth(), 100u);
    PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, SDL_GetWindowID(window->handle));
    EXPECT_EQ(renderer->GetRenderTargetWidth() * 1000 + renderer->GetRenderTargetHeight(), 400300u);

    SDL_DestroyWindow(stranger);
    gRenderer = nullptr;
    TwTerminate();
    RenderInterface::DestroyRenderSystem(renderer);
    Util::DestroyWindow(window);
}

// Pushed events reach the input module's watch at once, standing in for events that arrive during
// a frame's pumps. Deltas and wheel are the frame's last event, not the sum, and zero in a frame
// without one. The motion after a warp is the warp's own and is skipped, however many frames later
// it comes; the one after it counts again.
TEST(MouseInput, LastEventOfTheFrameWinsAndAWarpsOwnMotionIsSkipped) {
    Input::Initialize();
    Input::Update();
    const auto Delta = [] { return std::pair{Input::GetMouseDeltaX(), Input::GetMouseDeltaY()}; };
    PushEvent(SDL_MOUSEMOTION, 3, 4);
    PushEvent(SDL_MOUSEMOTION, -10, 2);
    PushEvent(SDL_MOUSEWHEEL, 1, -2);
    PushEvent(SDL_MOUSEWHEEL, 0, 3);
    EXPECT_EQ(Delta(), std::pair(-10, 2));
    EXPECT_TRUE(Input::GetWheelX() == 0 && Input::GetWheelY() == 3);
    Input::Update();
    EXPECT_EQ(Delta(), std::pair(0, 0));
    EXPECT_EQ(Input::GetWheelY(), 0);

    PushEvent(SDL_MOUSEMOTION, 1, 1);
    Input::WarpMouse(10, 10);
    PushEvent(SDL_MOUSEMOTION, 50, 60);
    EXPECT_EQ(Delta(), std::pair(1, 1));
    Input::WarpMouse(20, 20);
    Input::Update();
    Input::Update();
    PushEvent(SDL_MOUSEMOTION, -40, -30);
    EXPECT_EQ(Delta(), std::pair(0, 0));
    PushEvent(SDL_MOUSEMOTION, 7, 8);
    EXPECT_EQ(Delta(), std::pair(7, 8));
    Input::Shutdown();
}

// Game controllers through SDL's virtual joysticks: present at start or plugged in later, each
// opens into the slot of its device index, only indices 0 to 3 (a fifth is left closed).
// Unplugged while watched, a controller's own slot closes; with several gone before any removed
// event is seen, each event closes the lowest-numbered detached slot.
TEST(ControllerInput, ControllersOpenIntoTheirSlotsUpToFourAndCloseWhenUnplugged) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    if (SDL_NumJoysticks() != 0) GTEST_SKIP() << "slots are device indices: needs no joystick plugged in";
    const auto Plug = [](int count) {
        for (int i = 0; i < count; ++i) {
            const int next = SDL_NumJoysticks();
            EXPECT_EQ(SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                SDL_CONTROLLER_BUTTON_MAX, 0), next) << SDL_GetError();
        }
    };
    const auto OpenControllerOf = [](int deviceIndex) {
        return SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(deviceIndex));
    };
    const auto ExpectConnected = [](const std::array<bool, 4>& slots) {
        for (int slot = 0; slot < 4; ++slot) EXPECT_EQ(Input::IsControllerConnected(slot), slots[slot]) << slot;
    };
    Plug(2);
    Input::Initialize();
    ExpectConnected({true, true, false, false});
    Plug(3);
    for (int slot = 0; slot < Input::MaxControllers; ++slot) {
        EXPECT_EQ(Input::GetController(slot).controller, OpenControllerOf(slot)) << slot;
        EXPECT_NE(OpenControllerOf(slot), nullptr) << slot;
    }
    EXPECT_EQ(OpenControllerOf(4), nullptr);

    ASSERT_EQ(SDL_JoystickDetachVirtual(3), 0);
    ExpectConnected({true, true, true, false});
    SDL_DelEventWatch(Input::EventWatch, nullptr);
    ASSERT_EQ(SDL_JoystickDetachVirtual(2), 0);
    ASSERT_EQ(SDL_JoystickDetachVirtual(0), 0);
    SDL_AddEventWatch(Input::EventWatch, nullptr);
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 99;
    for (const auto& slots : {std::array{false, true, true, false}, {false, true, false, false},
                              {false, true, false, false}}) {
        SDL_PushEvent(&removed);
        ExpectConnected(slots);
    }
    for (int deviceIndex = SDL_NumJoysticks() - 1; deviceIndex >= 0; --deviceIndex) SDL_JoystickDetachVirtual(deviceIndex);
    Input::Shutdown();  // also quits the game-controller subsystem
}

namespace {

// A demo that marks its updates among the renderer's calls (as GetDevice calls), notes the mouse
// motion its first update saw, and can raise events from inside a frame.
class ProbeDemo : public Demo {
public:
    void Init(RenderInterface::Renderer*, float, float) override {}
    void Shutdown() override {}
    void Update() override {
        gRenderer->GetDevice();
        if (++updates == 1) firstMouseDelta = Input::GetMouseDeltaX();
        if (updates == closeOnUpdate) PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        if (updates == quitOnUpdate) PushEvent(SDL_QUIT);
    }

    int updates = 0, closeOnUpdate = -1, quitOnUpdate = -1, firstMouseDelta = -1;
};

}  // namespace

// With the real renderer behind a recorder: a frame takes the input snapshot before the demo's
// update, and renders and presents after it, once each. A quit request raised during a frame lets
// that frame finish and ends the loop before the next one, and stays for the rest of the run; no
// other event raises it, not even closing a window.
TEST(FrameLoop, InputThenUpdateThenRenderAndPresentUntilAQuitRequest) {
    TestSupport::OffscreenRenderer gl{96, 64};
    ASSERT_TRUE(gl);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    Input::Initialize();
    TestSupport::RecordingRenderer recorder{*gl.Get()};
    gRenderer = &recorder;
    ProbeDemo demo;
    Input::Update();
    PushEvent(SDL_MOUSEMOTION, 6, 0);  // last frame's motion, cleared by this frame's snapshot

    Strings frames = {"GetDevice", "Render", "Present"};
    RunFrame(demo);
    EXPECT_EQ(demo.firstMouseDelta, 0);
    EXPECT_EQ(recorder.Operations(), frames);

    demo.closeOnUpdate = 2;
    demo.quitOnUpdate = 4;
    RunFrameLoop(demo);
    for (int frame = 2; frame <= 4; ++frame) frames.insert(frames.end(), {"GetDevice", "Render", "Present"});
    EXPECT_EQ(recorder.Operations(), frames);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    EXPECT_TRUE(Util::IsQuitRequested()) << "the quit request did not stay";
    gRenderer = nullptr;
    Input::Shutdown();
    TwTerminate();
}

// The record main hands the renderer asks for frames paced to the display (Present waits for a
// vertical blank) in a window, not full screen: an unpaced demo would spin a core at full speed.
TEST(RenderConfigRecord, AsksForPacedFramesInAWindow) {
    RenderInterface::RenderConfig config{};
    FillRenderConfig(config);
    EXPECT_EQ(config.swapInterval, 1);
    EXPECT_EQ(config.fullscreen, 0);
}
