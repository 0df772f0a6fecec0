#pragma once
// SDL events pushed with SDL_PushEvent, which hands them to every event watch at once.
#include <SDL.h>

namespace ShellTest {

// Its data (999 x 777) is no window's size, so a handler that reads the size from the event shows.
inline void PushWindowEvent(Uint8 eventId, Uint32 windowId = 0) {
    SDL_Event event{};
    event.window = SDL_WindowEvent{SDL_WINDOWEVENT, 0, windowId, eventId, 0, 0, 0, 999, 777};
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
