#pragma once
// The demo scene with its walking character on a real 1400 x 800 X11 window (the tests run under
// Xvfb), driven by real key presses through xdotool, one frame at a time as the main loop runs it.
#include <memory>

#include <SDL.h>
#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include <TestSupport/FrameImage.h>

#include "XInputDriver.h"
#include "demo/AnimationDemo.h"

namespace CharacterTest {

class OnScreen : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Input snapshot, demo update, render; returns the rendered frame.
    TestSupport::FrameImage Frame();
    // The demo update and render of a frame whose input snapshot was already taken.
    TestSupport::FrameImage UpdateAndRender();
    // Presses a key and takes input snapshots until one sees it go down: the snapshot of the
    // frame in which the key is triggered.
    void PressKey(const char* key, int scancode);
    void ReleaseKey(const char* key, int scancode);
    // Window pixel at which a world point appears through the demo's camera.
    glm::vec2 ToScreen(const glm::vec3& world) const;

    static SDL_Window* window;
    static RenderInterface::Renderer* renderer;
    std::unique_ptr<DemoTest::XInputDriver> user;
    AnimationDemo demo;
};

}  // namespace CharacterTest
