#pragma once
// The window registry, the window observers and the quit flag. All SDL events reach the
// system through event watches; nothing reads SDL's event queue.
#include <string>

#include <SDL.h>

namespace RenderInterface {
class Renderer;
}

// The application-wide renderer, set once at start-up.
extern RenderInterface::Renderer* gRenderer;

namespace Util {

struct Window {
    SDL_Window* handle = nullptr;
    bool reservedFlag = false;

    int GetWidth() const;
    int GetHeight() const;
    // The handle the renderer draws into. On this platform that is the SDL_Window itself.
    void* GetNativeHandle() const;
};

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    // Every SDL_WINDOWEVENT but the close event, by its SDL_WindowEventID.
    virtual void OnWindowEvent(int eventId) = 0;
    virtual bool OnWindowClose() = 0;
};

Window* CreateWindow(const std::string& title, int width, int height, int x, int y, Uint32 flags);
void DestroyWindow(Window* window);
// The registered window with this SDL window ID, or null.
Window* FindRegisteredWindow(Uint32 windowId);
// The registered window with keyboard focus, or null.
Window* GetFocusedWindow();
// The registered window that the window event being handed to the observers names, or null
// (outside such a call, or for a window the registry does not know).
Window* GetEventWindow();

void InitWindowEvents();
void PumpWindowEvents();
bool IsQuitRequested();
void AddWindowObserver(WindowObserver* observer);
void RemoveWindowObserver(WindowObserver* observer);
int WindowEventWatch(void* userData, SDL_Event* event);

}  // namespace Util
