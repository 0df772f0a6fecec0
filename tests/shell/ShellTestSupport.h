#pragma once
// Helpers shared by the shell's tests: observers that record what reaches them, and SDL events
// pushed through SDL_PushEvent, which hands them to every event watch at once.
#include <string>
#include <utility>
#include <vector>

#include <SDL.h>

#include "util/Window.h"

namespace ShellTest {

// Appends "<name>:event <id>" or "<name>:close" to a shared log.
class RecordingObserver : public Util::WindowObserver {
public:
    RecordingObserver(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    void OnWindowEvent(int eventId) override { log.push_back(name + ":event " + std::to_string(eventId)); }
    bool OnWindowClose() override {
        log.push_back(name + ":close");
        return false;
    }

private:
    std::vector<std::string>& log;
    std::string name;
};

// Keeps an observer registered for a scope, so a failing test leaves the list clean.
class ScopedObserver {
public:
    explicit ScopedObserver(Util::WindowObserver* observer) : observer(observer) { Util::AddWindowObserver(observer); }
    ~ScopedObserver() { Util::RemoveWindowObserver(observer); }
    ScopedObserver(const ScopedObserver&) = delete;
    ScopedObserver& operator=(const ScopedObserver&) = delete;

private:
    Util::WindowObserver* observer;
};

inline void PushWindowEvent(Uint8 eventId, Uint32 windowId = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = eventId;
    event.window.windowID = windowId;
    SDL_PushEvent(&event);
}

inline void PushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

inline void PushMouseMotion(int xrel, int yrel) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.xrel = xrel;
    event.motion.yrel = yrel;
    SDL_PushEvent(&event);
}

inline void PushMouseWheel(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.x = x;
    event.wheel.y = y;
    SDL_PushEvent(&event);
}

}  // namespace ShellTest
