#include "XInputDriver.h"

#include <algorithm>
#include <cstdlib>

// gtest before SDL_syswm.h: the X11 headers it pulls in define macros (None, Bool) that would
// break gtest's own declarations.
#include <gtest/gtest.h>

#include <SDL_syswm.h>

namespace DemoTest {

std::string X11WindowId(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        ADD_FAILURE() << "not an X11 window (run under xvfb-run with SDL_VIDEODRIVER=x11): " << SDL_GetError();
        return std::string();
    }
    return std::to_string(info.info.x11.window);
}

XInputDriver::XInputDriver(const std::string& id) : windowId(id)
{
    Run("windowfocus --sync " + windowId);
}

XInputDriver::~XInputDriver()
{
    for (int button : std::vector<int>(heldButtons)) {
        ReleaseButton(button);
    }
    for (const std::string& key : std::vector<std::string>(heldKeys)) {
        ReleaseKey(key);
    }
}

void XInputDriver::MovePointer(int x, int y)
{
    Run("mousemove --window " + windowId + " " + std::to_string(x) + " " + std::to_string(y));
}

void XInputDriver::PressButton(int button)
{
    Run("mousedown " + std::to_string(button));
    heldButtons.push_back(button);
}

void XInputDriver::ReleaseButton(int button)
{
    Run("mouseup " + std::to_string(button));
    heldButtons.erase(std::remove(heldButtons.begin(), heldButtons.end(), button), heldButtons.end());
}

void XInputDriver::PressKey(const std::string& key)
{
    Run("keydown " + key);
    heldKeys.push_back(key);
}

void XInputDriver::ReleaseKey(const std::string& key)
{
    Run("keyup " + key);
    heldKeys.erase(std::remove(heldKeys.begin(), heldKeys.end(), key), heldKeys.end());
}

void XInputDriver::Run(const std::string& arguments)
{
    const std::string command = "xdotool " + arguments;
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "failed: " << command;
    }
}

}  // namespace DemoTest
