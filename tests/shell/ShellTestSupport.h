#pragma once
// Observers that record what reaches them, and SDL events pushed with SDL_PushEvent, which hands
// them to every event watch at once.
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

inline void PushWindowEvent(Uint8 eventId, Uint32 windowId = 0, int data1 = 0, int data2 = 0) {
    SDL_Event event{};
    event.window = SDL_WindowEvent{SDL_WINDOWEVENT, 0, windowId, eventId, 0, 0, 0, data1, data2};
    SDL_PushEvent(&event);
}

inline void PushEvent(Uint32 type, int x = 0, int y = 0) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.xrel = x;
        event.motion.yrel = y;
    } else if (type == SDL_MOUSEWHEEL) {
        event.wheel.x = x;
        event.wheel.y = y;
    }
    SDL_PushEvent(&event);
}

}  // namespace ShellTest
