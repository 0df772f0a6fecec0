// The free-fly camera on a real 1400 x 800 X11 window, driven by real pointer, button and key
// events (xdotool). Expected axes and positions are closed forms computed with glm.
#include <cmath>
#include <optional>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>
#include <TestSupport/XSession.h>

#include "demo/CameraController.h"
#include "util/Input.h"

namespace {

namespace Input = Util::Input;
constexpr int Width = 1400;
constexpr int Height = 800;
constexpr double StartPitch = 0.0078625;
const glm::dvec3 StartPosition(-12.0, 120.0, 595.0);
const glm::dvec3 StartRight(1.0, 0.0, 0.0);
const glm::dvec3 StartUp(0.0, std::cos(StartPitch), std::sin(StartPitch));
const glm::dvec3 StartForward(0.0, std::sin(StartPitch), -std::cos(StartPitch));
const glm::dvec3 WorldUp(0.0, 1.0, 0.0);
// Radians per pixel of motion: 15 degrees x 0.016, converted by 0.0175 per degree.
constexpr double RadiansPerPixel = 15.0 * 0.016 * 0.0175;
constexpr double Step = 0.8;

glm::dvec3 ToGlm(const Math::Vector3& v) { return glm::dvec3(v.x, v.y, v.z); }
glm::dvec3 Turned(const glm::dvec3& v, double angle, const glm::dvec3& axis)
{
    return glm::angleAxis(angle, glm::normalize(axis)) * v;
}
void ExpectNear(const Math::Vector3& actual, const glm::dvec3& expected, double tolerance = 1e-5)
{
    EXPECT_LE(glm::distance(ToGlm(actual), expected), tolerance)
        << actual.x << ", " << actual.y << ", " << actual.z;
}

TestSupport::OffscreenRenderer* screen = nullptr;

class CameraWindow : public ::testing::Environment {
public:
    void SetUp() override
    {
        screen = new TestSupport::OffscreenRenderer(Width, Height, {}, true);
        Input::Initialize();
    }
    void TearDown() override
    {
        Input::Shutdown();
        delete screen;
    }
};
::testing::Environment* const cameraWindow = ::testing::AddGlobalTestEnvironment(new CameraWindow);

template <typename Condition>
bool Pump(Condition condition)
{
    return TestSupport::PumpUntil(Input::Update, condition);
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(screen->Get(), nullptr);
        user.emplace(TestSupport::X11WindowId(screen->Window()));
        ASSERT_TRUE(Pump([] { return SDL_GetKeyboardFocus() == screen->Window(); })) << "no focus";
        camera.Init(screen->Get(), Width, Height);
    }
    void TearDown() override
    {
        user.reset();
        EXPECT_TRUE(Pump([] {
            return !Input::IsMouseButtonDown(Input::Right) && !SDL_GetKeyboardState(nullptr)[SDL_SCANCODE_W] &&
                   !SDL_GetKeyboardState(nullptr)[SDL_SCANCODE_Q];
        })) << "keys or button still held after the test";
        screen->Get()->ReleaseView(camera.view);
    }

    void HoldRightButton()
    {
        user->PressButton(3);
        ASSERT_TRUE(Pump([] { return Input::IsMouseButtonDown(Input::Right); }));
    }
    void HoldKey(const char* key, int scancode)
    {
        user->PressKey(key);
        ASSERT_TRUE(Pump([scancode] { return Input::IsKeyDown(scancode); })) << key;
    }
    // Puts the pointer at window coordinates and waits until SDL has it there.
    void PlacePointer(int x, int y)
    {
        user->MovePointer(x, y);
        ASSERT_TRUE(Pump([x, y] {
            int sdlX = 0, sdlY = 0;
            Input::GetMouseState(&sdlX, &sdlY);
            return sdlX == x && sdlY == y;
        })) << "pointer never reached " << x << ", " << y;
    }
    // One camera update whose input snapshot carries a mouse motion of (dx, dy).
    void DragFrame(int dx, int dy)
    {
        int x = 0, y = 0;
        Input::GetMouseState(&x, &y);
        user->MovePointer(x + dx, y + dy);
        ASSERT_TRUE(Pump([dx, dy] { return Input::GetMouseDeltaX() == dx && Input::GetMouseDeltaY() == dy; }));
        camera.Update();
    }
    void Frame()
    {
        Input::Update();
        camera.Update();
    }
    // The pointer in window coordinates as the X server has it now.
    static SDL_Point PointerInWindow()
    {
        SDL_Point global{};
        int left = 0, top = 0;
        SDL_GetGlobalMouseState(&global.x, &global.y);
        SDL_GetWindowPosition(screen->Window(), &left, &top);
        return SDL_Point{global.x - left, global.y - top};
    }

    std::optional<TestSupport::XUser> user;
    CameraController camera;
};

// Starts above the scene looking along -z tilted slightly up; the renderer's camera gets forward,
// up and position every frame, whatever it held before. Motion without the right button neither
// turns the view nor warps the pointer, even into the margin.
TEST_F(CameraTest, StartPoseIsHandedToTheRendererEveryFrameAndPlainMotionDoesNothing)
{
    ASSERT_NE(camera.view, nullptr);
    ExpectNear(camera.right, StartRight);
    RenderInterface::Camera& rendered = camera.view->GetCamera();
    PlacePointer(600, 300);
    for (int frame = 0; frame < 2; ++frame) {
        rendered.SetForward(Math::Vector3(1.0f, 0.0f, 0.0f));
        rendered.SetUp(Math::Vector3(0.0f, 0.0f, 1.0f));
        rendered.SetPosition(Math::Vector3(0.0f, 0.0f, 0.0f));
        DragFrame(frame ? 150 : -597, frame ? -150 : 150);
        ExpectNear(rendered.GetForward(), StartForward);
        ExpectNear(rendered.GetUp(), StartUp);
        ExpectNear(rendered.GetPosition(), StartPosition, 0.0);
    }
    const SDL_Point pointer = PointerInWindow();
    EXPECT_EQ(pointer.x * 1000 + pointer.y, 153300);
}

