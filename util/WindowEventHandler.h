#pragma once
// The application's window observer: keeps the renderer's render targets and the tweak bar
// sized to the window. It is an observer for exactly as long as it lives.
#include "util/Window.h"

class WindowEventHandler : private Util::WindowObserver {
public:
    WindowEventHandler();
    ~WindowEventHandler() override;
    WindowEventHandler(const WindowEventHandler&) = delete;
    WindowEventHandler& operator=(const WindowEventHandler&) = delete;

private:
    void OnWindowEvent(int eventId) override;
    bool OnWindowClose() override;
};
