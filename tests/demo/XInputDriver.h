#pragma once
// Drives the X server's pointer, buttons and keyboard with xdotool, as a user at the machine
// would: SDL sees real X events and keeps its own key and button state from them, which pushed
// SDL events cannot do. Needs an X display (the tests run under xvfb-run).
#include <string>
#include <vector>

#include <SDL.h>

namespace DemoTest {

// The X window id of an SDL window, as xdotool takes it; empty (with a test failure) if the
// window is not on X11.
std::string X11WindowId(SDL_Window* window);

class XInputDriver {
public:
    // Gives the window (an X window id) keyboard focus.
    explicit XInputDriver(const std::string& windowId);
    // Lets go of every key and button still held, so a failed test leaves nothing pressed.
    ~XInputDriver();
    XInputDriver(const XInputDriver&) = delete;
    XInputDriver& operator=(const XInputDriver&) = delete;

    // Moves the pointer to window coordinates. Returns at once; SDL sees the motion at its next pump.
    void MovePointer(int x, int y);
    // X button numbers: 1 left, 2 middle, 3 right.
    void PressButton(int button);
    void ReleaseButton(int button);
    // X key names, e.g. "w".
    void PressKey(const std::string& key);
    void ReleaseKey(const std::string& key);

private:
    void Run(const std::string& arguments);

    std::string windowId;
    std::vector<int> heldButtons;
    std::vector<std::string> heldKeys;
};

}  // namespace DemoTest
