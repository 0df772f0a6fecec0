// Every SDL event reaches the tweak bar, window events before any observer: Dear ImGui's input
// state, read when the observer is called, shows what the bar was handed.
#include <imgui.h>

#include <AntTweakBar.h>
#include <TestSupport/OffscreenRenderer.h>
#include <gtest/gtest.h>

#include "tests/shell/ShellTestSupport.h"
#include "util/Window.h"

namespace {

class FocusObserver : public Util::WindowObserver {
public:
    void OnWindowEvent(int eventId) override
    {
        if (eventId == SDL_WINDOWEVENT_FOCUS_LOST) {
            panelsSawIt = ImGui::GetIO().AppFocusLost;
            ++calls;
        }
    }
    bool OnWindowClose() override { return true; }

    int calls = 0;
    bool panelsSawIt = false;
};

}  // namespace

TEST(TweakBarEventOrder, EventsReachTheTweakBarFirst)
{
    TestSupport::OffscreenRenderer gl{64, 64};
    ASSERT_TRUE(gl);
    ASSERT_EQ(TwInit(TW_OPENGL_CORE, gl->GetDevice()), 1) << TwGetLastError();
    FocusObserver observer;
    Util::AddWindowObserver(&observer);
    ASSERT_FALSE(ImGui::GetIO().AppFocusLost);

    ShellTest::PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    EXPECT_EQ(observer.calls, 1);
    EXPECT_TRUE(observer.panelsSawIt);
    const float wheel = ImGui::GetIO().MouseWheel;
    ShellTest::PushEvent(SDL_MOUSEWHEEL, 0, 1);
    EXPECT_EQ(ImGui::GetIO().MouseWheel, wheel + 1.0f);

    Util::RemoveWindowObserver(&observer);
    TwTerminate();
}
