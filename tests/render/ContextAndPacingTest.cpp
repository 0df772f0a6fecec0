// The renderer gives a current OpenGL 3.3 core context sized from the config, or refuses with a
// message (proportions at every size the end-to-end resize test checks). Presents are held to 60 a
// second at any refresh rate, without drifting when sleeps overshoot or rushing after a slow frame.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <TestSupport/OffscreenRenderer.h>

#include "FramePacer.h"

namespace {

TEST(RendererLifecycle, CurrentCoreContextSizedFromTheConfigOrARefusalWithAMessage) {
    {
        TestSupport::OffscreenRenderer gl(96, 40);
        ASSERT_TRUE(gl);
        // That the device is the current desktop 3.3 context, every tweak-bar test's TwInit checks.
        EXPECT_EQ(SDL_GL_GetCurrentWindow(), gl.Window());
        GLint profile = 0;
        glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
        EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);
        EXPECT_EQ(gl->GetRenderTargetWidth() * 1000 + gl->GetRenderTargetHeight(), 96040u);
    }
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 32, 32, SDL_WINDOW_HIDDEN);
    for (SDL_Window* candidate : {window, static_cast<SDL_Window*>(nullptr)}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RenderInterface::CreateRenderSystem({}, candidate), nullptr);
        EXPECT_NE(::testing::internal::GetCapturedStderr().find(candidate ? "SDL_WINDOW_OPENGL" : "window"),
                  std::string::npos);
    }
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

using RenderInterface::FramePacer;
using std::chrono::microseconds;
using std::chrono::milliseconds;

const FramePacer::Clock::time_point start{std::chrono::seconds(1000)};

TEST(FramePacer, WaitsOutThePeriodWithoutDriftOrCatchingUp) {
    FramePacer pacer;
    const FramePacer::Clock::duration period = pacer.Period();
    EXPECT_EQ(pacer.DelayAt(start).count(), 0);
    pacer.Presented(start);
    // Each sleep ends 300 us late; the slots stay on the period's grid.
    for (int frame = 1; frame <= 100; ++frame) pacer.Presented(start + frame * period + microseconds(300));
    EXPECT_EQ(pacer.DelayAt(start + 100 * period + milliseconds(5)), period - milliseconds(5));
    // Three and a half periods late: a fresh period starts then.
    const FramePacer::Clock::time_point late = start + 104 * period + period / 2;
    pacer.Presented(late);
    EXPECT_EQ(pacer.DelayAt(late + milliseconds(5)), period - milliseconds(5));
}

// Frames of 4 ms of work that sleep as the pacer asks, shown at the next vertical blank of a display
// at `hz` (0: none): how many show in the second after a first second of settling.
int FramesShownInOneSecond(int hz) {
    FramePacer pacer;
    FramePacer::Clock::time_point now = start;
    int shown = 0;
    while (now < start + std::chrono::seconds(2)) {
        now += pacer.DelayAt(now);
        pacer.Presented(now);
        if (hz > 0) {
            const std::chrono::nanoseconds refresh(1'000'000'000 / hz);
            const auto blanks = (now - start + refresh - std::chrono::nanoseconds(1)) / refresh;
            now = start + blanks * refresh;
        }
        shown += now >= start + std::chrono::seconds(1) ? 1 : 0;
        now += milliseconds(4);
    }
    return shown;
}

TEST(FramePacer, SixtyFramesASecondAtEveryRefreshRate) {
    for (const int hz : {0, 60, 75, 120, 144, 240}) {
        EXPECT_NEAR(FramesShownInOneSecond(hz), 60, 1) << "display at " << hz << " Hz";
    }
}

}  // namespace
