#include "tests/shell/X11ShellFixture.h"

#include <SDL_syswm.h>

namespace ShellTest {

void X11Shell::SetUp() {
    ASSERT_STREQ(SDL_GetCurrentVideoDriver(), "x11") << "these tests run under Xvfb";
    // SDL drops a click that comes within a few milliseconds of the window gaining focus, as
    // the click that focused it; these tests focus a window and click straight away.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
}

bool X11Shell::PumpUntil(const std::function<void()>& pump, const std::function<bool()>& done, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        pump();
        if (done()) {
            return true;
        }
        SDL_Delay(4);
    }
    return false;
}

bool X11Shell::Focus(SDL_Window* window) {
    SDL_SetWindowInputFocus(window);
    return PumpUntil(SDL_PumpEvents, [window] { return SDL_GetKeyboardFocus() == window; });
}

unsigned long X11Shell::XWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return 0;
    }
    return info.info.x11.window;
}

}  // namespace ShellTest
