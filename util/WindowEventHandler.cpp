#include "util/WindowEventHandler.h"

#include <AntTweakBar.h>
#include <RenderInterface/Renderer.h>

WindowEventHandler::WindowEventHandler() {
    Util::AddWindowObserver(this);
}

WindowEventHandler::~WindowEventHandler() {
    Util::RemoveWindowObserver(this);
}

void WindowEventHandler::OnWindowEvent(int eventId) {
    if (eventId != SDL_WINDOWEVENT_SIZE_CHANGED) {
        return;
    }
    // The size comes from the window the event names, as it is now, not from the event's data:
    // that window need not have the focus (tiling window managers resize windows that do not).
    // For a window we did not open, or before the renderer exists, there is nothing to follow.
    Util::Window* window = Util::GetEventWindow();
    if (!window || !gRenderer) {
        return;
    }
    const int width = window->GetWidth();
    const int height = window->GetHeight();
    gRenderer->ResizeRenderTargets(static_cast<unsigned>(width), static_cast<unsigned>(height));
    TwWindowSize(width, height);
}

bool WindowEventHandler::OnWindowClose() {
    return true;
}