// Yaw turns about the world's up axis, and a held key moves along the forward axis this frame's
// yaw produced; after looking down, a sideways turn keeps the horizon level.
TEST_F(CameraTest, YawTurnsAboutWorldUpMovesAlongTheNewForwardAndKeepsTheHorizonLevel)
{
    HoldRightButton();
    HoldKey("w", SDL_SCANCODE_W);
    PlacePointer(700, 300);
    DragFrame(100, 0);
    const double yaw = -100 * RadiansPerPixel;
    ExpectNear(camera.forward, Turned(StartForward, yaw, WorldUp));
    ExpectNear(camera.right, Turned(StartRight, yaw, WorldUp));
    ExpectNear(camera.up, Turned(StartUp, yaw, WorldUp));
    ExpectNear(camera.position, StartPosition + Step * Turned(StartForward, yaw, WorldUp), 2e-4);

    DragFrame(0, 200);
    DragFrame(-200, 0);
    Frame();
    ASSERT_LT(camera.forward.y, -0.5f) << "the camera looks down";
    EXPECT_NEAR(camera.right.y, 0.0f, 1e-5f);
}

// Pitch turns about the right axis by at most 90 degrees a frame (1.575 rad with the 0.0175
// factor); the axes show it from the next turning frame, as they are recomputed after the yaw only.
TEST_F(CameraTest, PitchStepIsLimitedAndShowsInTheNextFrame)
{
    const struct {
        int dy;
        double angle;
    } cases[] = {{400, -1.575}, {-400, 1.575}, {100, -0.42}};
    for (const auto& step : cases) {
        camera.Init(screen->Get(), Width, Height);
        HoldRightButton();
        PlacePointer(700, step.dy > 0 ? 200 : 600);
        DragFrame(0, step.dy);
        ExpectNear(camera.forward, StartForward);
        Frame();
        ExpectNear(camera.forward, Turned(StartForward, step.angle, StartRight));
        ExpectNear(camera.up, Turned(StartUp, step.angle, StartRight));
        user->ReleaseButton(3);
        ASSERT_TRUE(Pump([] { return !Input::IsMouseButtonDown(Input::Right); }));
        screen->Get()->ReleaseView(camera.view);
    }
    camera.Init(screen->Get(), Width, Height);
}

// With the right button held, a pointer closer than 10 pixels to an edge is warped to 10 pixels
// from the opposite edge; exactly 10 stays. In a corner both warps use the position read before
// either, so the vertical one lands (5, 5 -> 5, 790) and the horizontal follows next frame.
struct WrapCase {
    SDL_Point from, to;
};
class CameraWrapTest : public CameraTest, public ::testing::WithParamInterface<WrapCase> {};
INSTANTIATE_TEST_SUITE_P(Borders, CameraWrapTest,
                         ::testing::Values(WrapCase{{10, 400}, {10, 400}}, WrapCase{{9, 400}, {1390, 400}},
                                           WrapCase{{1390, 400}, {1390, 400}}, WrapCase{{1391, 400}, {10, 400}},
                                           WrapCase{{700, 10}, {700, 10}}, WrapCase{{700, 9}, {700, 790}},
                                           WrapCase{{700, 790}, {700, 790}}, WrapCase{{700, 791}, {700, 10}},
                                           WrapCase{{5, 5}, {5, 790}}, WrapCase{{5, 790}, {1390, 790}}));

TEST_P(CameraWrapTest, WarpsOnlyInsideTheMargin)
{
    HoldRightButton();
    PlacePointer(GetParam().from.x, GetParam().from.y);
    camera.Update();
    const SDL_Point pointer = PointerInWindow();
    EXPECT_EQ(pointer.x, GetParam().to.x);
    EXPECT_EQ(pointer.y, GetParam().to.y);
}

// Each held key moves 0.8 a frame along its own axis, held keys add up, opposite keys cancel:
// pressed one after another, the six leave the camera still.
TEST_F(CameraTest, HeldKeysMoveAStepPerFrameAlongTheirAxes)
{
    const struct {
        const char* key;
        int scancode;
        glm::dvec3 direction;
    } keys[] = {{"w", SDL_SCANCODE_W, StartForward}, {"d", SDL_SCANCODE_D, StartRight},
                {"q", SDL_SCANCODE_Q, -StartUp},     {"s", SDL_SCANCODE_S, -StartForward},
                {"a", SDL_SCANCODE_A, -StartRight},  {"e", SDL_SCANCODE_E, StartUp}};
    glm::dvec3 expected = StartPosition;
    glm::dvec3 velocity(0.0);
    for (const auto& held : keys) {
        HoldKey(held.key, held.scancode);
        camera.Update();
        velocity += Step * held.direction;
        expected += velocity;
        for (int frame = 0; frame < 2; ++frame) {
            Frame();
            expected += velocity;
        }
        ExpectNear(camera.position, expected, 5e-4);
        ExpectNear(camera.view->GetCamera().GetPosition(), expected, 5e-4);
    }
    EXPECT_LT(glm::length(velocity), 1e-12);
}

}  // namespace
