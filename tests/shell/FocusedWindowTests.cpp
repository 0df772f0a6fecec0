// The registry's focused window on a real X server, where windows do get keyboard focus.
#include <gtest/gtest.h>

#include "tests/shell/X11ShellFixture.h"
#include "util/Window.h"

class FocusedWindow : public ShellTest::X11Shell {};

// Property: the focused window is found among the registered ones, and follows the focus.
TEST_F(FocusedWindow, IsTheRegisteredWindowWithKeyboardFocus) {
    Util::Window* first = Util::CreateWindow("First", 120, 90, 0, 0, 0);
    Util::Window* second = Util::CreateWindow("Second", 120, 90, 200, 0, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);

    ASSERT_TRUE(Focus(second->handle));
    EXPECT_EQ(Util::GetFocusedWindow(), second);
    ASSERT_TRUE(Focus(first->handle));
    EXPECT_EQ(Util::GetFocusedWindow(), first);

    Util::DestroyWindow(first);
    Util::DestroyWindow(second);
}

// Property: a window SDL focuses but the registry does not know is not reported.
TEST_F(FocusedWindow, UnregisteredWindowIsNotReported) {
    Util::Window* registered = Util::CreateWindow("Registered", 120, 90, 0, 0, 0);
    SDL_Window* stranger = SDL_CreateWindow("Stranger", 200, 0, 120, 90, 0);
    ASSERT_NE(registered, nullptr);
    ASSERT_NE(stranger, nullptr);

    ASSERT_TRUE(Focus(stranger));
    EXPECT_EQ(Util::GetFocusedWindow(), nullptr);

    SDL_DestroyWindow(stranger);
    Util::DestroyWindow(registered);
}

// Property: a destroyed window leaves the registry: it is never reported again, and the
// windows still registered are.
TEST_F(FocusedWindow, DestroyedWindowIsNoLongerReported) {
    Util::Window* doomed = Util::CreateWindow("Doomed", 120, 90, 0, 0, 0);
    Util::Window* kept = Util::CreateWindow("Kept", 120, 90, 200, 0, 0);
    ASSERT_NE(doomed, nullptr);
    ASSERT_NE(kept, nullptr);
    ASSERT_TRUE(Focus(doomed->handle));
    ASSERT_EQ(Util::GetFocusedWindow(), doomed);

    Util::DestroyWindow(doomed);
    EXPECT_EQ(Util::GetFocusedWindow(), nullptr);
    ASSERT_TRUE(Focus(kept->handle));
    EXPECT_EQ(Util::GetFocusedWindow(), kept);

    Util::DestroyWindow(kept);
}
