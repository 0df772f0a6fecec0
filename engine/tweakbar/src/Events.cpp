// SDL events reach the panels here.
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include "AntTweakBar.h"
#include "Errors.h"
#include "Library.h"

using namespace TweakBar;

namespace {

void TrackPointer(Library& library, const SDL_Event& event) {
    EventPointer& pointer = library.pointer;
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (event.motion.windowID == library.windowId) {
                pointer = {true, static_cast<float>(event.motion.x), static_cast<float>(event.motion.y)};
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID == library.windowId) {
                pointer = {true, static_cast<float>(event.button.x), static_cast<float>(event.button.y)};
            }
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID == library.windowId && event.window.event == SDL_WINDOWEVENT_LEAVE) {
                pointer.valid = false;
            }
            break;
        default:
            break;
    }
}

// ImGui's SDL backend indexes its key table with the scancode unchecked.
bool HasUsableScancode(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return true;
    const int scancode = event.key.keysym.scancode;
    return scancode >= 0 && scancode < SDL_NUM_SCANCODES;
}

// Whether a panel claims the event: the pointer is over one or dragging in it, or a text field
// has the keyboard.
bool PanelWantsEvent(const SDL_Event& event) {
    const ImGuiIO& io = ImGui::GetIO();
    switch (event.type) {
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
            return io.WantCaptureMouse;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
            return io.WantCaptureKeyboard;
        default:
            return false;
    }
}

}  // namespace

int TwEventSDL(const void* sdlEvent, unsigned char sdlMajorVersion, unsigned char /*sdlMinorVersion*/) {
    Library& library = TheLibrary();
    // Events flow before TwInit and after TwTerminate; they are simply not ours then.
    if (!library.initialised) return 0;
    if (!sdlEvent) {
        ReportError("TwEventSDL: no event given");
        return 0;
    }
    if (sdlMajorVersion != 2) {
        ReportError("TwEventSDL: events of SDL " + std::to_string(sdlMajorVersion) + " are not supported, only SDL 2");
        return 0;
    }
    const SDL_Event& event = *static_cast<const SDL_Event*>(sdlEvent);
    if (!HasUsableScancode(event)) return 0;
    TrackPointer(library, event);
    if (event.type == SDL_KEYDOWN) {
        library.pressedSinceDraw[event.key.keysym.scancode] = true;
    } else if (event.type == SDL_KEYUP && library.pressedSinceDraw[event.key.keysym.scancode]) {
        library.heldReleases.push_back(event);
        return PanelWantsEvent(event) ? 1 : 0;
    }
    ImGui_ImplSDL2_ProcessEvent(&event);
    return PanelWantsEvent(event) ? 1 : 0;
}
