#pragma once
// A small X11 client for watching another program's windows under Xvfb: find a top-level
// window by title, read where it is, and ask it to close as a window manager would.
#include <string>

#include <X11/Xlib.h>

namespace ShellTest {

struct WindowGeometry {
    int x = 0, y = 0;  // top-left corner in root-window (screen) coordinates
    int width = 0, height = 0;
};

class X11Client {
public:
    X11Client();  // connects to $DISPLAY
    ~X11Client();
    X11Client(const X11Client&) = delete;
    X11Client& operator=(const X11Client&) = delete;

    explicit operator bool() const { return display != nullptr; }

    // The first window in the tree whose WM_NAME is `title`, or 0.
    ::Window FindWindowByTitle(const std::string& title);
    WindowGeometry Geometry(::Window window);
    // Mapped and shown: only then can it take the input focus.
    bool IsShown(::Window window);
    int ScreenWidth() const;
    int ScreenHeight() const;
    // Sends WM_PROTOCOLS / WM_DELETE_WINDOW, the request a window manager sends when the user
    // closes a window. (Xvfb runs no window manager.)
    bool SendDeleteWindow(::Window window);

private:
    ::Window FindBelow(::Window parent, const std::string& title);

    Display* display = nullptr;
};

}  // namespace ShellTest
