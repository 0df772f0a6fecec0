// The free-fly camera on a real 1400 x 800 X11 window, driven by real pointer, button and key
// events (xdotool). Expected axes and positions are closed forms computed with glm.
#include <cmath>
#include <optional>
#include <tuple>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/XSession.h>

#include "demo/CameraController.h"
#include "util/Input.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

namespace Input = Util::Input;
constexpr int Width = 1400, Height = 800;
constexpr double StartPitch = 0.0078625;
const glm::dvec3 StartPosition(-12.0, 120.0, 595.0);
const glm::dvec3 StartRight(1.0, 0.0, 0.0);
const glm::dvec3 StartUp(0.0, std::cos(StartPitch), std::sin(StartPitch));
const glm::dvec3 StartForward(0.0, std::sin(StartPitch), -std::cos(StartPitch));
// Radians per pixel of motion: 15 degrees x 0.016, converted by 0.0175 per degree.
constexpr double RadiansPerPixel = 15.0 * 0.016 * 0.0175;
constexpr double Step = 0.8;

glm::dvec3 Turned(const glm::dvec3& v, double angle, const glm::dvec3& axis) { return glm::angleAxis(angle, axis) * v; }
void ExpectNear(const Math::Vector3& actual, const glm::dvec3& expected, double tolerance = 1e-5) {
    EXPECT_LE(glm::distance(glm::dvec3(actual.x, actual.y, actual.z), expected), tolerance)
        << actual.x << ", " << actual.y << ", " << actual.z;
}

const auto Pump = [](auto done) { return TestSupport::PumpUntil(Input::Update, done); };

TestSupport::OffscreenRenderer* screen = nullptr;  // one shown window for every test

class CameraTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // SDL drops a click that comes within 10 ms of the window taking focus. On a fresh X server
        // the pointer already rests where SetUp places it, so the first press can follow that closely.
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        screen = new TestSupport::OffscreenRenderer(Width, Height, {}, true);
        Input::Initialize();
    }
    static void TearDownTestSuite() {
        Input::Shutdown();
        delete screen;
    }
    void SetUp() override {
        ASSERT_NE(screen->Get(), nullptr);
        user.emplace(TestSupport::X11WindowId(screen->Window()));
        ASSERT_TRUE(Pump([] { return SDL_GetKeyboardFocus() == screen->Window(); })) << "no focus";
        PlacePointer(700, 400);  // buttons pressed elsewhere do not reach the window
        camera.Init(screen->Get(), Width, Height);
    }
    void TearDown() override {
        user.reset();  // lets go of every key and button; the next SetUp's pointer move comes after
        screen->Get()->ReleaseView(camera.view);
    }

    void HoldKey(const char* key, int scancode) {
        user->PressKey(key);
        ASSERT_TRUE(Pump([scancode] { return Input::IsKeyDown(scancode); })) << key;
    }
    // Puts the pointer at window coordinates and waits until SDL has it there.
    void PlacePointer(int x, int y) {
        user->MovePointer(x, y);
        ASSERT_TRUE(Pump([x, y] {
            int sdlX = 0, sdlY = 0;
            Input::GetMouseState(&sdlX, &sdlY);
            return sdlX == x && sdlY == y;
        })) << "pointer never reached " << x << ", " << y;
    }
    // One camera update whose input snapshot carries a mouse motion of (dx, dy).
    void DragFrame(int dx, int dy) {
        int x = 0, y = 0;
        Input::GetMouseState(&x, &y);
        user->MovePointer(x + dx, y + dy);
        ASSERT_TRUE(Pump([dx, dy] { return Input::GetMouseDeltaX() == dx && Input::GetMouseDeltaY() == dy; }));
        camera.Update();
    }
    void Frame() {
        Input::Update();
        camera.Update();
    }
    // The pointer in the window as the X server has it, x * 1000 + y, asked on SDL's connection after
    // its warps (SDL_GetGlobalMouseState caches it until raw motion, which xdotool does not make).
    static int PointerInWindow() {
        SDL_SysWMinfo wm;
        SDL_VERSION(&wm.version);
        EXPECT_TRUE(SDL_GetWindowWMInfo(screen->Window(), &wm)) << SDL_GetError();
        ::Window root = 0, child = 0;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned buttons = 0;
        XQueryPointer(wm.info.x11.display, wm.info.x11.window, &root, &child, &rootX, &rootY, &x, &y, &buttons);
        return x * 1000 + y;
    }

    std::optional<TestSupport::XUser> user;
    CameraController camera;
};

