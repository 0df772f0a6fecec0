// As main has it: SDL video stays up for the whole run (quitting it would drop every event watch)
// and the window-event watch is installed once (twice would hand each event over twice).
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

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WindowEventsEnvironment);

}  // namespace
