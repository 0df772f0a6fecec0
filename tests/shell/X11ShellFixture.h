#pragma once
// Windows on a real X server (Xvfb), where SDL gives keyboard focus and real input arrives
// through the event pump.
#include <functional>

#include <SDL.h>
#include <gtest/gtest.h>

namespace ShellTest {

class X11Shell : public ::testing::Test {
protected:
    void SetUp() override;

    // Gives the window keyboard focus and waits until SDL reports it. False if it never does.
    static bool Focus(SDL_Window* window);
    // The window's X11 ID, for xdotool.
    static unsigned long XWindowOf(SDL_Window* window);
    // Calls `pump` until `done` holds, at most `attempts` times a few milliseconds apart; false
    // if it never held. Real input reaches SDL asynchronously, so tests wait for it this way.
    static bool PumpUntil(const std::function<void()>& pump, const std::function<bool()>& done,
                          int attempts = 2500);
};

}  // namespace ShellTest
