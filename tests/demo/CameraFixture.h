#pragma once
// A camera on a real 1400 x 800 X11 window with the real renderer and input module, driven by
// real pointer, button and key events. Expected values are closed forms computed with glm.
#include <cmath>
#include <memory>

#include <SDL.h>
#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>
#include <gtest/gtest.h>

#include <RenderInterface/Renderer.h>

#include "XInputDriver.h"
#include "demo/CameraController.h"
#include "util/Input.h"

namespace DemoTest {

constexpr int WindowWidth = 1400;
constexpr int WindowHeight = 800;
// The start pitch, and the camera's axes at start: a turn of that angle about x.
constexpr double StartPitch = 0.0078625;
const glm::dvec3 StartRight(1.0, 0.0, 0.0);
const glm::dvec3 StartUp(0.0, std::cos(StartPitch), std::sin(StartPitch));
const glm::dvec3 StartForward(0.0, std::sin(StartPitch), -std::cos(StartPitch));
const glm::dvec3 WorldUp(0.0, 1.0, 0.0);
// Radians per pixel of mouse motion: 15 degrees x 0.016, converted by 0.0175 per degree.
constexpr double RadiansPerPixel = 15.0 * 0.016 * 0.0175;

inline glm::dvec3 ToGlm(const Math::Vector3& v) { return glm::dvec3(v.x, v.y, v.z); }
// v turned by `angle` radians about `axis`.
inline glm::dvec3 Turned(const glm::dvec3& v, double angle, const glm::dvec3& axis)
{
    return glm::angleAxis(angle, glm::normalize(axis)) * v;
}
void ExpectNear(const Math::Vector3& actual, const glm::dvec3& expected, double tolerance = 1e-5);

// One window, renderer and input module for the whole run: a fresh X window per suite would race
// its own mapping against the first pointer and button events.
class CameraWindow : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    static SDL_Window* window;
    static RenderInterface::Renderer* renderer;
};

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Input updates until the condition holds; false if it never does.
    template <typename Condition>
    bool PumpUntil(Condition condition)
    {
        for (int attempt = 0; attempt < 500; ++attempt) {
            Util::Input::Update();
            if (condition()) {
                return true;
            }
            SDL_Delay(2);
        }
        return false;
    }

    void HoldRightButton();
    void HoldKey(const char* key, int scancode);
    // Puts the pointer at window coordinates and waits until SDL has it there.
    void PlacePointer(int x, int y);
    // One frame whose input snapshot carries a mouse motion of (dx, dy).
    void DragFrame(int dx, int dy);
    // One frame: input snapshot, then the camera.
    void Frame();
    // The pointer in window coordinates as the X server has it now.
    SDL_Point PointerInWindow() const;

    SDL_Window* const window = CameraWindow::window;
    RenderInterface::Renderer* const renderer = CameraWindow::renderer;
    std::unique_ptr<XInputDriver> user;
    CameraController camera;
};

}  // namespace DemoTest
