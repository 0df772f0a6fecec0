#pragma once
// The vantor executable running on the test's X display, seen and driven from outside as a
// user would: its window found by title, captured with ImageMagick, keys and mouse by xdotool.
#include <memory>
#include <string>

#include <sys/types.h>

#include <TestSupport/FrameImage.h>

#include "XInputDriver.h"

namespace DemoTest {

class VantorSession {
public:
    // Starts the executable in its own directory, where its resources are, and waits for its window.
    explicit VantorSession(const std::string& executable);
    // Stops a program that is still running (a failed test).
    ~VantorSession();
    VantorSession(const VantorSession&) = delete;
    VantorSession& operator=(const VantorSession&) = delete;

    bool HasWindow() const { return !windowId.empty(); }
    XInputDriver& User() { return *user; }
    // The window's current contents; also saved as `name`.ppm beside the test for a look by eye.
    TestSupport::FrameImage Capture(const std::string& name);
    // Presses Escape and returns the exit code (-1 if it did not exit normally).
    int Quit();

private:
    pid_t pid = -1;
    std::string windowId;
    std::unique_ptr<XInputDriver> user;
};

}  // namespace DemoTest
