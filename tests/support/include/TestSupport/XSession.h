#pragma once
// For tests that run under xvfb-run: real keys and pointer through xdotool, waiting until SDL has
// seen them, and the vantor executable started and watched from outside as a user would.
#include <optional>
#include <string>
#include <vector>

#include <SDL.h>
#include <sys/types.h>

#include <TestSupport/FrameImage.h>

namespace TestSupport {

// Runs `xdotool <arguments>`; false (and a test failure) when it fails.
bool XdoTool(const std::string& arguments);
// The X window id of an SDL window, as xdotool takes it; empty (and a test failure) if not on X11.
std::string X11WindowId(SDL_Window* window);

// Calls `pump` until `done` holds, a few milliseconds apart, for up to about 5 s; false if it
// never did. Real input reaches SDL some time after xdotool returns.
template <typename Pump, typename Done>
bool PumpUntil(Pump pump, Done done) {
    for (int attempt = 0; attempt < 1500; ++attempt, SDL_Delay(3)) {
        pump();
        if (done()) return true;
    }
    return false;
}

// A user at one window: gives it keyboard focus, and lets go of every key and button still held
// when it goes, so a failed test leaves nothing pressed. X buttons: 1 left, 2 middle, 3 right;
// X key names, e.g. "w", "space", "Escape".
class XUser {
public:
    explicit XUser(const std::string& id) : windowId(id) { XdoTool("windowfocus --sync " + windowId); }
    ~XUser() { while (!held.empty()) Release(held.back()); }
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    void MovePointer(int x, int y);  // window coordinates
    void PressButton(int button) { Press("mousedown " + std::to_string(button), "mouseup " + std::to_string(button)); }
    void ReleaseButton(int button) { Release("mouseup " + std::to_string(button)); }
    void PressKey(const std::string& key) { Press("keydown " + key, "keyup " + key); }
    void ReleaseKey(const std::string& key) { Release("keyup " + key); }

private:
    // xdotool commands: one that presses, and the one that lets go, remembered until it is sent.
    void Press(const std::string& press, const std::string& release) {
        if (XdoTool(press)) held.push_back(release);
    }
    void Release(std::string release);  // a copy: it may be one of `held`, which it erases

    std::string windowId;
    std::vector<std::string> held;
};

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;  // top-left corner in screen coordinates
};

// The vantor executable running in a working directory, with SDL's video driver `videoDriver`, its
// standard output and error kept in files.
class RunningProgram {
public:
    RunningProgram(const std::string& executable, const std::string& workingDirectory, const std::string& videoDriver = "x11");
    ~RunningProgram();  // kills a program still running (a failed test)
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Waits for the window "Vantor v0.0" to be shown and focuses it; false if the program ends or
    // no window comes.
    bool WaitForWindow();
    XUser& User() { return *user; }
    WindowGeometry Geometry() const;
    static WindowGeometry Screen();
    // The window's contents; also saved as `name`.ppm in the working directory of the test.
    FrameImage Capture(const std::string& name) const;
    // Asks the window to close, as a window manager does (Xvfb runs none).
    bool RequestClose() const;
    // Holds Escape until the program ends (a press between two of its input snapshots would be
    // missed); then as WaitForExit. Once it has ended, only its exit code again.
    std::optional<int> Quit();
    // Its exit code; nothing if it is still running after about 30 s or ended by a signal.
    std::optional<int> WaitForExit();
    std::string StandardOutput() const;
    std::string StandardError() const;

private:
    bool IsRunning();

    pid_t pid = -1;
    std::optional<int> exitCode;
    std::string outputPrefix;
    std::string windowId;
    std::optional<XUser> user;
};

}  // namespace TestSupport