// From the start pose, each held key moves 0.8 a frame along its axis; held keys add up, so the six
// together leave the camera still. A real key triggers in the first frame that sees it down only,
// and one already held when the input module starts has not just gone down. The renderer's
// camera gets the pose every frame, whatever it held. Motion without the right button neither
// turns the view nor warps the pointer.
TEST_F(CameraTest, HeldKeysMoveAlongTheirAxesPlainMotionDoesNothingThePoseIsHandedOverEachFrame) {
    const std::tuple<const char*, int, glm::dvec3> keys[] = {
        {"w", SDL_SCANCODE_W, StartForward}, {"d", SDL_SCANCODE_D, StartRight}, {"q", SDL_SCANCODE_Q, -StartUp},
        {"s", SDL_SCANCODE_S, -StartForward}, {"a", SDL_SCANCODE_A, -StartRight}, {"e", SDL_SCANCODE_E, StartUp}};
    RenderInterface::Camera& rendered = camera.view->GetCamera();
    glm::dvec3 expected = StartPosition, velocity(0.0);
    const auto ExpectHandedOver = [&] {
        ExpectNear(rendered.GetForward(), StartForward);
        ExpectNear(rendered.GetUp(), StartUp);
        ExpectNear(rendered.GetPosition(), expected, 5e-4);
        rendered = RenderInterface::Camera();  // at the origin, looking along -z
    };
    for (const auto& [key, scancode, direction] : keys) {
        HoldKey(key, scancode);
        velocity += Step * direction;
        for (int frame = 0; frame < 3; ++frame) {
            frame ? Frame() : camera.Update();
            EXPECT_EQ(Input::IsKeyTriggered(scancode), frame == 0) << key << " in frame " << frame;
            expected += velocity;
            ExpectHandedOver();
        }
    }
    EXPECT_LT(glm::length(velocity), 1e-12);
    Input::Shutdown();
    Input::Initialize();
    Input::Update();
    EXPECT_TRUE(Input::IsKeyDown(SDL_SCANCODE_W) && !Input::IsKeyTriggered(SDL_SCANCODE_W));
    for (const auto& [dx, dy] : {std::pair{-697, 150}, {150, -150}}) {
        DragFrame(dx, dy);
        ExpectHandedOver();
    }
    EXPECT_EQ(PointerInWindow(), 153400);
}

// With the right button held: yaw turns about world up and a held key moves along the new forward;
// after looking down a sideways turn keeps the horizon level. Pitch turns about the right axis by
// at most 90 degrees (1.575 rad with the 0.0175 factor) a frame, shown in the axes from the next
// turning frame. A pointer nearer than 10 pixels to an edge warps to 10 from the opposite edge; in
// a corner both warps use the position read before either (5, 5 -> 5, 790, then 1390, 790).
TEST_F(CameraTest, HeldButtonTurnsYawAboutWorldUpPitchLimitedAndWarpsThePointerAtTheEdges) {
    user->PressButton(3);
    ASSERT_TRUE(Pump([] { return Input::IsMouseButtonDown(Input::Right); }));
    HoldKey("w", SDL_SCANCODE_W);
    PlacePointer(700, 300);
    DragFrame(100, 0);
    const double yaw = -100 * RadiansPerPixel;
    const glm::dvec3 up(0.0, 1.0, 0.0);
    ExpectNear(camera.forward, Turned(StartForward, yaw, up));
    ExpectNear(camera.right, Turned(StartRight, yaw, up));
    ExpectNear(camera.up, Turned(StartUp, yaw, up));
    ExpectNear(camera.position, StartPosition + Step * Turned(StartForward, yaw, up), 2e-4);
    DragFrame(0, 200);
    DragFrame(-200, 0);
    Frame();
    ASSERT_LT(camera.forward.y, -0.5f) << "the camera looks down";
    EXPECT_NEAR(camera.right.y, 0.0f, 1e-5f);
    user->ReleaseKey("w");

    for (const auto& [dy, angle] : {std::pair{400, -1.575}, {-400, 1.575}, {100, -0.42}}) {
        screen->Get()->ReleaseView(camera.view);
        camera.Init(screen->Get(), Width, Height);
        PlacePointer(700, dy > 0 ? 200 : 600);
        DragFrame(0, dy);
        ExpectNear(camera.forward, StartForward);
        Frame();
        ExpectNear(camera.forward, Turned(StartForward, angle, StartRight));
        ExpectNear(camera.up, Turned(StartUp, angle, StartRight));
    }
    const std::pair<SDL_Point, int> warps[] = {{{10, 400}, 10400},  {{9, 400}, 1390400},  {{1390, 400}, 1390400},
                                               {{1391, 400}, 10400}, {{700, 10}, 700010},  {{700, 9}, 700790},
                                               {{700, 790}, 700790}, {{700, 791}, 700010}, {{5, 5}, 5790},
                                               {{5, 790}, 1390790}};
    for (const auto& [from, to] : warps) {
        PlacePointer(from.x, from.y);
        camera.Update();
        EXPECT_EQ(PointerInWindow(), to) << "from " << from.x << ", " << from.y;
    }
}

}  // namespace
