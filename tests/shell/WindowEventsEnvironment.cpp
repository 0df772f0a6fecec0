// Process-wide set-up for the shell's tests, as main has it: SDL video stays up for the whole
// run and the window-event watch is installed once. (Quitting the last video user would also
// stop SDL's event loop, which drops every event watch; installing the watch per test would
// hand each event to it twice.)
#include <gtest/gtest.h>

#include "util/Window.h"

namespace {

class WindowEventsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        Util::InitWindowEvents();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new WindowEventsEnvironment);

}  // namespace
