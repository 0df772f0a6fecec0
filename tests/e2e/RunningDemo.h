#pragma once
// The vantor executable running on the test's X display (the tests run under xvfb-run), seen and
// driven from outside as a person at the machine would: its window found by title, pictures
// taken with ImageMagick's import, keys and mouse through xdotool.
#include <memory>
#include <optional>
#include <string>

#include <TestSupport/FrameImage.h>

#include "XInputDriver.h"
#include "tests/shell/ChildProcess.h"

namespace EndToEnd {

class RunningDemo {
public:
    // Starts vantor in `workingDirectory` (where it looks for resources/), its output and the
    // pictures going to `outputDirectory`, and waits for its window, which gets keyboard focus.
    RunningDemo(const std::string& workingDirectory, const std::string& outputDirectory);

    bool HasWindow() const { return user != nullptr; }
    DemoTest::XInputDriver& User() { return *user; }

    // The window's contents now; also kept as `<outputDirectory>/<name>.png` for a look by eye.
    TestSupport::FrameImage Capture(const std::string& name);
    // Sizes the window as a window manager would and waits until the X server has done it.
    void Resize(int width, int height);
    // Presses the left button at window coordinates and lets go, each held long enough for the
    // program to see it in a frame of its own.
    void Click(int x, int y);
    // Holds a key (an X key name) for a few frames and lets go.
    void Tap(const std::string& key);
    // Types into the focused field, then Return.
    void Type(const std::string& text);

    // Holds Escape until the program ends; its exit code, or nothing if it did not end normally.
    std::optional<int> Quit();
    std::string StandardError() const { return program.StandardError(); }

private:
    std::string outputDirectory;
    ShellTest::ChildProcess program;
    std::string windowId;
    std::unique_ptr<DemoTest::XInputDriver> user;
};

}  // namespace EndToEnd
