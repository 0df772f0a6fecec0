// The window registry: every window the system opens, by its SDL window ID.
#include "util/Window.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <unordered_map>

namespace Util {
namespace {

// Refers to the records but never frees one: DestroyWindow does.
std::unordered_map<Uint32, Window*> windowMap;

// Whether SDL_VIDEODRIVER (a comma-separated list) names the offscreen driver.
bool OffscreenRequested() {
    const char* drivers = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    std::istringstream list(drivers ? drivers : "");
    for (std::string driver; std::getline(list, driver, ',');) {
        if (SDL_strcasecmp(driver.c_str(), "offscreen") == 0) {
            return true;
        }
    }
    return false;
}

// SDL falls back to its offscreen driver when no display answers: the demo would then run
// unseen, at full speed, until killed. Only a run that asked for that driver gets it.
bool HasDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver == nullptr || SDL_strcasecmp(driver, "offscreen") != 0 || OffscreenRequested();
}

}  // namespace

Window* FindRegisteredWindow(Uint32 windowId) {
    const auto entry = windowMap.find(windowId);
    return entry != windowMap.end() ? entry->second : nullptr;
}

int Window::GetWidth() const {
    int width = 0;
    SDL_GetWindowSize(handle, &width, nullptr);
    return width;
}

int Window::GetHeight() const {
    int height = 0;
    SDL_GetWindowSize(handle, nullptr, &height);
    return height;
}

void* Window::GetNativeHandle() const {
    // Our OpenGL renderer draws into the SDL window itself, so the SDL_Window is the native
    // handle here (on Windows with Direct3D it was the window's HWND).
    return handle;
}

Window* CreateWindow(const std::string& title, int width, int height, int x, int y, Uint32 flags) {
    SDL_Window* handle = SDL_CreateWindow(title.c_str(), x, y, width, height, flags);
    if (!handle) {
        std::fprintf(stderr, "Cannot create the window \"%s\": %s\n", title.c_str(), SDL_GetError());
        return nullptr;
    }
    if (!HasDisplay()) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "Cannot create the window \"%s\": no display could be opened (DISPLAY is %s%s%s); "
                     "set SDL_VIDEODRIVER=offscreen to run without one\n",
                     title.c_str(), display ? "\"" : "not set", display ? display : "", display ? "\"" : "");
        SDL_DestroyWindow(handle);
        return nullptr;
    }
    auto* window = new Window;
    window->handle = handle;
    // SDL never hands out the ID of a live window again, so this always registers the new record.
    windowMap.emplace(SDL_GetWindowID(handle), window);
    return window;
}

void DestroyWindow(Window* window) {
    if (!window) {
        return;
    }
    windowMap.erase(SDL_GetWindowID(window->handle));
    SDL_DestroyWindow(window->handle);
    delete window;
}

Window* GetFocusedWindow() {
    SDL_Window* focus = SDL_GetKeyboardFocus();
    for (const auto& entry : windowMap) {
        if (entry.second->handle == focus) {
            return entry.second;
        }
    }
    return nullptr;
}

}  // namespace Util
