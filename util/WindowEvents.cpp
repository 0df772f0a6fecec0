// Window events: the one event watch that hands every SDL event to the tweak bar, keeps the
// quit flag and passes window events on to the observers.
#include <cstddef>
#include <vector>

#include <AntTweakBar.h>

#include "util/Window.h"

// Stored by main once the renderer exists; the window observer resizes it.
RenderInterface::Renderer* gRenderer = nullptr;

namespace Util {
namespace {

// In registration order; duplicates allowed; not owned.
std::vector<WindowObserver*> windowObservers;
bool quitRequested = false;
// The window named by the window event being dispatched; 0 between dispatches.
Uint32 eventWindowId = 0;

void DispatchWindowEvent(int eventId) {
    // By index, with the length read again each time: an observer may add or remove observers
    // while it is being called.
    for (std::size_t i = 0; i < windowObservers.size(); ++i) {
        if (eventId == SDL_WINDOWEVENT_CLOSE) {
            windowObservers[i]->OnWindowClose();
        } else {
            windowObservers[i]->OnWindowEvent(eventId);
        }
    }
}

}  // namespace

void InitWindowEvents() {
    SDL_AddEventWatch(WindowEventWatch, nullptr);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void PumpWindowEvents() {
    // With the game-controller subsystem up every pump also polls the joysticks, so the input
    // update's pump stays the frame's only one.
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
        return;
    }
    SDL_PumpEvents();
}

Window* GetEventWindow() {
    return eventWindowId != 0 ? FindRegisteredWindow(eventWindowId) : nullptr;
}

bool IsQuitRequested() {
    return quitRequested;
}

void AddWindowObserver(WindowObserver* observer) {
    windowObservers.push_back(observer);
}

void RemoveWindowObserver(WindowObserver* observer) {
    for (auto it = windowObservers.begin(); it != windowObservers.end(); ++it) {
        if (*it == observer) {
            windowObservers.erase(it);
            return;
        }
    }
}

int WindowEventWatch(void*, SDL_Event* event) {
    TwEventSDL(event, 2, 0);
    if (event->type == SDL_QUIT) {
        quitRequested = true;
    } else if (event->type == SDL_WINDOWEVENT) {
        eventWindowId = event->window.windowID;
        DispatchWindowEvent(event->window.event);
        eventWindowId = 0;
    }
    return 0;
}

}  // namespace Util
