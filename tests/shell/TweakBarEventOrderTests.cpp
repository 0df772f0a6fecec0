// The tweak bar sees every SDL event, and sees it before the window observers do. What the
// panels' input state (Dear ImGui's) holds when an observer is called shows the order.
#include <imgui.h>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Window.h"

namespace {

// Notes whether the panels had already taken the focus loss when the observer hears of it.
class FocusObserver : public Util::WindowObserver {
public:
    void OnWindowEvent(int eventId) override {
        if (eventId == SDL_WINDOWEVENT_FOCUS_LOST) {
            ++focusLossCalls;
            panelsSawFocusLossFirst = ImGui::GetIO().AppFocusLost;
        }
    }
    bool OnWindowClose() override { return true; }

    int focusLossCalls = 0;
    bool panelsSawFocusLossFirst = false;
};

}  // namespace

class TweakBarEventOrder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gl);
        ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    }
    void TearDown() override { TwTerminate(); }

    TestSupport::OffscreenRenderer gl{64, 64};
};

// Property: a window event reaches the tweak bar before any observer.
TEST_F(TweakBarEventOrder, WindowEventsReachTheTweakBarBeforeTheObservers) {
    FocusObserver observer;
    ShellTest::ScopedObserver scoped(&observer);
    ASSERT_FALSE(ImGui::GetIO().AppFocusLost);

    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);

    EXPECT_EQ(observer.focusLossCalls, 1);
    EXPECT_TRUE(observer.panelsSawFocusLossFirst);
}

// Property: events that are not window events reach the tweak bar as well.
TEST_F(TweakBarEventOrder, OtherEventsReachTheTweakBar) {
    const float wheelBefore = ImGui::GetIO().MouseWheel;
    ShellTest::PushMouseWheel(0, 1);
    EXPECT_EQ(ImGui::GetIO().MouseWheel, wheelBefore + 1.0f);
}
