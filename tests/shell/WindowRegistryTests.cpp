// The window registry on SDL's offscreen driver: creating and destroying windows, their sizes,
// and refusing what SDL cannot create. (The offscreen driver never gives keyboard focus; the
// focused-window tests run under Xvfb.)
#include <string>

#include <gtest/gtest.h>

#include "util/Window.h"

// Property: the record wraps a live SDL window with the title, size and flags asked for (the
// size comes before the position, unlike SDL's own order), and its size queries follow it.
TEST(WindowRegistry, CreateWindowOpensTheWindowAskedFor) {
    Util::Window* window = Util::CreateWindow("Registry test", 320, 180, 40, 30, SDL_WINDOW_RESIZABLE);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->handle, nullptr);

    EXPECT_STREQ(SDL_GetWindowTitle(window->handle), "Registry test");
    int w = 0, h = 0;
    SDL_GetWindowSize(window->handle, &w, &h);
    EXPECT_EQ(w, 320);
    EXPECT_EQ(h, 180);
    EXPECT_NE(SDL_GetWindowFlags(window->handle) & SDL_WINDOW_RESIZABLE, 0u);
    EXPECT_FALSE(window->reservedFlag);

    // Width and height are read from SDL at each call, so they follow a resize.
    SDL_SetWindowSize(window->handle, 513, 257);
    EXPECT_EQ(window->GetWidth(), 513);
    EXPECT_EQ(window->GetHeight(), 257);

    Util::DestroyWindow(window);
}

// Property: destroying a window closes its SDL window; others stay open.
TEST(WindowRegistry, DestroyWindowClosesOnlyThatWindow) {
    Util::Window* first = Util::CreateWindow("First", 64, 64, 0, 0, 0);
    Util::Window* second = Util::CreateWindow("Second", 64, 64, 0, 0, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const Uint32 firstId = SDL_GetWindowID(first->handle);
    const Uint32 secondId = SDL_GetWindowID(second->handle);
    ASSERT_NE(firstId, secondId);

    Util::DestroyWindow(first);
    EXPECT_EQ(SDL_GetWindowFromID(firstId), nullptr);
    EXPECT_EQ(SDL_GetWindowFromID(secondId), second->handle);

    Util::DestroyWindow(second);
    EXPECT_EQ(SDL_GetWindowFromID(secondId), nullptr);
}

// Property: a window SDL cannot create yields no record and a message naming it, not a crash.
TEST(WindowRegistry, WindowSdlRefusesIsReported) {
    ::testing::internal::CaptureStderr();
    // SDL refuses a window that asks for both OpenGL and Vulkan.
    Util::Window* window = Util::CreateWindow("Impossible", 64, 64, 0, 0, SDL_WINDOW_OPENGL | SDL_WINDOW_VULKAN);
    const std::string message = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(window, nullptr);
    EXPECT_NE(message.find("\"Impossible\""), std::string::npos) << message;
}
